#!/usr/bin/env bash
# End-to-end tests: the real vexmoor.exe under Wine on a virtual display,
# driven from outside. The last line is "e2e: N passed, M failed".
# Usage: tests/e2e/run.sh BUILD_DIR [TEST_NAME_PART ...]
# The display number is VEXMOOR_E2E_DISPLAY (default 91).
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:?build dir}" && pwd)
shift
display=":${VEXMOOR_E2E_DISPLAY:-91}"

for needed in "$build/win/vexmoor.exe" "$build/win/tests/e2e/vexmoor_probe.exe"; do
  if [ ! -f "$needed" ]; then
    echo "FAIL setup: $needed is missing; run make windows first"
    echo "e2e: 0 passed, 1 failed"
    exit 1
  fi
done
for tool in Xvfb xdotool import python3 wine; do
  if ! command -v "$tool" >/dev/null; then
    echo "FAIL setup: $tool is not installed (tools/install-deps.sh installs it)"
    echo "e2e: 0 passed, 1 failed"
    exit 1
  fi
done

. "$root/tools/wine-env.sh" "$build"
# Wine's desktop process keeps the display it was started with: start afresh on ours.
wineserver -k >/dev/null 2>&1
wineserver -w

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$build/logs-xvfb.txt" 2>&1 &
xvfb_pid=$!
scratch="$build/e2e-scratch"
cleanup() {
  wineserver -k >/dev/null 2>&1
  kill "$xvfb_pid" 2>/dev/null
  wait "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT

export DISPLAY="$display"
socket="/tmp/.X11-unix/X${display#:}"
for _ in $(seq 50); do
  [ -S "$socket" ] && xdotool getmouselocation >/dev/null 2>&1 && break
  if ! kill -0 "$xvfb_pid" 2>/dev/null; then
    echo "FAIL setup: Xvfb could not start on $display (is the display taken?)"
    cat "$build/logs-xvfb.txt"
    echo "e2e: 0 passed, 1 failed"
    exit 1
  fi
  sleep 0.1
done
wineserver -p >/dev/null 2>&1
# The first Wine program starts Wine's background services, which keep the
# output it was given: let that be nothing the tests read from.
wine "$build/win/tests/e2e/vexmoor_probe.exe" count >/dev/null 2>&1 </dev/null

rm -rf "$scratch"
mkdir -p "$scratch"
export VEXMOOR_E2E_SCRATCH="$scratch"
python3 "$root/tests/e2e/run_tests.py" "$build" "$@"
