#!/usr/bin/env bash
# Runs every test tier and ends with one summary line per tier:
#   <tier>: N passed, M failed
# then "flaky: K (names)" for the tests that passed only on their retry (not
# counted as passed), and the seconds each tier took.
# Exits non-zero when a tier fails or runs no test.
# VEXMOOR_TIERS (names, by spaces) runs only those tiers; VEXMOOR_TIER_MARK is
# put after each tier's name in the summary (make test-wine10: " (wine 10)").
set -u
build=$(cd "${1:-build}" && pwd)
root=$(cd "$(dirname "$0")/.." && pwd)
logs="$build/logs"
mkdir -p "$logs"
rm -f "$logs/win.result"
summaries=()
flaky=()
timings=()
status=0
tier_started=$SECONDS
wanted() { [[ " ${VEXMOOR_TIERS:-$1} " == *" $1 "* ]]; }

record() {  # tier passed failed [flaky names...]
  local tier=$1 passed=$2 failed=$3
  shift 3
  summaries+=("$tier${VEXMOOR_TIER_MARK:-}: $passed passed, $failed failed")
  flaky+=("$@")
  timings+=("$tier $((SECONDS - tier_started))s")
  tier_started=$SECONDS
  if [ "$failed" != 0 ] || [ $((passed + $#)) = 0 ]; then status=1; fi
}

# Runs a GoogleTest program and records its counts; a crash counts as a failure.
# In the win tier a test that fails runs once more: Wine's media threads and a
# busy machine make the platform's timings and footprints vary now and then. A
# test that passes only then is flaky, not passed. A run that crashed (no
# closing line of GoogleTest) is not retried. The first failure stays in the
# log, announced as RETRY.
gtest_tier() {
  local tier=$1; shift
  local failed_line='\[  FAILED  \] \([A-Za-z0-9_/]*\.[A-Za-z0-9_/]*\)\(, where .*\)\{0,1\} ([0-9]* ms)$'
  local log="$logs/$tier.log"
  "$@" --gtest_brief=1 >"$log" 2>&1
  local rc=$?
  tr -d '\r' <"$log" >"$log.txt"
  local passed failed failures finished retried=()
  passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\{0,1\}\..*/\1/p' "$log.txt" | tail -1)
  # A typed or parameterised test's line names its type or value after the name:
  # "[  FAILED  ] MediaEngine/1.Plays, where TypeParam = ... (12 ms)".
  failures=$(sed -n "s/^$failed_line/\1/p" "$log.txt")
  finished=$(grep -c '^\[==========\] [0-9]* tests\{0,1\} from .* ran\.' "$log.txt")
  failed=$(printf '%s' "$failures" | grep -c .)
  passed=${passed:-0}; failed=${failed:-0}
  if [ "$tier" = win ] && [ "$rc" != 0 ] && [ "$finished" != 0 ] && [ "$failed" != 0 ] && [ "$failed" -le 3 ]; then
    echo "RETRY $tier: $(echo $failures)"
    grep -B8 "^$failed_line" "$log.txt" | tail -30
    "$@" --gtest_brief=1 --gtest_filter="$(echo $failures | tr ' ' ':')" >"$log.retry" 2>&1
    rc=$?
    tr -d '\r' <"$log.retry" >>"$log.txt"
    if [ "$rc" = 0 ]; then retried=($failures); failed=0; fi
  fi
  if [ "$rc" != 0 ] && [ "$failed" = 0 ]; then failed=1; fi
  if [ "$failed" != 0 ]; then echo "--- $tier failed (exit $rc), last lines of $log:"; tail -40 "$log.txt"; fi
  record "$tier" "$passed" "$failed" "${retried[@]}"
}

# A folder in which nothing can be created or changed, even by root.
readonly_folder=$("$root/tools/readonly-folder.sh" "$build")
trap 'chattr -i "$readonly_folder" 2>/dev/null' EXIT

# The second e2e worker's Wine prefix is made while the first tiers run.
( wanted e2e && . "$root/tools/wine-env.sh" "$build" 1 ) >/dev/null 2>&1 </dev/null &
second_prefix=$!
# The fuzz targets need the processors only, while the Wine tiers mostly wait.
if wanted fuzz; then
  "$root/tools/run-fuzz.sh" "$build/fuzz" 5 >"$logs/fuzz.log" 2>&1 </dev/null &
  fuzz_runs=$!
fi

if wanted unit-native; then
  echo "== unit-native"
  export VEXMOOR_READONLY_FOLDER="$readonly_folder"
  gtest_tier unit-native "$build/native/tests/unit/vexmoor_unit_tests"
fi

echo "== Wine environment"
. "$root/tools/wine-env.sh" "$build"
wine "$build/win/tests/win/print_code_page.exe" >"$logs/codepage.txt" 2>/dev/null
codepage=$(tr -d '\r\n' <"$logs/codepage.txt")
if [ "$codepage" != 932 ]; then
  echo "Wine's ANSI code page is '$codepage', not 932: the ja_JP.UTF-8 locale is missing or not in use." >&2
  record unit-wine 0 1
else
  export VEXMOOR_READONLY_FOLDER="Z:${readonly_folder//\//\\}"
  if wanted unit-wine; then
    echo "== unit-wine"
    gtest_tier unit-wine wine "$build/win/tests/unit/vexmoor_unit_tests.exe"
  fi
  if wanted unit-wine-utf8; then
    echo "== unit-wine-utf8"
    # The same tests with the UTF-8 code page the player's manifest asks for.
    gtest_tier unit-wine-utf8 wine "$build/win/tests/unit/vexmoor_unit_tests_utf8.exe"
  fi
  win_tier=
  if wanted win && [ -f "$build/win/tests/win/vexmoor_win_tests.exe" ]; then
    echo "== win (beside the e2e tier)"
    "$root/tools/make-test-media.sh" "$build/media"
    export VEXMOOR_TEST_MEDIA="$build/media"
    # The window classes' tests open windows: they need a display. Like the
    # e2e tier, this one mostly waits for sound and windows, so it runs beside
    # it, in a third prefix on a third display, and hands its result back
    # through a file.
    (
      . "$root/tools/wine-env.sh" "$build" 2 >/dev/null 2>&1 </dev/null
      export VEXMOOR_E2E_DISPLAY=$((${VEXMOOR_E2E_DISPLAY:-91} + 2))
      started=$SECONDS
      record() { shift; echo "$((SECONDS - started)) $*" >"$logs/win.result"; }
      gtest_tier win "$root/tools/with-display.sh" wine "$build/win/tests/win/vexmoor_win_tests.exe"
    ) >"$logs/win.out" 2>&1 </dev/null &
    win_tier=$!
  fi
  if wanted e2e && [ -x "$root/tests/e2e/run.sh" ]; then
    echo "== e2e"
    wait "$second_prefix"
    # Output goes to a file: Wine's helper processes outlive the run and would hold a pipe open.
    "$root/tests/e2e/run.sh" "$build" >"$logs/e2e.log" 2>&1
    e2e_out=$(tail -1 "$logs/e2e.log" | tr -d '\r')
    passed=$(echo "$e2e_out" | sed -n 's/^e2e: \([0-9]*\) passed, \([0-9]*\) failed$/\1/p')
    failed=$(echo "$e2e_out" | sed -n 's/^e2e: \([0-9]*\) passed, \([0-9]*\) failed$/\2/p')
    e2e_flaky=$(tr -d '\r' <"$logs/e2e.log" | sed -n 's/^flaky: [0-9]*//p' | tail -1)
    [ -n "$passed" ] || { tail -40 "$logs/e2e.log"; passed=0; failed=1; }
    [ "$failed" = 0 ] || grep -E '^(FAIL|  )' "$logs/e2e.log" | tail -40
    record e2e "$passed" "$failed" $e2e_flaky
    tr -d '\r' <"$logs/e2e.log" | grep '^SKIP '
  fi
  if [ -n "$win_tier" ]; then
    wait "$win_tier"
    cat "$logs/win.out"
    win_seconds=0; passed=0; failed=1; win_flaky=
    [ -f "$logs/win.result" ] && read -r win_seconds passed failed win_flaky <"$logs/win.result"
    record win "$passed" "$failed" $win_flaky
    timings[${#timings[@]}-1]="win ${win_seconds}s beside e2e"
  fi
fi
wait "$second_prefix"
for prefix in "$build/wineprefix" "$build/wineprefix-1" "$build/wineprefix-2"; do
  WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
  WINEPREFIX="$prefix" wineserver -w >/dev/null 2>&1 || true
done
"$root/tools/sound-server.sh" stop


# A newcomer's first command: make run without a display, from a stopped Wine
# server, leaves a screenshot of the bar with its margin.
if wanted run; then
  echo "== run"
  rm -f "$build/screenshot.png"
  env -u DISPLAY make -C "$root" --no-print-directory run BUILD="$build" >"$logs/run.log" 2>&1
  shot_size=$(identify -format '%m %wx%h' "$build/screenshot.png" 2>/dev/null)
  if [ "$shot_size" = 'PNG 304x58' ]; then
    record run 1 0
  else
    echo "--- make run left '${shot_size:-no screenshot}', not a 304x58 PNG; its output:"
    tail -20 "$logs/run.log"
    record run 0 1
  fi
fi

if wanted fuzz; then
  echo "== fuzz (short runs, from the start)"
  wait "$fuzz_runs"
  fuzz_out=$(tail -1 "$logs/fuzz.log")
  passed=$(echo "$fuzz_out" | sed -n 's/^fuzz: \([0-9]*\) passed, \([0-9]*\) failed$/\1/p')
  failed=$(echo "$fuzz_out" | sed -n 's/^fuzz: \([0-9]*\) passed, \([0-9]*\) failed$/\2/p')
  [ -n "$passed" ] || { tail -20 "$logs/fuzz.log"; passed=0; failed=1; }
  record fuzz "$passed" "$failed"
  timings[${#timings[@]}-1]="fuzz beside the rest"
fi

echo
for line in "${summaries[@]}"; do echo "$line"; done
echo "flaky: ${#flaky[@]}${flaky:+ (${flaky[*]})}"
(IFS=,; echo "time: ${timings[*]}" | sed 's/,/, /g')
exit $status
