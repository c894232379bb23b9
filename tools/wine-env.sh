# Sourced by the tier runners: a private Wine prefix, code page 932 and an audio
# device that writes everything played to raw files under $VEXMOOR_CAPTURE_DIR.
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
cat > "$HOME/.asoundrc" <<ASOUND
pcm.!default {
  type file
  slave.pcm "null"
  file "$VEXMOOR_CAPTURE_DIR/out.raw"
  format "raw"
  truncate false
}
ASOUND
if [ ! -f "$WINEPREFIX/.vexmoor-ready" ]; then
  wineboot -i >/dev/null 2>&1 || true
  wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d alsa /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.vexmoor-ready"
fi
# A warm server keeps every later start of a test program fast. Starting the
# prefix's services here, on /dev/null, keeps them from inheriting (and holding
# open) the output of whichever test program would otherwise start them.
wineserver -p >/dev/null 2>&1 </dev/null || true
wine wineboot >/dev/null 2>&1 </dev/null || true
