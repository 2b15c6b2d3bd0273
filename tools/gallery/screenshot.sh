#!/usr/bin/env bash
# Photographs the skin gallery on a private headless X server:
#   tools/gallery/screenshot.sh [out.png]   (default docs/gallery-controls.png)
# Needs a built Windows tree (DROVIK_BUILD_DIR as for scripts/build).
set -euo pipefail
. "$(dirname "$0")/../../scripts/lib.sh"
out=${1:-$DROVIK_ROOT/docs/gallery-controls.png}
# The display first: Wine started without one (making the prefix) cannot open windows later.
unset DISPLAY
drovik_start_xvfb
trap drovik_stop_xvfb EXIT
drovik_wine_prefix
WINEPREFIX=$DROVIK_WINEPREFIX wine "$DROVIK_WIN_TREE/bin/drovik_gallery.exe" &
gallery=$!
sleep "${DROVIK_GALLERY_WAIT:-6}"
import -window root -crop 1280x1000+0+0 +repage "$out"
kill "$gallery" 2>/dev/null || true
WINEPREFIX=$DROVIK_WINEPREFIX wineserver -w
drovik_say "wrote $out"
