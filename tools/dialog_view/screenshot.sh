#!/usr/bin/env bash
# Photographs the settings and device IP dialogs on a private headless X server into
# docs/dialog-settings.png and docs/dialog-device-ip.png. Needs a built Windows tree.
set -euo pipefail
. "$(dirname "$0")/../../scripts/lib.sh"
# The display first: Wine started without one (making the prefix) cannot open windows later.
unset DISPLAY
drovik_start_xvfb
trap drovik_stop_xvfb EXIT
drovik_wine_prefix
shoot() { # which, width, height, out
  WINEPREFIX=$DROVIK_WINEPREFIX wine "$DROVIK_WIN_TREE/bin/drovik_dialog_view.exe" "$1" &
  local view=$!
  sleep "${DROVIK_VIEW_WAIT:-8}"
  import -window root "$4.full.png"
  # The dialog is centred on the screen.
  local geometry
  geometry=$(identify -format '%w %h' "$4.full.png")
  set -- "$@" $geometry
  convert "$4.full.png" -crop "${2}x${3}+$((($5 - $2) / 2))+$((($6 - $3) / 2))" +repage "$4"
  rm -f "$4.full.png"
  kill "$view" 2>/dev/null || true
  WINEPREFIX=$DROVIK_WINEPREFIX wineserver -w || true
  drovik_say "wrote $4"
}
shoot settings 772 503 "$DROVIK_ROOT/docs/dialog-settings.png"
shoot device-ip 605 397 "$DROVIK_ROOT/docs/dialog-device-ip.png"
