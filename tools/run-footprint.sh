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
tools="$build/win/tests/bench/win"
winpath() { echo "Z:${1//\//\\}"; }

display=${VEXMOOR_FOOTPRINT_DISPLAY:-94}
Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$display"
trap 'kill $xvfb 2>/dev/null; wineserver -k 2>/dev/null' EXIT
sleep 1

sox -q -n -r 44100 -c 2 "$work/music/tone.wav" synth $((seconds + 20)) sine 440 vol 0.2
printf 'CurDir=%s\nTopMode=1\n' "$(winpath "$work/music")" >"$work/tovik.def"

# Process id on the Linux side of the newest process whose command line names $1.
unix_pid() { pgrep -n -f "$1" ; }
private_kb() { awk '/^Private_(Clean|Dirty):/ {sum += $2} END {print sum}' "/proc/$1/smaps_rollup"; }
rss_kb() { awk '/^Rss:/ {print $2}' "/proc/$1/smaps_rollup"; }
# CPU time in milliseconds of a process and of the Wine server that works for it.
cpu_ms() {
  local ticks=$(getconf CLK_TCK)
  awk -v t="$ticks" '{print ($14 + $15) * 1000 / t}' "/proc/$1/stat"
}
server_pid() { pgrep -n -x wineserver64 || pgrep -n wineserver; }

# Starts a program in the work folder; echoes its first-window time in ms.
start() {
  (cd "$work" && wine "$tools/launch.exe" "$@" >"$work/launch.txt" 2>&1)
  sed -n 's/^window_ms=\([0-9.]*\).*/\1/p' "$work/launch.txt" | tr -d '\r'
}
stop_all() { pkill -f 'vexmoor.exe|bare_dialog.exe|bare_player.exe' 2>/dev/null; sleep 1; }

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }'; }

startup_times() {  # program args... -> median of five starts
  for _ in 1 2 3 4 5; do start "$@"; stop_all; done | median
}

# Idle CPU over the interval, for an already started program matched by $1.
idle_cpu() {
  local pid server before after sbefore safter
  pid=$(unix_pid "$1"); server=$(server_pid)
  before=$(cpu_ms "$pid"); sbefore=$(cpu_ms "$server")
  sleep "$seconds"
  after=$(cpu_ms "$pid"); safter=$(cpu_ms "$server")
  awk -v a="$after" -v b="$before" -v c="$safter" -v d="$sbefore" 'BEGIN {printf "%.0f %.0f", a - b, c - d}'
}

player_start=$(startup_times "$exe")
dialog_start=$(startup_times "$tools/bare_dialog.exe")

start "$exe" >/dev/null; sleep 2
player_pid=$(unix_pid vexmoor.exe)
player_private=$(private_kb "$player_pid"); player_rss=$(rss_kb "$player_pid")
read -r player_idle_cpu player_idle_server <<<"$(idle_cpu vexmoor.exe)"
stop_all
start "$tools/bare_dialog.exe" >/dev/null; sleep 2
dialog_pid=$(unix_pid bare_dialog.exe)
dialog_private=$(private_kb "$dialog_pid"); dialog_rss=$(rss_kb "$dialog_pid")
read -r dialog_idle_cpu dialog_idle_server <<<"$(idle_cpu bare_dialog.exe)"
stop_all

start --play "$exe" >/dev/null; sleep 2
read -r player_play_cpu player_play_server <<<"$(idle_cpu vexmoor.exe)"
stop_all
start "$tools/bare_player.exe" "$(winpath "$work/music/tone.wav")" >/dev/null; sleep 2
read -r bare_play_cpu bare_play_server <<<"$(idle_cpu bare_player.exe)"
stop_all

size=$(stat -c %s "$exe")
cat <<TABLE
| figure | Vexmoor | baseline | ratio or difference |
|---|---|---|---|
| private memory, stopped (kB) | $player_private | $dialog_private (bare dialog) | +$((player_private - dialog_private)) kB |
| resident set, stopped (kB) | $player_rss | $dialog_rss (bare dialog) | +$((player_rss - dialog_rss)) kB |
| CPU over ${seconds} s stopped, process (ms) | $player_idle_cpu | $dialog_idle_cpu (bare dialog) | |
| CPU over ${seconds} s stopped, Wine server (ms) | $player_idle_server | $dialog_idle_server (bare dialog) | |
| CPU over ${seconds} s playing, process (ms) | $player_play_cpu | $bare_play_cpu (bare DirectShow player) | $(ratio "$player_play_cpu" "$bare_play_cpu") |
| CPU over ${seconds} s playing, Wine server (ms) | $player_play_server | $bare_play_server (bare DirectShow player) | $(ratio "$player_play_server" "$bare_play_server") |
| time to the window, median of 5 (ms) | $player_start | $dialog_start (bare dialog) | $(ratio "$player_start" "$dialog_start") |
| size of vexmoor.exe (bytes) | $size | 1048576 (1 MiB) | $(ratio "$size" 1048576) |
TABLE
