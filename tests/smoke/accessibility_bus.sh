#!/usr/bin/env bash
# Starts a session bus on a virtual X display, and in it the accessibility
# bus and the real program, whose controls read_accessibility_bus.py reads as
# a screen reader would (in the system's Python, which has the AT-SPI bindings).
#   accessibility_bus.sh PROGRAM DATA-FOLDER
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'kill "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
Xvfb -displayfd 3 -screen 0 1024x900x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
# Qt's bridge serves the bus only while a screen reader says it runs.
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
cp "$2/words.txt" "$work/"
cd "$work"
dbus-run-session -- /usr/bin/python3 "$here/read_accessibility_bus.py" "$1"
