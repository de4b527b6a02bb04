#!/usr/bin/env bash
# Starts the real program on a virtual X display, checks its window and
# closes it through the window manager protocol: it must end with code 0.
# Then, when openbox is installed, the same under a window manager, with the
# window maximised, restored and asked for a bigger size on the way.
#   smoke.sh PROGRAM X11_CLOSE
set -euo pipefail
program=$1
x11_close=$2
work=$(mktemp -d)
trap 'kill "${wm:-}" "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

Xvfb -displayfd 3 -screen 0 1024x900x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
export QT_QPA_PLATFORM=xcb

# With no display to reach, the program still ends with code 0.
if ! (cd "$work" && DISPLAY=:999 timeout 20 "$program" 2>/dev/null); then
    echo "FAIL: without a display the program did not end with code 0"
    exit 1
fi

cd "$work"
"$program" &
pid=$!
geometry=$("$x11_close" "Larkspin V1.EXE by " 20)
status=0
timeout 20 tail --pid="$pid" -f /dev/null || { kill "$pid"; echo "FAIL: still running after the close request"; exit 1; }
wait "$pid" || status=$?
echo "window: $geometry, exit code: $status"
[[ "$geometry" == "625x770+20+20" ]] || { echo "FAIL: expected a 625x770 client area at 20,20"; exit 1; }
[[ "$status" -eq 0 ]] || { echo "FAIL: exit code $status"; exit 1; }

if command -v openbox >/dev/null; then
    openbox >/dev/null 2>&1 &
    wm=$!
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
    "$program" &
    pid=$!
    status=0
    report=$("$x11_close" "Larkspin V1.EXE by " 20 maximise) || status=$?
    echo "$report" | sed 's/^/with a window manager: /'
    timeout 20 tail --pid="$pid" -f /dev/null || { kill "$pid"; echo "FAIL: still running after the close request"; exit 1; }
    wait "$pid" || { echo "FAIL: exit code $? with a window manager"; exit 1; }
    [[ "$status" -eq 0 ]] || { echo "FAIL: maximising and restoring"; exit 1; }
    grep -q '^maximised: ' <<<"$report" && ! grep -q '^maximised: 625x770$' <<<"$report" ||
        { echo "FAIL: the window did not grow when maximised"; exit 1; }
    grep -q '^restored: 625x770$' <<<"$report" ||
        { echo "FAIL: restoring did not give back 625x770"; exit 1; }
    grep -q '^after a bigger size was asked for: 625x770$' <<<"$report" ||
        { echo "FAIL: the window could be made bigger"; exit 1; }
else
    echo "openbox missing: maximise not checked with a window manager"
fi
echo "smoke test passed"
