#!/usr/bin/env bash
# What ships for Windows, used under Wine in a prefix of this test's own:
# - the zip unpacked into a new folder, with stand-ins for riched20.dll,
#   msftedit.dll and uxtheme.dll planted beside larkspin.exe: none may load;
# - the msi installed: its files, its Start-menu shortcut, its entry in the
#   installed-programs list with its icon, and the program started as the
#   shortcut starts it;
# - a 1.0.1 rebuilt and installed over it: one entry, the new files, and the
#   older version refused over it with its message; then uninstalled, leaving
#   nothing behind.
# Each start is used through press_load.exe: a load shows the shipped list.
#   windows.sh DIST BUILD_TESTS   (the zip's and the msi's folder, build-wine/tests)
# Runs on the X display of its caller, scripts/test-windows.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
dist=$(realpath "$1") tests=$(realpath "$2") work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
trap 'wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
version=$(sed -n 's/^project(larkspin VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
folder=$WINEPREFIX/drive_c/'Program Files/Larkspin' words=$root/data/words.txt
files="LICENSE README.txt larkspin.exe words.txt words.txt.copyright"
quiet() { "$@" </dev/null >/dev/null 2>&1; }
fail() { echo "FAIL: $*"; exit 1; }
msi() { wine msiexec "$1" "$(winepath -w "$2")" /qn </dev/null; }
# Starts the program in the folder given, with the command given, and uses it.
use() {
    (cd "$1" && quiet wine "${@:2}" &)
    shown=$(wine "$tests/press_load.exe" </dev/null | tr -d '\r')
    quiet wine taskkill /f /im larkspin.exe || true
    [[ "$shown" == "Words: $(grep -c . "$words")" ]] || fail "$2 ${*:3} showed '$shown'"
}
# The shortcut goes to all users' Start menu on Windows; Wine 8 puts it in
# the installing user's.
shortcut() { find "$WINEPREFIX/drive_c/"{ProgramData,users} -iname 'Larkspin.lnk' 2>/dev/null || true; }
# The version of each installed-programs entry named Larkspin, and the files installed.
installed() {
    echo "entries: $(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s \
        </dev/null | tr -d '\r' | awk '/^HKEY/ { if (n) print v; n = 0 } /DisplayVersion/ { v = $3 }
        /DisplayName +REG_SZ +Larkspin$/ { n = 1 } END { if (n) print v }' | paste -s -d ' ');" \
        "files: $(LC_ALL=C ls "$folder" 2>/dev/null | paste -s -d ' ')"
}
# The icon of the entry, from the installer's registration of the product.
icon() {
    wine reg query 'HKLM\Software\Classes\Installer\Products' /s </dev/null | tr -d '\r' |
        sed -n 's/.*ProductIcon *REG_SZ *//p'
}
# Wine's first processes start services that would hold a caller's output open.
quiet wineboot -i && quiet wineserver -w && quiet wineserver -p && quiet wine cmd /c exit

python3 -m zipfile -e "$dist/larkspin-$version-windows-x64.zip" "$work/zip"
cp "$tests"/planted/*.dll "$work/zip/"
use "$work/zip" larkspin.exe
! ls "$work"/zip/*.loaded 2>/dev/null || fail "libraries loaded from the program's folder"

msi /i "$dist/larkspin-$version-x64.msi" || fail "msiexec /i ended with $?"
[[ "$(installed)" == "entries: $version.0; files: $files" && -n "$(shortcut)" ]] || fail "$(installed) $(shortcut)"
cmp "$words" "$folder/words.txt" || fail "the installed words.txt is not the shipped list"
icon=$(winepath -u "$(icon)") && [[ -f "$icon" ]] || fail "the entry has no icon"
use / start "$(winepath -w "$(shortcut)")"

"$root/scripts/package-windows" 1.0.1 "$work" >/dev/null
msi /i "$work/larkspin-1.0.1-x64.msi" || fail "1.0.1 over $version: msiexec /i ended with $?"
! msi /i "$dist/larkspin-$version-x64.msi" || fail "$version installed over 1.0.1"
grep -q "1\.0\.1" "$folder/README.txt" && [[ "$(installed)" == "entries: 1.0.1.0; files: $files" ]] ||
    fail "1.0.1 over $version, then $version: $(installed)"
# The message that refuses an older version, which msiexec /qn does not show.
grep -q -a "A newer version of Larkspin is already installed" "$dist/larkspin-$version-x64.msi"
msi /x "$work/larkspin-1.0.1-x64.msi" || fail "msiexec /x ended with $?"
[[ "$(installed)$(shortcut)" == "entries: ; files: " && ! -e "$icon" ]] ||
    fail "left: $(installed) $(shortcut) $(ls "$icon")"
