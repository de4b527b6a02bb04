#!/usr/bin/env bash
# Installs the Windows installer under Wine as a user would (msiexec /i
# /qn), checks the installed files, the Start-menu shortcut's target and
# working folder and the installed-programs entry, starts the program
# through the shortcut and has it load the shipped list, then uninstalls
# (msiexec /x /qn) and checks that nothing is left.
#   wine_msi.sh MSI PRESS_LOAD_EXE
# Runs in the Wine prefix (WINEPREFIX) and on the X display (DISPLAY) of its
# caller, scripts/test-windows. Needs wine and python3.
set -euo pipefail
msi=$(realpath "$1")
press_load=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
words=$here/../../data/words.txt
# No menu entries, icons or file types written outside the prefix.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
drive=$WINEPREFIX/drive_c
folder=$drive/'Program Files/Larkspin'
fail() {
    echo "FAIL: $*"
    # The prefix is left as it was, for the next run.
    wine taskkill /f /im larkspin.exe </dev/null >/dev/null 2>&1 || true
    wine msiexec /x "$(winepath -w "$msi")" /qn </dev/null >/dev/null 2>&1 || true
    exit 1
}
# The shortcut goes to all users' Start menu on Windows; Wine 8 puts it in
# the installing user's.
shortcuts() { find "$drive/ProgramData" "$drive/users" -iname 'Larkspin.lnk' 2>/dev/null || true; }
# The installed-programs list shows the uninstall entry with the product's
# icon from the installer's own registration.
registry() { wine reg query "$1" /s 2>/dev/null | tr -d '\r'; }
entry() {
    registry 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' |
        grep 'DisplayName.*REG_SZ *Larkspin$' || true
}
product() {
    registry 'HKLM\Software\Classes\Installer\Products' |
        grep -B8 'ProductName.*REG_SZ *Larkspin$' || true
}

# Wine's first process starts services that would hold a caller's output
# open: they start here, apart.
wineserver -p </dev/null >/dev/null 2>&1 || true # a server may be running already
wine cmd /c exit </dev/null >/dev/null 2>&1

wine msiexec /i "$(winepath -w "$msi")" /qn </dev/null || fail "msiexec /i ended with $?"
for file in larkspin.exe words.txt words.txt.copyright LICENSE README.txt; do
    [[ -f "$folder/$file" ]] || fail "$file is not in Program Files\\Larkspin"
done
cmp -s "$words" "$folder/words.txt" || fail "the installed words.txt is not the shipped list"
shortcut=$(shortcuts)
[[ -n "$shortcut" ]] || fail "no Start-menu shortcut"
mapfile -t link < <("$here/read_shortcut.py" "$shortcut")
[[ "${link[0]}" == 'C:\Program Files\Larkspin\larkspin.exe' ]] ||
    fail "the shortcut starts '${link[0]}'"
[[ "${link[1]%\\}" == 'C:\Program Files\Larkspin' ]] || fail "the shortcut starts in '${link[1]}'"
[[ -n "$(entry)" ]] || fail "no installed-programs entry"
icon=$(product | sed -n 's/.*ProductIcon *REG_SZ *//p')
[[ -n "$icon" ]] || fail "no product icon"
[[ -f "$(winepath -u "$icon")" ]] || fail "the entry's icon $icon is missing"
echo "installed: $(ls "$folder" | tr '\n' ' '); shortcut: ${link[0]} in ${link[1]}; entry icon: $icon"

# Started as the shortcut starts it, from elsewhere, the program finds the
# shipped list in its working folder.
expected="Words: $(LC_ALL=C.UTF-8 grep -c -x -E '.{5}' "$words")"
(cd / && wine start "$(winepath -w "$shortcut")" </dev/null >/dev/null 2>&1)
shown=$(wine "$press_load" 60 </dev/null | tr -d '\r')
# Wine's rich edit takes minutes to show the whole list: no close request.
wine taskkill /f /im larkspin.exe </dev/null >/dev/null 2>&1 || true
[[ "$shown" == "$expected" ]] || fail "started through the shortcut, the count label reads '$shown'"
echo "started through the shortcut, a load shows '$shown'"

wine msiexec /x "$(winepath -w "$msi")" /qn </dev/null || fail "msiexec /x ended with $?"
[[ ! -e "$folder" ]] || fail "Program Files\\Larkspin is left: $(ls -A "$folder" | tr '\n' ' ')"
[[ -z "$(shortcuts)" ]] || fail "the shortcut is left: $(shortcuts)"
[[ -z "$(entry)$(product)" ]] || fail "the installed-programs entry is left"
[[ ! -e "$(winepath -u "$icon")" ]] || fail "the entry's icon is left"
echo "uninstalled: no file, folder, shortcut, installed-programs entry or icon left"
echo "Wine installer test passed"
