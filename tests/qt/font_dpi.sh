#!/usr/bin/env bash
# The window drawn on screens of 96, 120, 144 and 192 logical DPI (the
# desktop's font DPI, Xft.dpi on X11) must come out the same, pixel for
# pixel: the geometry is fixed in pixels, so the fonts and the style's
# measures must be too. Qt reads the screen once, so each is a process.
#   font_dpi.sh DRAW_WINDOW
set -euo pipefail
draw_window=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for dpi in 96 120 144 192; do
    cat >"$work/screen$dpi.json" <<JSON
{"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1600, "height": 1200,
              "logicalDpi": $dpi, "logicalBaseDpi": 96, "dpr": 1.0}]}
JSON
    seen=$(QT_QPA_PLATFORM="offscreen:configfile=$work/screen$dpi.json" "$draw_window" "$work/$dpi")
    [[ "$seen" == "$dpi" ]] || { echo "FAIL: drawn on a screen of $seen DPI, not $dpi"; exit 1; }
done
status=0
for dpi in 120 144 192; do
    for part in window list; do
        cmp -s "$work/96-$part.png" "$work/$dpi-$part.png" ||
            { echo "FAIL: the $part at $dpi DPI differs from the one at 96 DPI"; status=1; }
    done
done
exit "$status"
