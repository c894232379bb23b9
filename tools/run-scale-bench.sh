#!/usr/bin/env bash
# The player against another build of it (by default the one before the bar
# followed the display's scale) in the same run, at 100 % and at 150 %: time
# from the start to the first window (median and fastest of
# VEXMOOR_SCALE_BENCH_ROUNDS starts, seven by default) and private
# memory at rest, read from the Linux side; and the size of both programs.
# Usage: tools/run-scale-bench.sh BUILD OTHER_EXE   (prints a Markdown table)
set -u
build=$(cd "${1:?build dir}" && pwd)
other=$(cd "$(dirname "${2:?the exe to compare with}")" && pwd)/$(basename "$2")
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/tools/wine-env.sh" "$build" scale
if [ -z "${VEXMOOR_SCALE_BENCH_ON_DISPLAY:-}" ]; then
  export VEXMOOR_SCALE_BENCH_ON_DISPLAY=1 VEXMOOR_E2E_DISPLAY=${VEXMOOR_E2E_DISPLAY:-95}
  exec "$root/tools/with-display.sh" "$0" "$@"
fi
exe="$build/win/vexmoor.exe"
rounds=${VEXMOOR_SCALE_BENCH_ROUNDS:-7}
work=$(mktemp -d "$build/scale-bench.XXXXXX")
trap 'wineserver -k; rm -rf "$work"' EXIT
printf 'TopMode=1\n' >"$work/tovik.def"
xdotool mousemove 0 0

# Process id on the Linux side of the newest program started as the path $1
# (not the launcher, whose command line names it too).
unix_pid() { pgrep -n -f "^$(echo "$1" | tr '/' '.')" ; }
private_kb() { awk '/^Private_(Clean|Dirty):/ {sum += $2} END {print sum}' "/proc/$1/smaps_rollup"; }
# Written pages alone: the heap and the pictures, without the font files read.
dirty_kb() { awk '/^Private_Dirty:/ {print $2}' "/proc/$1/smaps_rollup"; }
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }'; }
start() {
  (cd "$work" && wine "$build/win/bench/win/launch.exe" "$1" >"$work/launch.txt" 2>&1)
  sed -n 's/^window_ms=\([0-9.]*\).*/\1/p' "$work/launch.txt" | tr -d '\r'
}
stop() { kill "$(unix_pid "$1")" 2>/dev/null; sleep 1; }

echo "| scale | figure | this build | other build | ratio |"
echo "|---|---|---|---|---|"
for dpi in 96 144; do
  # Wine reads the resolution when its server starts.
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $dpi /f >/dev/null 2>&1
  wineserver -k; wineserver -w
  wine "$build/win/tests/e2e/vexmoor_probe.exe" hold >/dev/null 2>&1 </dev/null &
  sleep 2
  declare -A times memory dirty
  # Alternated, each first in turn, so that a busy moment of the machine and
  # the cost of starting first fall on both alike.
  for round in $(seq "$rounds"); do
    order=("$exe" "$other")
    [ $((round % 2)) = 0 ] && order=("$other" "$exe")
    for program in "${order[@]}"; do
      times[$program]+="$(start "$program") "
      stop "$program"
    done
  done
  for program in "$exe" "$other"; do
    start "$program" >/dev/null; sleep 3
    pid=$(unix_pid "$program")
    memory[$program]=$(private_kb "$pid")
    dirty[$program]=$(dirty_kb "$pid")
    stop "$program"
  done
  mine=$(echo ${times[$exe]} | tr ' ' '\n' | median); theirs=$(echo ${times[$other]} | tr ' ' '\n' | median)
  echo "| $((dpi * 100 / 96)) % | time to the window, median of $rounds (ms) | $mine | $theirs | $(ratio "$mine" "$theirs") |"
  # What a busy moment of the machine only ever adds to: the fastest start of each.
  mine=$(echo ${times[$exe]} | tr ' ' '\n' | sort -n | head -1); theirs=$(echo ${times[$other]} | tr ' ' '\n' | sort -n | head -1)
  echo "| $((dpi * 100 / 96)) % | time to the window, fastest of $rounds (ms) | $mine | $theirs | $(ratio "$mine" "$theirs") |"
  echo "| $((dpi * 100 / 96)) % | private memory at rest (kB) | ${memory[$exe]} | ${memory[$other]} | $(ratio "${memory[$exe]}" "${memory[$other]}") |"
  echo "| $((dpi * 100 / 96)) % | of which written (kB) | ${dirty[$exe]} | ${dirty[$other]} | $(ratio "${dirty[$exe]}" "${dirty[$other]}") |"
  unset times memory dirty
done
echo "| | size of the exe (bytes) | $(stat -c %s "$exe") | $(stat -c %s "$other") | $(ratio "$(stat -c %s "$exe")" "$(stat -c %s "$other")") |"
