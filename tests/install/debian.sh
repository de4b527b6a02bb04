#!/usr/bin/env bash
# The Debian package as it ships: lintian's checks (no warning), the menu entry
# and the AppStream metadata validated, and the package unpacked into a
# throwaway root, where the menu entry's program, and the shipped word list in
# its working folder, must be.
#   debian.sh DEB
set -euo pipefail
words=$(dirname "$0")/../../data/words.txt deb=$(realpath "$1") root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
lintian --fail-on error,warning "$deb" || fail "lintian"
dpkg -x "$deb" "$root"
entry=$(echo "$root"/usr/share/applications/*.desktop)
warnings=$(desktop-file-validate "$entry" 2>&1) && [[ -z "$warnings" ]] || fail "$warnings"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.xml >/dev/null || fail "appstreamcli"
for key in Exec Path; do declare "$key=$(sed -n "s/^$key=//p" "$entry")"; done
[[ -f "$root$Exec" && -x "$root$Exec" ]] || fail "the menu entry's program $Exec is missing"
cmp "$words" "$root$Path/words.txt" || fail "no shipped list in the menu entry's working folder $Path"
