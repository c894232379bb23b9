#!/usr/bin/env bash
# Makes the sound files that the Windows tests cannot write themselves (MP3),
# once, into the folder given: tools/make-test-media.sh BUILD/media
set -euo pipefail
media=${1:?media folder}
mkdir -p "$media"
if [ ! -s "$media/tone.mp3" ]; then
  sox -q -n -r 44100 -c 2 -b 16 "$media/tone.wav" synth 0.4 sine 440 vol 0.5
  lame --quiet -b 128 "$media/tone.wav" "$media/tone.mp3.part"
  mv "$media/tone.mp3.part" "$media/tone.mp3"
  rm -f "$media/tone.wav"
fi
