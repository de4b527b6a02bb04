#!/usr/bin/env bash
# Starts the real program on a virtual X display with a session bus and the
# accessibility bus, and reads its controls as a screen reader would.
#   accessibility_bus.sh PROGRAM DATA-FOLDER
set -euo pipefail
program=$1
data=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'kill "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

Xvfb -displayfd 3 -screen 0 1024x900x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
export QT_QPA_PLATFORM=xcb
# Qt's bridge serves the bus only while a screen reader says it runs.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

cp "$data/words.txt" "$work/"
cd "$work"
# The system's Python, where the AT-SPI bindings are installed.
# The accessibility bus and its registry are started before the program, so
# a slow start of theirs (a loaded machine) cannot leave the program without
# a bus to register on.
dbus-run-session -- bash -c '
    /usr/bin/python3 -c "import pyatspi; pyatspi.Registry.getDesktop(0)"
    "$1" 2>/dev/null &
    program=$!
    status=0
    /usr/bin/python3 "$2/read_accessibility_bus.py" larkspin || status=$?
    kill "$program" 2>/dev/null
    exit "$status"' reader "$program" "$here" 2> >(grep -v -e "dbus-daemon" -e "SpiRegistry" >&2)
