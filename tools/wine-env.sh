# Sourced by the tier runners: a private Wine prefix, code page 932 and a sound
# device of its own (tools/sound-server.sh): a PulseAudio null sink, which plays
# on the wall clock; tools/with-display.sh records it to $VEXMOOR_CAPTURE_DIR/out.raw.
# Usage: . tools/wine-env.sh BUILD_DIR [SLOT]
# A SLOT other than 0 gives a second prefix and home beside the first, for a
# test worker that runs at the same time as another.
wine_build_dir=$(cd "${1:?build dir}" && pwd)
wine_slot=${2:-0}
wine_suffix=$([ "$wine_slot" = 0 ] || echo "-$wine_slot")
export WINEPREFIX="$wine_build_dir/wineprefix$wine_suffix"
export HOME="$wine_build_dir/winehome$wine_suffix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
export VEXMOOR_CAPTURE_DIR="$HOME/capture"
mkdir -p "$HOME" "$VEXMOOR_CAPTURE_DIR"
# A socket path holds at most 107 bytes: the server's folder is a short one of
# this home's own, however long the path of the clone.
export PULSE_RUNTIME_PATH="/tmp/vexmoor-pulse-$(printf '%s' "$HOME" | md5sum | cut -c1-12)"
export PULSE_SERVER="unix:$PULSE_RUNTIME_PATH/native"
"$(dirname "${BASH_SOURCE[0]}")/sound-server.sh" start || true
if [ ! -f "$WINEPREFIX/.vexmoor-ready-pulse" ]; then
  wineboot -i >/dev/null 2>&1 || true
  wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d pulse /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.vexmoor-ready-pulse"
fi
# A warm server keeps every later start of a test program fast. Starting the
# prefix's services here, on /dev/null, keeps them from inheriting (and holding
# open) the output of whichever test program would otherwise start them.
wineserver -p >/dev/null 2>&1 </dev/null || true
wine wineboot >/dev/null 2>&1 </dev/null || true
