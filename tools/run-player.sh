#!/usr/bin/env bash
# Starts the player under Wine (called by `make run`).
# Usage: tools/run-player.sh BUILD_DIR [MUSIC_FOLDER]
#
# The player runs in BUILD_DIR/run, where it keeps its "tovik.def". A MUSIC_FOLDER
# becomes its music root; without one, the first run gets a small demo folder of
# generated sounds. With a display ($DISPLAY) the player opens there and this
# script returns when it is left through its exit button. Without one it runs on
# a virtual display, a screenshot is saved to BUILD_DIR/screenshot.png, and the
# player is left again. VEXMOOR_RUN_DISPLAY picks that virtual display's number
# (default: the first free one).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?build dir}" && pwd)
music=${2:-}
exe="$build/win/vexmoor.exe"
probe="$build/win/tests/e2e/vexmoor_probe.exe"
run="$build/run"
settings="$run/tovik.def"

[ -f "$exe" ] || { echo "run-player: $exe is missing; make run builds it" >&2; exit 1; }
mkdir -p "$run"

# A Linux path as the player reads it: drive Z:, backslashes, the Japanese code page.
windows_path() { printf 'Z:%s' "$1" | tr '/' '\\' | iconv -f UTF-8 -t CP932; }

# Makes FOLDER the music root; the other settings stay as they were. The file
# stays in the Japanese code page while everything in it fits, and is written
# as UTF-8 behind a byte-order mark otherwise, as the player itself saves it.
set_music_root() {
  python3 - "$settings" "$1" <<'PY'
import os, sys
settings, folder = sys.argv[1], sys.argv[2]
mark = b"\xef\xbb\xbf"
lines = []
if os.path.exists(settings):
    data = open(settings, "rb").read()
    text = data[3:].decode("utf-8", "replace") if data.startswith(mark) else data.decode("cp932", "replace")
    lines = [l for l in text.split("\n") if l and not l.startswith(("CurDir=", "SubDir=", "LastFile="))]
text = "".join(l + "\n" for l in ["CurDir=Z:" + folder.replace("/", "\\")] + lines)
try:
    data = text.encode("cp932")
except UnicodeEncodeError:
    data = mark + text.encode("utf-8")
open(settings + ".new", "wb").write(data)
os.replace(settings + ".new", settings)
PY
}

# A few seconds of sound per file: two folders (groups), a playlist, two files of the root itself.
make_demo_music() {
  local demo="$1"
  rm -rf "$demo"
  mkdir -p "$demo/朝 Morning" "$demo/Evening"
  note() { sox -q -n -r 44100 -c 2 "$1" synth 3 pluck "$2" pluck "$3" pluck "$4" fade 0 3 1.2 gain -4; }
  note "$demo/01 welcome.wav" C4 E4 G4
  note "$demo/02 bar.wav" D4 F4 A4
  note "$demo/朝 Morning/sunrise.wav" E4 G4 B4
  note "$demo/朝 Morning/tea.wav" F4 A4 C5
  note "$demo/Evening/dusk.wav" A3 C4 E4
  note "$demo/Evening/lamps.wav" G3 B3 D4
  note "$demo/Evening/stars.wav" C3 G3 E4
  {
    windows_path "$demo/Evening/stars.wav"; printf '\r\n'
    windows_path "$demo/01 welcome.wav"; printf '\r\n'
  } >"$demo/favourites.m3u"
}

if [ -n "$music" ]; then
  [ -d "$music" ] || { echo "run-player: $music is not a folder" >&2; exit 1; }
  set_music_root "$(cd "$music" && pwd)"
  echo "Music root: $(cd "$music" && pwd)"
elif [ ! -f "$settings" ]; then
  make_demo_music "$build/demo-music"
  set_music_root "$build/demo-music"
  echo "First run: demo music in $build/demo-music (make run MUSIC=/your/folder plays your own)"
fi

user_home=${HOME:-}
xvfb_pid=""
player_pid=""
cleanup() {
  [ -z "$player_pid" ] || kill "$player_pid" 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then
    # Nothing of this run stays behind on a display that is about to go away.
    wineserver -k >/dev/null 2>&1 || true
    kill "$xvfb_pid" 2>/dev/null || true
  fi
}
trap cleanup EXIT

# Without a display the player runs on a virtual one, started before anything of Wine.
if [ -z "${DISPLAY:-}" ]; then
  xvfb_log="$build/run-xvfb.log"
  if [ -n "${VEXMOOR_RUN_DISPLAY:-}" ]; then
    Xvfb ":$VEXMOOR_RUN_DISPLAY" -screen 0 1024x768x24 -nolisten tcp >"$xvfb_log" 2>&1 &
    xvfb_pid=$!
    display=":$VEXMOOR_RUN_DISPLAY"
  else
    number_file="$build/run-display"
    rm -f "$number_file"
    Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp >"$number_file" 2>"$xvfb_log" &
    xvfb_pid=$!
    for _ in $(seq 50); do [ -s "$number_file" ] && break; sleep 0.1; done
    display=":$(head -1 "$number_file" 2>/dev/null)"
  fi
  export DISPLAY="$display"
  for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
  echo "No display: running the player on the virtual display $DISPLAY."
fi

# Wine's desktop keeps the display its server was started with, which may be
# a test's display that is gone by now: the prefix's server starts afresh on this one.
WINEPREFIX="$build/wineprefix" wineserver -k >/dev/null 2>&1 || true
WINEPREFIX="$build/wineprefix" wineserver -w >/dev/null 2>&1 || true
. "$root/tools/wine-env.sh" "$build"

if [ -z "$xvfb_pid" ]; then
  # The user's own home and sound server: the player plays to the speakers, not into the test capture.
  export HOME="$user_home"
  unset PULSE_SERVER PULSE_RUNTIME_PATH
  echo "Starting the player on $DISPLAY; leave it with its exit button (the left-most one)."
  cd "$run"
  status=0
  wine "$exe" || status=$?
  # The exit button ends the player with code 1.
  [ "$status" = 1 ] || [ "$status" = 0 ] || exit "$status"
  exit 0
fi

[ -f "$probe" ] || { echo "run-player: $probe is missing; make run builds it" >&2; exit 1; }
(cd "$run" && exec wine "$exe" >"$build/run-player.log" 2>&1) &
player_pid=$!
if ! wine "$probe" wait 30 >/dev/null 2>&1; then
  echo "run-player: the player window did not appear (see $build/run-player.log)" >&2
  exit 1
fi
sleep 1
read -r x y w h < <(wine "$probe" state 2>/dev/null | tr -d '\r' | sed -n 's/^window //p')
margin=12
import -window root -crop "$((w + 2 * margin))x$((h + 2 * margin))+$((x - margin))+$((y - margin))" +repage \
  "$build/screenshot.png"
echo "Screenshot of the running player saved to $build/screenshot.png"
# Leave the player as a user would, through its exit button, which saves its settings.
wine "$probe" post 273 1 0 >/dev/null 2>&1 || true
wait "$player_pid" || true
player_pid=""
