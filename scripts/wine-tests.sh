#!/usr/bin/env bash
# The Windows tests under Wine: the cross-built test programs, then the scripted ones.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
fail=0
echo "Wine: $ZEBO_WINE, Windows test build: $ZEBO_WINBUILD"
scripts/jaws-prefix.sh || fail=1
ctest --test-dir "$ZEBO_WINBUILD" --output-on-failure --timeout 600 || fail=1
for t in tests/e2e/*.sh; do
  [ -f "$t" ] || continue
  echo "--- $t"
  bash "$t" || { echo "FAILED: $t"; fail=1; }
done
exit $fail
