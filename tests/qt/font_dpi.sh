#!/usr/bin/env bash
# The window drawn on screens of 96, 120, 144 and 192 logical DPI (the
# desktop's font DPI, Xft.dpi on X11) must come out the same, pixel for
# pixel: the geometry is fixed in pixels, so the fonts and the style's
# measures must be too. Qt reads the screen once, so each is a process. The
# drawings are named by the DPI that Qt found: one that did not take the
# screen's DPI leaves a drawing missing.
#   font_dpi.sh QT_LAYER_TEST
set -euo pipefail
screen=$(dirname "$0")/../support/screen_120dpi.json
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for dpi in 96 120 144 192; do
    sed "s/\"logicalDpi\": 120/\"logicalDpi\": $dpi/" "$screen" >"$work/$dpi.json"
    LARKSPIN_DRAW_INTO=$work QT_QPA_PLATFORM="offscreen:configfile=$work/$dpi.json" \
        "$1" --gtest_filter='*WithEverythingOnShow'
    for part in window list; do
        cmp "$work/96-$part.png" "$work/$dpi-$part.png" ||
            { echo "FAIL: the $part at $dpi DPI is not the one at 96 DPI"; exit 1; }
    done
done
