#!/usr/bin/env bash
# The test prefixes' sound device: a PulseAudio server of their own with one
# null sink, which takes samples on the wall clock whatever the Wine, and a
# recorder of that sink's monitor. tools/wine-env.sh exports PULSE_RUNTIME_PATH
# and PULSE_SERVER and starts the server; tools/with-display.sh records while
# its command runs and stops both at the end.
# Usage: tools/sound-server.sh start | stop | record FILE
#   start   starts the server unless it already answers (it also ends by itself
#           a minute after its last client has gone)
#   stop    ends the server
#   record  appends the sink's sound to FILE as raw float32 little-endian,
#           2 channels, 48000 Hz, until it is ended; emptying FILE starts it afresh
set -u
: "${PULSE_RUNTIME_PATH:?tools/wine-env.sh sets it}" "${PULSE_SERVER:?tools/wine-env.sh sets it}"
socket=${PULSE_SERVER#unix:}

answers() { pactl info >/dev/null 2>&1; }

case "${1:-}" in
  start)
    answers && exit 0
    mkdir -p "$PULSE_RUNTIME_PATH"
    chmod 700 "$PULSE_RUNTIME_PATH"
    rm -f "$socket"
    cat >"$PULSE_RUNTIME_PATH/server.pa" <<PA
load-module module-native-protocol-unix socket=$socket auth-anonymous=1
load-module module-null-sink sink_name=capture rate=48000 format=float32le channels=2
set-default-sink capture
PA
    # Its own configuration only (-n -F), no session bus, no cookie to share;
    # as root it warns and goes on, which is all a test server needs.
    HOME="$PULSE_RUNTIME_PATH" pulseaudio -n -F "$PULSE_RUNTIME_PATH/server.pa" --daemonize=yes \
      --use-pid-file=yes --exit-idle-time=60 --disallow-exit=no --log-target=file:"$PULSE_RUNTIME_PATH/log" \
      </dev/null >/dev/null 2>&1
    for _ in $(seq 50); do answers && exit 0; sleep 0.1; done
    echo "sound-server: PulseAudio did not start at $socket:" >&2
    cat "$PULSE_RUNTIME_PATH/log" >&2 2>/dev/null
    exit 1
    ;;
  stop)
    answers && pactl exit >/dev/null 2>&1
    for _ in $(seq 30); do answers || exit 0; sleep 0.1; done
    ;;
  record)
    file=${2:?file}
    # Appending: a reader that empties the file has the next sound written from its start.
    exec parec --device=capture.monitor --raw --format=float32le --channels=2 --rate=48000 \
      --latency-msec=20 >>"$file" 2>/dev/null </dev/null
    ;;
  *)
    echo "usage: $0 start | stop | record FILE" >&2
    exit 2
    ;;
esac
