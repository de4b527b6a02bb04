// Uses the program's window from outside, as a user would, for the tests of
// what ships (tests/install/windows.sh): presses the load button and prints
// the count label once the program has handled the press.
#include "layout/gadget_numbers.h"

#include <windows.h>

#include <cstdio>

int main() {
    // The program makes its controls after its window, the last tick box last.
    HWND program = nullptr;
    for (int i = 0; i < 600 && !GetDlgItem(program, gadget::kLastTickBox); ++i)
        Sleep(100), program = FindWindowW(L"WindowClass_1", nullptr);
    const HWND count = GetDlgItem(program, gadget::kCountLabel);
    wchar_t shown[64] = L"";
    PostMessageW(GetDlgItem(program, gadget::kLoadButton), BM_CLICK, 0, 0);
    // The label changes once the load has begun; a message sent to the
    // window then waits until the program is done with it.
    for (int i = 0; i < 300 && !GetWindowTextW(count, shown, 64); ++i)
        Sleep(100);
    SendMessageTimeoutW(program, WM_NULL, 0, 0, SMTO_NORMAL, 60000, nullptr);
    GetWindowTextW(count, shown, 64);
    std::printf("%ls\n", shown);
}
