#!/usr/bin/env bash
# Makes the sound files that the Windows tests cannot write themselves (MP3,
# FLAC, M4A with AAC, Ogg Vorbis, Opus, and an MP4 with a picture), once, into
# the folder given:
# tools/make-test-media.sh BUILD/media
set -euo pipefail
media=${1:?media folder}
mkdir -p "$media"
tone="$media/tone.wav"
encode() {  # name, encoder and its options
  local name=$1
  shift
  [ -s "$media/$name" ] && return
  [ -s "$tone" ] || sox -q -n -r 44100 -c 2 -b 16 "$tone" synth 0.4 sine 440 vol 0.5
  "$@" "$media/$name.part"
  mv "$media/$name.part" "$media/$name"
}
encode tone.mp3 lame --quiet -b 128 "$tone"
encode tone.flac ffmpeg -v error -y -i "$tone" -c:a flac -f flac
encode tone.m4a ffmpeg -v error -y -i "$tone" -c:a aac -b:a 128k -f ipod
encode tone.ogg ffmpeg -v error -y -i "$tone" -c:a libvorbis -q:a 4 -f ogg
encode tone.opus ffmpeg -v error -y -i "$tone" -c:a libopus -b:a 96k -f ogg
encode clip.mp4 ffmpeg -v error -y -f lavfi -i testsrc=size=160x120:rate=15:duration=1 -f lavfi \
  -i sine=frequency=440:duration=1 -c:v mpeg4 -c:a aac -b:a 96k -f mp4
rm -f "$tone"
