#!/usr/bin/env bash
# Starts the Windows program under Wine on a virtual X display, checks its
# window and closes it through the window manager protocol, as a close box
# would: it must end with code 0.
#   wine_smoke.sh LARKSPIN_EXE
# Wine's settings go to a prefix of the build's own, next to the program
# (WINEPREFIX overrides it); the script stops that prefix's wine server when
# it ends. Needs wine, wine64, Xvfb and python3.
set -euo pipefail
program=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
export WINEPREFIX=${WINEPREFIX:-$(dirname "$program")/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
cleanup() {
    wineserver -k 2>/dev/null || true
    kill "${xvfb:-}" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x900x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"

# A new prefix takes a while to set up. Wine's first process also starts
# services that would keep this script's output open, so they are started
# here, apart from the program.
if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    wineboot -i </dev/null >/dev/null 2>&1
    wineserver -w
fi
wineserver -p </dev/null >/dev/null 2>&1
wine cmd /c exit </dev/null >/dev/null 2>&1

fail() {
    kill "${pid:-}" 2>/dev/null || true
    echo "FAIL: $*"
    exit 1
}
cd "$work"
started=$(date +%s%N)
wine "$program" </dev/null >/dev/null 2>&1 &
pid=$!
geometry=$("$here/x11_close.py" "Larkspin V1.EXE by " 60) || fail "no window appeared"
shown=$(date +%s%N)
timeout 30 tail --pid="$pid" -f /dev/null || fail "still running after the close request"
status=0
wait "$pid" || status=$?
echo "window: $geometry (client area), shown after $(((shown - started) / 1000000)) ms," \
    "exit code: $status"
[[ "$geometry" == 625x770+* ]] || fail "expected a 625x770 client area"
[[ "$status" -eq 0 ]] || fail "exit code $status"
echo "Wine smoke test passed"
