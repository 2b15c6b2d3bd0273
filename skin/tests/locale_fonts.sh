#!/usr/bin/env bash
# Runs the skin's font cases under another locale (LANG, e.g. zh_CN.UTF-8: code page 936) in a
# prefix of its own: an overlay of the project's prefix (a copy where overlays cannot be mounted),
# so that Wine's change of code page touches neither the project's prefix nor the other tests.
#   locale_fonts.sh LANG skin_test.exe
set -euo pipefail
. "$(dirname "$0")/../../scripts/lib.sh"
locale=$1 program=$2
work=$(mktemp -d /tmp/drovik-fonts.XXXXXX)
prefix=$work/prefix
cleanup() {
  WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
  mountpoint -q "$prefix" && umount "$prefix"
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$prefix" "$work/changes" "$work/work"
if ! mount -t overlay overlay -o "lowerdir=$DROVIK_WINEPREFIX,upperdir=$work/changes,workdir=$work/work" \
    "$prefix" 2>/dev/null; then
  rmdir "$prefix"
  cp -a "$DROVIK_WINEPREFIX" "$prefix"
fi
DROVIK_WINEPREFIX=$prefix LANG=$locale "$DROVIK_ROOT/scripts/wine-run" "$program" \
  --gtest_filter='SkinFont.*'
