#!/usr/bin/env bash
# End-to-end tests: the real vexmoor.exe under Wine on a virtual display,
# driven from outside. The last line is "e2e: N passed, M failed".
# Usage: tests/e2e/run.sh BUILD_DIR [TEST_NAME_PART ...]
# The display number is VEXMOOR_E2E_DISPLAY (default 91).
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

. "$root/tools/wine-env.sh" "$build"
scratch="$build/e2e-scratch"
rm -rf "$scratch"
mkdir -p "$scratch"
export VEXMOOR_E2E_SCRATCH="$scratch"
"$root/tools/with-display.sh" python3 "$root/tests/e2e/run_tests.py" "$build" "$@"
status=$?
# A display that never came up leaves no summary behind.
[ "$status" = 0 ] || [ "$status" = 1 ] || echo "e2e: 0 passed, 1 failed"
exit "$status"
