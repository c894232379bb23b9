# Helpers for the captured audio of tools/wine-env.sh (sourced).
capture_clear() { rm -f "$VEXMOOR_CAPTURE_DIR"/out.raw*; }
# Joins the numbered capture files in name order into one raw stream.
capture_join() { ls "$VEXMOOR_CAPTURE_DIR"/out.raw* 2>/dev/null | sort | xargs -r cat > "${1:?output}"; }
