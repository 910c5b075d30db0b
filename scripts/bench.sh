#!/usr/bin/env bash
# Runs every benchmark program of the native build and prints its output. Each benchmark runs
# briefly (BENCH_MIN_TIME seconds, 0.2 unless told) so that all of them finish in a few minutes.
set -uo pipefail
cd "$(dirname "$0")/.."
min_time=${BENCH_MIN_TIME:-0.2}
fail=0
shopt -s nullglob
benches=(build/native/bench_*)
[ ${#benches[@]} -gt 0 ] || { echo "no benchmark programs in build/native (make native)"; exit 1; }
for bin in "${benches[@]}"; do
  [ -x "$bin" ] || continue
  echo "=== $(basename "$bin")"
  "$bin" --benchmark_min_time="$min_time" || fail=1
done
exit $fail
