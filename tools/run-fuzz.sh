#!/usr/bin/env bash
# Runs every libFuzzer target for the given seconds each, from its seed corpus.
# Ends with "fuzz: N passed, M failed" (a target with a finding fails).
set -u
fuzz_build=$(cd "${1:?fuzz build dir}" && pwd)
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
passed=0; failed=0
for target in "$fuzz_build"/tests/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus="$fuzz_build/corpus/$name"
  mkdir -p "$corpus"
  seeds="$root/tests/fuzz/seeds/${name#fuzz_}"
  [ -d "$seeds" ] && cp -n "$seeds"/* "$corpus"/ 2>/dev/null
  log="$fuzz_build/$name.log"
  if (cd "$fuzz_build" && "$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 "$corpus" >"$log" 2>&1); then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1)
    echo "$name: ${runs:-?} executions, ${cov:-cov: ?}, no finding"
    passed=$((passed + 1))
  else
    echo "$name: FINDING, see $log"; tail -30 "$log"
    failed=$((failed + 1))
  fi
done
echo "fuzz: $passed passed, $failed failed"
