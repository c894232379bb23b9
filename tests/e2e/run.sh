#!/usr/bin/env bash
# End-to-end tests: the real vexmoor.exe under Wine on virtual displays,
# driven from outside. Two workers take the test files in turn, each on its
# own display (VEXMOOR_E2E_DISPLAY, default 91, and the next number) with its
# own Wine prefix and a scratch folder under a short temporary folder. Ends
# with "flaky: K (names)" and "e2e: N passed, M failed".
# Usage: tests/e2e/run.sh BUILD_DIR [TEST_NAME_PART ...]
# VEXMOOR_E2E_WORKERS=1 runs every test file in one worker.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:?build dir}" && pwd)
shift

setup_failure() {
  echo "FAIL setup: $1"
  echo "e2e: 0 passed, 1 failed"
  exit 1
}
for needed in "$build/win/vexmoor.exe" "$build/win/tests/e2e/vexmoor_probe.exe"; do
  [ -f "$needed" ] || setup_failure "$needed is missing; run make windows first"
done
for tool in Xvfb xdotool import python3 wine; do
  command -v "$tool" >/dev/null || setup_failure "$tool is not installed (tools/install-deps.sh installs it)"
done

# The track menu lists full paths: a short scratch folder keeps it narrow
# however long the path of the clone is.
work=$(mktemp -d /tmp/vexmoor-e2e.XXXXXX)
trap 'rm -rf "$work"' EXIT
workers=${VEXMOOR_E2E_WORKERS:-2}
display=${VEXMOOR_E2E_DISPLAY:-91}

# The queue of test files, the longest of the last run first (the largest file
# first when there was none), so that no worker is left with a long one at the end.
mkdir "$work/queue"
python3 - "$root/tests/e2e" "$build/logs" "$work/queue" <<'PY'
import glob, os, re, sys
here, logs, queue = sys.argv[1:]
seconds = {}
for log in glob.glob(os.path.join(logs, "e2e-worker*.log")):
    for line in open(log, errors="replace"):
        found = re.match(r"(?:PASS|FLAKY) (test_\w+)\.\w+.*\(([0-9.]+) s\)", line)
        if found:
            seconds[found.group(1)] = seconds.get(found.group(1), 0) + float(found.group(2))
files = [os.path.basename(p) for p in glob.glob(os.path.join(here, "test_*.py"))]
weight = lambda name: seconds.get(name[:-3], os.path.getsize(os.path.join(here, name)) / 100.0)
for rank, name in enumerate(sorted(files, key=weight, reverse=True)):
    open(os.path.join(queue, "%03d-%s" % (rank, name)), "w").close()
PY

mkdir -p "$build/logs"
rm -f "$build/logs"/e2e-worker*.log
pids=()
for worker in $(seq 0 $((workers - 1))); do
  (
    . "$root/tools/wine-env.sh" "$build" "$worker"
    export VEXMOOR_E2E_DISPLAY=$((display + worker))
    export VEXMOOR_E2E_SCRATCH="$work/scratch$worker"
    mkdir -p "$VEXMOOR_E2E_SCRATCH"
    "$root/tools/with-display.sh" python3 "$root/tests/e2e/run_tests.py" "$build" --queue "$work/queue" "$@"
  ) >"$build/logs/e2e-worker$worker.log" 2>&1 </dev/null &
  pids+=($!)
done
# A worker's own exit code says nothing more than its summary: one may find no test of the names given.
wait "${pids[@]}"

passed=0; failed=0; flaky=0; flaky_names=""
for worker in $(seq 0 $((workers - 1))); do
  log="$build/logs/e2e-worker$worker.log"
  echo "-- worker $worker (display $((display + worker)))"
  tr -d '\r' <"$log" | grep -v '^e2e: \|^flaky: '
  summary=$(tr -d '\r' <"$log" | sed -n 's/^e2e: \([0-9]*\) passed, \([0-9]*\) failed$/\1 \2/p' | tail -1)
  # A display that never came up leaves no summary behind.
  [ -n "$summary" ] || summary="0 1"
  passed=$((passed + ${summary% *})); failed=$((failed + ${summary#* }))
  names=$(tr -d '\r' <"$log" | sed -n 's/^flaky: [0-9]*//p' | tail -1)
  flaky=$((flaky + $(echo $names | wc -w))); flaky_names="$flaky_names$names"
done
echo "flaky: $flaky$flaky_names"
echo "e2e: $passed passed, $failed failed"
[ "$failed" = 0 ] && [ $((passed + flaky)) -gt 0 ]
