#!/usr/bin/env bash
# The window drawn on screens of 96, 120, 144 and 192 logical DPI (the
# desktop's font DPI, Xft.dpi on X11) must come out the same, pixel for
# pixel: the geometry is fixed in pixels, so the fonts and the style's
# measures must be too. Qt reads the screen once, so each is a process.
#   font_dpi.sh DRAW_WINDOW
set -euo pipefail
screen=$(dirname "$0")/../support/screen_120dpi.json
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $1"; exit 1; }
for dpi in 96 120 144 192; do
    sed "s/\"logicalDpi\": 120/\"logicalDpi\": $dpi/" "$screen" >"$work/$dpi.json"
    seen=$(QT_QPA_PLATFORM="offscreen:configfile=$work/$dpi.json" "$1" "$work/$dpi")
    [[ "$seen" == "$dpi" ]] || fail "drawn on a screen of $seen DPI, not $dpi"
    for part in window list; do
        cmp -s "$work/96-$part.png" "$work/$dpi-$part.png" ||
            fail "the $part at $dpi DPI differs from the one at 96 DPI"
    done
done
