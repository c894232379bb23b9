#!/usr/bin/env bash
# Runs every benchmark program of the plain build: tools/run-bench.sh BUILD
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
status=0
for bench in "$build"/plain/tests/bench/*_bench; do
  [ -x "$bench" ] || continue
  echo "== $(basename "$bench")"
  "$bench" || status=1
done
exit $status
