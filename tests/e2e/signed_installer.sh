#!/usr/bin/env bash
# A signed installer under Wine: signed with osslsigncode and a certificate made here, it opens
# its wizard like the unsigned one; with one package byte changed the signature no longer verifies
# and the installer refuses the package at start-up.
set -euo pipefail
cd "$(dirname "$0")/../.."
for tool in osslsigncode openssl xdotool; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is missing (scripts/deps.sh)"; exit 0; }
done
pack=build/native/zebo-pack
[ -x "$pack" ] || { echo "skipped: $pack is missing (make native)"; exit 0; }
source scripts/wine-env.sh
stub=$ZEBO_WINBUILD/ZeBo.exe
[ -f "$stub" ] || { echo "skipped: $stub is missing (scripts/build-wintest.sh)"; exit 0; }

work=$(mktemp -d "$ZEBO_ROOT/build/signed-XXXXXX")
trap '[ -n "${ZEBO_KEEP:-}" ] || rm -rf "$work"; zebo_cleanup' EXIT
cp -r examples "$work/ex"
"$pack" make-sound "$work/ex/chime.wav"
"$pack" build "$work/ex/package.ini" -o "$work/Setup.exe" --stub "$stub" >/dev/null
(cd "$work" &&
  openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj '/CN=ZeBo test' \
    -keyout key.pem -out cert.pem >/dev/null 2>&1 &&
  osslsigncode sign -certs cert.pem -key key.pem -n 'ZeBo test' -in Setup.exe \
    -out Signed.exe >/dev/null &&
  osslsigncode verify -CAfile cert.pem Signed.exe >/dev/null)
"$pack" verify "$work/Signed.exe"
# One byte halfway through the package.
python3 - "$work/Signed.exe" "$work/Changed.exe" <<'PY'
import sys
data = bytearray(open(sys.argv[1], 'rb').read())
marker = data.rfind(b' DaTas _')  # the stub holds this piece too
at = marker + (len(data) - marker) // 2
data[at] ^= 0x20
open(sys.argv[2], 'wb').write(data)
PY
if (cd "$work" && osslsigncode verify -CAfile cert.pem Changed.exe >/dev/null 2>&1); then
  echo "FAILED: the changed installer still verifies"; exit 1
fi

# Starts an installer and prints what it did within a minute: "error" (the box titled Erreur),
# "wizard" (its main window) or "ended" (it ended by itself without either, as a program without
# the wizard pages does after the start sound).
watch() {
  "$ZEBO_WINE" "$1" >/dev/null 2>&1 &
  local pid=$! seen=none
  for _ in $(seq 120); do
    if xdotool search --name '^Erreur' >/dev/null 2>&1; then seen=error; break; fi
    if xdotool search --name '^ZeBo pour ' >/dev/null 2>&1; then seen=wizard; break; fi
    if ! kill -0 "$pid" 2>/dev/null; then seen=ended; break; fi
    sleep 0.5
  done
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  timeout 60 wineserver -w 2>/dev/null || true
  echo "$seen"
}
fail=0
case $(watch "$work/Signed.exe") in
  wizard | ended) echo "ok: the signed installer reads its package" ;;
  *) echo "FAILED: the signed installer refused its package"; fail=1 ;;
esac
case $(watch "$work/Changed.exe") in
  error) echo "ok: the changed installer refuses its package" ;;
  *) echo "FAILED: the changed installer did not refuse its package"; fail=1 ;;
esac
exit $fail
