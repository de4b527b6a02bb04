// Presses the load button of the program's window, as a user would, and
// prints what the count label then reads (empty when no window comes within
// a minute): for the installer test, which has to see the program that the
// Start-menu shortcut started load its list.
#include "layout/gadget_numbers.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <iterator>

int main() {
    const ULONGLONG deadline = GetTickCount64() + 60'000;
    wchar_t windowClass[32];
    wchar_t text[64] = L"";
    std::swprintf(windowClass, std::size(windowClass), L"WindowClass_%d", gadget::kMainWindow);
    HWND program = nullptr;
    while (!(program = FindWindowW(windowClass, nullptr)) && GetTickCount64() < deadline)
        Sleep(100);
    PostMessageW(GetDlgItem(program, gadget::kLoadButton), BM_CLICK, 0, 0);
    // The label shows the line count, then the word count, within moments
    // of each other; the list display after them takes longer.
    const HWND count = GetDlgItem(program, gadget::kCountLabel);
    while (GetWindowTextW(count, text, std::size(text)) == 0 && GetTickCount64() < deadline)
        Sleep(100);
    Sleep(2000);
    GetWindowTextW(count, text, std::size(text));
    std::printf("%ls\n", text);
}
