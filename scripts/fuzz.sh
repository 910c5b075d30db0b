#!/usr/bin/env bash
# Runs every fuzz target: `short` for a few seconds each (make test), `long` for ten million
# executions each (make fuzz; FUZZ_RUNS changes the count). Seeds come from
# tests/fuzz/corpus/<target>/; the inputs found are kept in build/fuzz-corpus/<target>/. A crash,
# a leak or an input that runs over one second fails the run and leaves its input beside the log.
set -uo pipefail
cd "$(dirname "$0")/.."
mode=${1:-short}
fail=0
shopt -s nullglob
for src in tests/fuzz/*.cpp; do
  name=$(basename "$src" .cpp)
  bin=build/fuzz/$name
  [ -x "$bin" ] || { echo "missing $bin"; fail=1; continue; }
  work=build/fuzz-corpus/$name
  mkdir -p "$work"
  seeds=tests/fuzz/corpus/$name
  args=(-timeout=1 -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1)
  if [ "$mode" = long ]; then args+=(-runs=${FUZZ_RUNS:-10000000}); else args+=(-max_total_time=${FUZZ_SECONDS:-15}); fi
  dirs=("$work"); [ -d "$seeds" ] && dirs+=("$seeds")
  echo "--- fuzz $name ($mode)"
  if ! "$bin" "${args[@]}" -artifact_prefix=build/fuzz-corpus/$name- "${dirs[@]}" \
       > build/fuzz-corpus/$name.log 2>&1; then
    tail -40 build/fuzz-corpus/$name.log; fail=1
  else
    grep -E 'stat::number_of_executed_units|Done' build/fuzz-corpus/$name.log | tail -2
  fi
done
exit $fail
