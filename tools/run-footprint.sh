#!/usr/bin/env bash
# Footprint of the running player under Wine, each figure beside its baseline
# measured in the same run:
#   memory of the stopped player vs the bare dialog of the same template;
#   CPU over an idle interval, stopped; CPU over the same interval playing vs a
#   bare DirectShow player of the same file; time to the first window vs the
#   bare dialog; the size of vexmoor.exe.
# Usage: tools/run-footprint.sh BUILD [SECONDS]   (prints a Markdown table)
set -u
build=$(cd "${1:-build}" && pwd)
seconds=${2:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/tools/wine-env.sh" "$build"
work="$build/footprint"
rm -rf "$work"; mkdir -p "$work/music"
exe="$build/win/vexmoor.exe"
tools="$build/win/bench/win"
winpath() { echo "Z:${1//\//\\}"; }

# On a private display, with one hidden window kept open throughout: Wine's
# desktop process otherwise ends between two starts and stalls the next one.
if [ -z "${VEXMOOR_FOOTPRINT_ON_DISPLAY:-}" ]; then
  export VEXMOOR_FOOTPRINT_ON_DISPLAY=1 VEXMOOR_E2E_DISPLAY=${VEXMOOR_FOOTPRINT_DISPLAY:-94}
  exec "$root/tools/with-display.sh" "$0" "$@"
fi
wine "$build/win/tests/e2e/vexmoor_probe.exe" hold >/dev/null 2>&1 </dev/null &
holder=$!
trap 'kill $holder 2>/dev/null' EXIT
# The pointer stays off the bar: Wine polls the mouse with a timer while a
# button tracks a hover, which Windows does not do.
xdotool mousemove 0 0
sleep 1

sox -q -n -r 44100 -c 2 "$work/music/tone.wav" synth $((seconds + 20)) sine 440 vol 0.2
printf 'CurDir=%s\nTopMode=1\n' "$(winpath "$work/music")" >"$work/tovik.def"

# Process id on the Linux side of the newest of this build's programs named $1;
# "." in the pattern stands for either separator of the Unix or Windows path.
build_pattern=$(echo "$build" | tr '/' '.')
unix_pid() { pgrep -n -f "$build_pattern.*$1" ; }
private_kb() { awk '/^Private_(Clean|Dirty):/ {sum += $2} END {print sum}' "/proc/$1/smaps_rollup"; }
rss_kb() { awk '/^Rss:/ {print $2}' "/proc/$1/smaps_rollup"; }
# CPU time of a process in milliseconds.
cpu_ms() {
  local ticks=$(getconf CLK_TCK)
  awk -v t="$ticks" '{print ($14 + $15) * 1000 / t}' "/proc/$1/stat"
}

# Starts a program in the work folder; echoes its first-window time in ms.
start() {
  (cd "$work" && wine "$tools/launch.exe" "$@" >"$work/launch.txt" 2>&1)
  sed -n 's/^window_ms=\([0-9.]*\).*/\1/p' "$work/launch.txt" | tr -d '\r'
}
stop_all() { pkill -f "$build_pattern.*(vexmoor|bare_dialog|bare_player).exe" 2>/dev/null; sleep 2; }

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }'; }

startup_times() {  # program args... -> median of five starts
  for _ in 1 2 3 4 5; do start "$@"; stop_all; done | median
}

# CPU over the interval, for an already started program matched by $1.
idle_cpu() {
  local pid before after
  pid=$(unix_pid "$1")
  before=$(cpu_ms "$pid")
  sleep "$seconds"
  after=$(cpu_ms "$pid")
  awk -v a="$after" -v b="$before" 'BEGIN {printf "%.0f", a - b}'
}

tone=$(winpath "$work/music/tone.wav")
player_start=$(startup_times "$exe")
dialog_start=$(startup_times "$tools/bare_dialog.exe")
graph_start=$(startup_times "$tools/bare_player.exe" --stopped "$tone")

start "$exe" >/dev/null; sleep 2
player_pid=$(unix_pid vexmoor.exe)
player_private=$(private_kb "$player_pid"); player_rss=$(rss_kb "$player_pid")
player_idle_cpu=$(idle_cpu vexmoor.exe)
stop_all
start "$tools/bare_dialog.exe" >/dev/null; sleep 2
dialog_pid=$(unix_pid bare_dialog.exe)
dialog_private=$(private_kb "$dialog_pid"); dialog_rss=$(rss_kb "$dialog_pid")
dialog_idle_cpu=$(idle_cpu bare_dialog.exe)
stop_all
start "$tools/bare_player.exe" --stopped "$tone" >/dev/null; sleep 2
graph_pid=$(unix_pid bare_player.exe)
graph_private=$(private_kb "$graph_pid"); graph_rss=$(rss_kb "$graph_pid")
graph_idle_cpu=$(idle_cpu bare_player.exe)
stop_all

start --play "$exe" >/dev/null; sleep 2
player_play_cpu=$(idle_cpu vexmoor.exe)
stop_all
start "$tools/bare_player.exe" "$tone" >/dev/null; sleep 2
bare_play_cpu=$(idle_cpu bare_player.exe)
stop_all

size=$(stat -c %s "$exe")
cat <<TABLE
| figure | Vexmoor | baseline | ratio or difference |
|---|---|---|---|
| private memory, stopped (kB) | $player_private | $dialog_private (bare dialog) | +$((player_private - dialog_private)) kB |
| private memory, stopped (kB) | $player_private | $graph_private (bare stopped graph) | +$((player_private - graph_private)) kB |
| resident set, stopped (kB) | $player_rss | $dialog_rss (bare dialog) | +$((player_rss - dialog_rss)) kB |
| resident set, stopped (kB) | $player_rss | $graph_rss (bare stopped graph) | +$((player_rss - graph_rss)) kB |
| CPU over ${seconds} s stopped (ms) | $player_idle_cpu | $dialog_idle_cpu (bare dialog), $graph_idle_cpu (bare stopped graph) | |
| CPU over ${seconds} s playing (ms) | $player_play_cpu | $bare_play_cpu (bare DirectShow player) | $(ratio "$player_play_cpu" "$bare_play_cpu") |
| time to the window, median of 5 (ms) | $player_start | $dialog_start (bare dialog) | $(ratio "$player_start" "$dialog_start") |
| time to the window, median of 5 (ms) | $player_start | $graph_start (bare stopped graph) | $(ratio "$player_start" "$graph_start") |
| size of vexmoor.exe (bytes) | $size | 1048576 (1 MiB) | $(ratio "$size" 1048576) |
TABLE
