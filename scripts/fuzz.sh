#!/usr/bin/env bash
# Runs every fuzz target (or those named after the mode): `short` for a few seconds each
# (make test), `long` for ten million executions each (make fuzz; FUZZ_RUNS changes the count,
# FUZZ_TIMEOUT the seconds a run may take, FUZZ_BIN the folder of the programs). Seeds come from
# tests/fuzz/corpus/<target>/; the inputs found are kept in build/fuzz-corpus/<target>/. A crash,
# a leak or an input that runs over one second fails the run and leaves its input beside the log
# (build/fuzz-corpus/<target>.<mode>.log).
# tests/fuzz/<target>.options may hold more libFuzzer flags for one target, one per line.
set -uo pipefail
cd "$(dirname "$0")/.."
mode=${1:-short}
shift || true
fail=0
shopt -s nullglob
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for src in tests/fuzz/*.cpp; do targets+=("$(basename "$src" .cpp)"); done
fi
for name in "${targets[@]}"; do
  bin=${FUZZ_BIN:-build/fuzz}/$name
  [ -x "$bin" ] || { echo "missing $bin"; fail=1; continue; }
  work=build/fuzz-corpus/$name
  mkdir -p "$work"
  seeds=tests/fuzz/corpus/$name
  args=(-timeout=${FUZZ_TIMEOUT:-1} -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1)
  if [ -f "tests/fuzz/$name.options" ]; then
    while read -r flag; do [ -n "$flag" ] && args+=("$flag"); done < "tests/fuzz/$name.options"
  fi
  if [ "$mode" = long ]; then args+=(-runs=${FUZZ_RUNS:-10000000}); else args+=(-max_total_time=${FUZZ_SECONDS:-15}); fi
  dirs=("$work"); [ -d "$seeds" ] && dirs+=("$seeds")
  log=build/fuzz-corpus/$name.$mode.log
  echo "--- fuzz $name ($mode)"
  if ! "$bin" "${args[@]}" -artifact_prefix=build/fuzz-corpus/$name- "${dirs[@]}" \
       > "$log" 2>&1; then
    tail -40 "$log"; fail=1
  else
    grep -E 'stat::number_of_executed_units|Done' "$log" | tail -2
  fi
done
exit $fail
