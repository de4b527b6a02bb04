#!/usr/bin/env bash
# Starts the real program on a virtual X display, checks its window and
# closes it through the window manager protocol: it must end with code 0.
# Then, when openbox and wmctrl are installed, the same under a window
# manager, with the window maximised, restored and dragged bigger on the way.
#   smoke.sh PROGRAM
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'kill "${wm:-}" "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

Xvfb -displayfd 3 -screen 0 1024x900x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
export QT_QPA_PLATFORM=xcb
fail() { echo "FAIL: $1${wm:+ (with a window manager)}"; kill "${pid:-}" 2>/dev/null; exit 1; }
# Waits for the program to end after a close request: it must end with code 0.
ends() {
    timeout 20 tail --pid="$pid" -f /dev/null || fail "still running after the close request"
    wait "$pid" || fail "exit code $?"
}

# With no display to reach, the program still ends with code 0.
(cd "$work" && DISPLAY=:999 timeout 20 "$program" 2>/dev/null) ||
    fail "without a display the program did not end with code 0"

cd "$work"
"$program" &
pid=$!
geometry=$("$here/x11_close.py" "Larkspin V1.EXE by " 20)
echo "window: $geometry"
ends
[[ "$geometry" == "625x770+20+20" ]] || fail "expected a 625x770 client area at 20,20"

if command -v openbox >/dev/null && command -v wmctrl >/dev/null; then
    # Tries the condition (a command line) for up to the seconds given.
    within() { for _ in $(seq $(($1 * 10))); do eval "$2" && return 0; sleep 0.1; done; return 1; }
    size() { xwininfo -id "$id" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }
    openbox >/dev/null 2>&1 &
    wm=$!
    within 20 'wmctrl -m >/dev/null 2>&1' || fail "openbox did not start"
    "$program" &
    pid=$!
    id=
    within 20 'id=$(wmctrl -l 2>/dev/null | awk "/Larkspin V1.EXE by / { print \$1 }"); [[ -n $id ]]' ||
        fail "no window"
    xprop -id "$id" _NET_WM_ALLOWED_ACTIONS | grep -q _NET_WM_ACTION_MAXIMIZE_HORZ ||
        fail "the maximise box is greyed out"
    wmctrl -i -r "$id" -b add,maximized_vert,maximized_horz
    within 5 '[[ $(size) != 625x770 ]]' || fail "the window did not grow when maximised"
    echo "maximised: $(size)"
    wmctrl -i -r "$id" -b remove,maximized_vert,maximized_horz
    within 5 '[[ $(size) == 625x770 ]]' || fail "restoring gave $(size), not 625x770"
    # What a drag on the sizing border asks the window manager for.
    wmctrl -i -r "$id" -e 0,-1,-1,800,900
    sleep 0.5
    within 5 '[[ $(size) == 625x770 ]]' || fail "a drag on the border made the window $(size)"
    wmctrl -i -c "$id"
    ends
else
    echo "openbox or wmctrl missing: maximise not checked with a window manager"
fi
echo "smoke test passed"
