// Presses the load button of the program's window, as a user would, and
// prints what the count label then reads (empty when no window comes within
// a minute): for the installer test, which has to see the program that the
// Start-menu shortcut started load its list.
#include "layout/gadget_numbers.h"

#include <windows.h>

#include <cstdio>
#include <string>

int main() {
    const ULONGLONG deadline = GetTickCount64() + 60'000;
    const std::wstring windowClass = L"WindowClass_" + std::to_wstring(gadget::kMainWindow);
    wchar_t text[64] = L"";
    HWND program = nullptr;
    while (!(program = FindWindowW(windowClass.c_str(), nullptr)) && GetTickCount64() < deadline)
        Sleep(100);
    PostMessageW(GetDlgItem(program, gadget::kLoadButton), BM_CLICK, 0, 0);
    // The label shows the line count, then the word count, within moments
    // of each other; the list display after them takes longer.
    const HWND count = GetDlgItem(program, gadget::kCountLabel);
    while (GetWindowTextW(count, text, 64) == 0 && GetTickCount64() < deadline)
        Sleep(100);
    Sleep(2000);
    GetWindowTextW(count, text, 64);
    std::printf("%ls\n", text);
}
