#!/usr/bin/env bash
# Installs what the build and every test tier need on Debian 12, once.
set -euo pipefail
packages=(
  cmake make g++ clang lld libclang-rt-14-dev googletest libbenchmark-dev
  g++-mingw-w64-x86-64-posix mingw-w64-tools
  wine wine64 xvfb xdotool imagemagick locales fonts-ipafont-gothic
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav sox lame ffmpeg
  libx11-dev python3 valgrind zip pulseaudio pulseaudio-utils debootstrap
  # The fonts most Wine users have (Debian's Wine recommends them), and one for Hangul.
  fonts-liberation
  fonts-liberation2
  fonts-nanum
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  [ "$(id -u)" = 0 ] || { echo "install-deps: run as root to install ${missing[*]}" >&2; exit 1; }
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# Wine takes its ANSI code page from the locale; without ja_JP.UTF-8 it silently uses 1252.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  [ "$(id -u)" = 0 ] || { echo "install-deps: the ja_JP.UTF-8 locale is missing" >&2; exit 1; }
  sed -i 's/^# *ja_JP.UTF-8/ja_JP.UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
