#!/usr/bin/env bash
# Installs the Windows installer under Wine as a user would (msiexec /i
# /qn), checks the installed files and the installed-programs entry with its
# icon, starts the program through the Start-menu shortcut and has it load
# the shipped list, then uninstalls (msiexec /x /qn) and checks that nothing
# is left.
#   wine_msi.sh MSI PRESS_LOAD_EXE
# Runs in the Wine prefix (WINEPREFIX) and on the X display (DISPLAY) of its
# caller, scripts/test-windows.
set -euo pipefail
msi=$(realpath "$1")
press_load=$(realpath "$2")
words=$(dirname "$0")/../../data/words.txt
# No menu entries, icons or file types written outside the prefix.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
drive=$WINEPREFIX/drive_c
folder=$drive/'Program Files/Larkspin'
quiet() { "$@" </dev/null >/dev/null 2>&1; }
fail() {
    echo "FAIL: $*"
    # The prefix is left as it was, for the next run.
    quiet wine taskkill /f /im larkspin.exe || true
    quiet wine msiexec /x "$(winepath -w "$msi")" /qn || true
    exit 1
}
# The shortcut goes to all users' Start menu on Windows; Wine 8 puts it in
# the installing user's.
shortcuts() { find "$drive/ProgramData" "$drive/users" -iname 'Larkspin.lnk' 2>/dev/null || true; }
# The installed-programs list shows the uninstall entry with the product's
# icon from the installer's own registration.
registry() { wine reg query "HKLM\\Software\\$1" /s 2>&1 | tr -d '\r' | grep "${@:2}" || true; }
entry() { registry 'Microsoft\Windows\CurrentVersion\Uninstall' 'DisplayName.*REG_SZ *Larkspin$'; }
product() { registry 'Classes\Installer\Products' -B8 'ProductName.*REG_SZ *Larkspin$'; }

# Wine's first process starts services that would hold a caller's output
# open: they start here, apart.
quiet wineserver -p || true # a server may be running already
quiet wine cmd /c exit

wine msiexec /i "$(winepath -w "$msi")" /qn </dev/null || fail "msiexec /i ended with $?"
installed=$(LC_ALL=C ls "$folder" | paste -s -d ' ')
[[ "$installed" == "LICENSE README.txt larkspin.exe words.txt words.txt.copyright" ]] ||
    fail "Program Files\\Larkspin holds $installed"
cmp -s "$words" "$folder/words.txt" || fail "the installed words.txt is not the shipped list"
shortcut=$(shortcuts)
[[ -n "$shortcut" && -n "$(entry)" ]] || fail "shortcut: '$shortcut', entry: '$(entry)'"
icon=$(product | sed -n 's/.*ProductIcon *REG_SZ *//p')
[[ -n "$icon" && -f "$(winepath -u "$icon")" ]] || fail "the entry's icon '$icon' is missing"
echo "installed: $installed; shortcut: $shortcut; entry icon: $icon"

# Started as the shortcut starts it, from elsewhere, the program finds the
# shipped list only if the shortcut names it and the right working folder.
expected="Words: $(LC_ALL=C.UTF-8 grep -c -x -E '.{5}' "$words")"
(cd / && quiet wine start "$(winepath -w "$shortcut")")
shown=$(wine "$press_load" </dev/null | tr -d '\r')
# Wine's rich edit takes minutes to show the whole list: no close request.
quiet wine taskkill /f /im larkspin.exe || true
[[ "$shown" == "$expected" ]] || fail "started through the shortcut, the count label reads '$shown'"

wine msiexec /x "$(winepath -w "$msi")" /qn </dev/null || fail "msiexec /x ended with $?"
[[ ! -e "$folder" && ! -e "$(winepath -u "$icon")" ]] || fail "installed files are left"
[[ -z "$(shortcuts)$(entry)$(product)" ]] || fail "the shortcut or the program's entry is left"
echo "Wine installer test passed"
