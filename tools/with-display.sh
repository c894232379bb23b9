#!/usr/bin/env bash
# Runs a command on a private virtual display (Xvfb), for tests whose Wine
# programs open windows, while the prefix's sound server is recorded to
# $VEXMOOR_CAPTURE_DIR/out.raw; the command's exit code is returned.
# Usage (with tools/wine-env.sh sourced): tools/with-display.sh COMMAND [ARG ...]
# The display number is VEXMOOR_E2E_DISPLAY (default 91).
set -u
display=":${VEXMOOR_E2E_DISPLAY:-91}"
log=$(mktemp)

# Wine's desktop process keeps the display it was started with: start the
# prefix's Wine server afresh, on this display.
wineserver -k >/dev/null 2>&1
wineserver -w

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$log" 2>&1 &
xvfb_pid=$!
recorder_pid=
sound_server="$(dirname "$0")/sound-server.sh"
cleanup() {
  wineserver -k >/dev/null 2>&1
  kill "$xvfb_pid" $recorder_pid 2>/dev/null
  wait "$xvfb_pid" $recorder_pid 2>/dev/null
  "$sound_server" stop
  rm -f "$log"
}
trap cleanup EXIT

export DISPLAY="$display"
ready=0
for _ in $(seq 50); do
  if ! kill -0 "$xvfb_pid" 2>/dev/null; then break; fi
  if xdotool getmouselocation >/dev/null 2>&1; then ready=1; break; fi
  sleep 0.1
done
if [ "$ready" != 1 ]; then
  echo "with-display: Xvfb could not start on $display (is the display taken?)" >&2
  cat "$log" >&2
  exit 1
fi
capture="$VEXMOOR_CAPTURE_DIR/out.raw"
"$sound_server" start || exit 1
: >"$capture"
"$sound_server" record "$capture" &
recorder_pid=$!
# The sink's monitor yields silence while nothing plays: a file that grows is a recorder that listens.
for _ in $(seq 100); do [ -s "$capture" ] && break; sleep 0.1; done
[ -s "$capture" ] || { echo "with-display: nothing is recorded from the sound server" >&2; exit 1; }
wineserver -p >/dev/null 2>&1
# The first Wine program starts Wine's background services, which keep the
# output it was given: let that be nothing a test reads from.
wine cmd.exe /c exit >/dev/null 2>&1 </dev/null
"$@"
