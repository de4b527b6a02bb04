// Uses the program's window from outside, as a user would, for the tests of
// what ships (tests/install/windows.sh): before any load, types n into A's
// list ("Not Present (Grey)") and presses Parse, then presses the load button.
// Prints A's item, the count label and the list after the parse, and the
// count label after the load, separated by "|".
#include "layout/gadget_numbers.h"

#include <windows.h>

#include <cstdio>
#include <string>

HWND program = nullptr;

// A label's text is its window's own. The text area is asked for its text,
// which waits while the program is busy.
std::wstring text(int number) {
    wchar_t buffer[64] = L"";
    GetWindowTextW(GetDlgItem(program, number), buffer, 64);
    if (number == gadget::kResultText)
        SendMessageW(GetDlgItem(program, number), WM_GETTEXT, 64, LPARAM(buffer));
    return buffer;
}

// The label shows the new count at once, the list follows soon after.
std::wstring countAfterPressing(int button, const std::wstring& before) {
    PostMessageW(GetDlgItem(program, button), BM_CLICK, 0, 0);
    for (int i = 0; i < 300 && text(gadget::kCountLabel) == before; ++i)
        Sleep(100);
    return Sleep(1500), text(gadget::kCountLabel);
}

int main() {
    // The program makes its controls after its window, the last tick box last.
    for (int i = 0; i < 600 && !GetDlgItem(program, gadget::kLastTickBox); ++i)
        Sleep(100), program = FindWindowW(L"WindowClass_1", nullptr);
    PostMessageW(GetDlgItem(program, gadget::letterList(0)), WM_CHAR, L'n', 0);
    const std::wstring parsed = countAfterPressing(gadget::kParseButton, L"");
    const int item =
        int(SendMessageW(GetDlgItem(program, gadget::letterList(0)), CB_GETCURSEL, 0, 0));
    const std::wstring words = text(gadget::kResultText);
    const std::wstring loaded = countAfterPressing(gadget::kLoadButton, parsed);
    std::printf("%d|%ls|%ls|%ls\n", item, parsed.c_str(), words.c_str(), loaded.c_str());
}
