#!/usr/bin/env bash
# Starts the real program (a .exe under Wine) on a virtual X display under a
# window manager, openbox, and checks its window: the client size and place
# asked for, a border that a drag cannot resize, and a close through the
# window manager protocol, as the close box does, after which the program
# must end with code 0. The Linux program must also
# end with code 0 when it finds no display.
#   smoke.sh PROGRAM
# Under Wine the settings go to the prefix WINEPREFIX, by default one next
# to the program, whose wine server is stopped at the end.
set -euo pipefail
program=$(realpath "$1")
work=$(mktemp -d)
fail() { echo "FAIL: $1"; exit 1; }
# Tries the condition (a command line) for up to the seconds given.
within() { for _ in $(seq $(($1 * 10))); do eval "$2" && return 0; sleep 0.1; done; return 1; }
# The client area's size and the place of the window manager's frame round it.
geometry() {
    xwininfo -id "$id" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 }
        /Absolute upper-left/ { p[$3] += $4 } /Relative upper-left/ { p[$3] -= $4 }
        END { print w "x" h "+" p["X:"] "+" p["Y:"] }'
}

Xvfb -displayfd 3 -screen 0 1024x900x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
# The display, the window manager and the program, if it still runs, go at the end.
trap '[[ $program != *.exe ]] || wineserver -k; kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
within 10 '[[ -s "$work/display" ]]'
export DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb
cd "$work"
if [[ "$program" == *.exe ]]; then
    export WINEPREFIX=${WINEPREFIX:-$(dirname "$program")/wineprefix} WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    # Wine's first process starts services that would hold this script's
    # output open, so they start here, apart from the program.
    [[ -f "$WINEPREFIX/system.reg" ]] || { wineboot -i && wineserver -w; } </dev/null &>/dev/null
    wineserver -p </dev/null &>/dev/null
    wine cmd /c exit </dev/null &>/dev/null
    start=(wine "$program")
    place="+*" # Wine's own frame arithmetic moves the window a little
else
    DISPLAY=:999 timeout 20 "$program" 2>/dev/null || fail "without a display: exit code $?"
    start=("$program")
    place=+20+20
fi

openbox >/dev/null 2>&1 &
within 20 'wmctrl -m >/dev/null 2>&1' || fail "openbox did not start"
"${start[@]}" </dev/null &
pid=$!
within 60 'id=$(wmctrl -l 2>/dev/null | awk "/ Larkspin V1.EXE by / { print \$1 }"); [[ $id ]]' ||
    fail "no window"
within 5 '[[ $(geometry) == 625x770$place ]]' || fail "the window is $(geometry), not 625x770$place"
# What a drag on the sizing border asks the window manager for, with a move
# that shows when the window manager has handled it.
before=$(geometry)
wmctrl -i -r "$id" -e 0,60,70,800,900
within 5 '[[ $(geometry) != "$before" ]]' || fail "the window manager never handled the request"
within 5 '[[ $(geometry) == 625x770+* ]]' || fail "a drag on the border gave $(geometry)"
wmctrl -i -c "$id"
timeout 30 tail --pid="$pid" -f /dev/null || fail "still running after the close request"
wait "$pid" || fail "exit code $?"
