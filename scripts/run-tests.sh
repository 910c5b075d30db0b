#!/usr/bin/env bash
# Every test: native, under the sanitizers, the Windows ones under Wine, and a short fuzz run.
set -uo pipefail
cd "$(dirname "$0")/.."
B=build
fail=0
step() { echo; echo "=== $*"; }

step "native tests"
ctest --test-dir $B/native --output-on-failure -j "$(nproc)" || fail=1
step "native tests under ASan + UBSan"
ctest --test-dir $B/asan --output-on-failure -j "$(nproc)" || fail=1
step "Windows tests under Wine"
scripts/wine-tests.sh || fail=1
step "short fuzz runs"
scripts/fuzz.sh short || fail=1
step "format check"
scripts/check-format.sh || fail=1

echo
if [ $fail -ne 0 ]; then echo "SOME TESTS FAILED"; exit 1; fi
echo "ALL TESTS PASSED"
