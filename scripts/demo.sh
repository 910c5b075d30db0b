#!/usr/bin/env bash
# The demonstration: builds the Windows programs that Wine can run here, packs the example script
# set into an installer with the author's tool (when both exist), lists it, and runs it under Wine.
# ZEBO_DEMO_MANIFEST picks another manifest; ZEBO_DEMO_LIMIT (seconds) bounds the wizard's run.
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/build-wintest.sh || { echo "demo: the Windows build failed"; exit 1; }
source scripts/wine-env.sh
# A machine with JAWS 2019, 10.0 and 5.0 installed, played by our stand-ins.
scripts/jaws-prefix.sh || { echo "demo: the JAWS stand-ins could not be installed"; exit 1; }
stub=$ZEBO_WINBUILD/ZeBo.exe
pack=dist/zebo-pack
[ -x "$pack" ] || pack=build/native/zebo-pack
out=build/demo
mkdir -p "$out"
# How long the wizard may take: on a virtual display the keyboard walk needs far less.
if [ -n "${ZEBO_XVFB_PID:-}" ]; then limit=${ZEBO_DEMO_LIMIT:-120}; else limit=${ZEBO_DEMO_LIMIT:-3600}; fi

manifest=${ZEBO_DEMO_MANIFEST:-examples/package.ini}
installer=$stub
if [ ! -x "$pack" ]; then
  echo "demo: no author's tool yet ($pack); running the bare stub"
elif [ ! -f "$manifest" ]; then
  echo "demo: no manifest $manifest yet; running the bare stub"
else
  installer=$out/Setup.exe
  rm -f "$installer"
  if [ -x scripts/build-example.sh ] && [ -z "${ZEBO_DEMO_MANIFEST:-}" ]; then
    echo "demo: scripts/build-example.sh $pack $stub $installer"
    scripts/build-example.sh "$pack" "$stub" "$installer" "$out/example"
  else
    echo "demo: $pack build $manifest -o $installer --stub $stub"
    "$pack" build "$manifest" -o "$installer" --stub "$stub"
  fi || { echo "demo: packing failed"; exit 1; }
  echo "demo: $pack list $installer"
  "$pack" list "$installer"
fi

# On a virtual display nobody is there: the install is walked with the keyboard by a driver, which
# prints the steps and pictures each page into build/demo/; the demo succeeds only when the install
# did. With a real display the wizard is left to the person in front of it.
if [ -n "${ZEBO_XVFB_PID:-}" ] && [ "$installer" != "$stub" ]; then
  settings="$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/AppData/Roaming/Freedom Scientific/JAWS/2019/Settings/fra"
  rm -f "$out"/*.bmp "$out"/*.png
  echo "demo: walking $installer under Wine ($ZEBO_WINE, virtual display $DISPLAY) with the keyboard"
  "$ZEBO_WINE" "$ZEBO_WINBUILD/demo_walk.exe" "$installer" --out="$out" --limit="$limit" 2>&1 |
    grep -v '^ALSA lib'
  status=${PIPESTATUS[0]}
  echo "demo: the JAWS 2019 French settings folder after the run ($settings):"
  (cd "$settings" && find . -type f | sed 's|^\./|  |' | sort)
  if command -v convert >/dev/null; then
    for bmp in "$out"/*.bmp; do
      [ -f "$bmp" ] && convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
    done
  fi
  echo "demo: pictures of the pages in $out:"
  ls "$out" | grep -E '\.(png|bmp)$' | sed 's/^/  /'
  exit "$status"
fi

# The bare stub on the virtual display: its message boxes are answered with Enter.
answer=
[ -n "${ZEBO_XVFB_PID:-}" ] && answer=--answer
echo "demo: running $installer under Wine ($ZEBO_WINE, display $DISPLAY, at most ${limit}s)"
"$ZEBO_WINE" "$ZEBO_WINBUILD/watch_program.exe" "$installer" $answer --limit="$limit" 2>&1 |
  grep -v '^ALSA lib'
status=${PIPESTATUS[0]}
# 3: the wizard was still open when the time ran out, which on a virtual display is expected.
if [ "$status" = 3 ] && [ -n "${ZEBO_XVFB_PID:-}" ]; then
  echo "demo: the wizard was up and waiting for its user; ended after ${limit}s on the virtual display"
  exit 0
fi
exit "$status"
