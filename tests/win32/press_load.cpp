// Presses the load button of the program's window, as a user would, and
// prints what the count label then reads. For the installer test, which has
// to see the program that the Start-menu shortcut started load its list.
//   press_load.exe SECONDS
#include "layout/gadget_numbers.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

BOOL CALLBACK findProgram(HWND window, LPARAM found) {
    wchar_t title[64];
    const std::wstring prefix = L"Larkspin V1.EXE by ";
    if (GetWindowTextW(window, title, 64) > 0 && std::wstring(title).starts_with(prefix)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

std::wstring text(HWND control) {
    wchar_t buffer[64] = L"";
    GetWindowTextW(control, buffer, 64);
    return buffer;
}

} // namespace

int main(int argc, char** argv) {
    const ULONGLONG deadline = GetTickCount64() + 1000ull * (argc > 1 ? std::atoi(argv[1]) : 60);
    HWND program = nullptr;
    while (!program && GetTickCount64() < deadline) {
        EnumWindows(findProgram, reinterpret_cast<LPARAM>(&program));
        Sleep(100);
    }
    if (!program) {
        std::puts("no window");
        return 1;
    }
    PostMessageW(GetDlgItem(program, gadget::kLoadButton), BM_CLICK, 0, 0);
    // The label shows the line count, then the word count, within moments
    // of each other; the list display after them takes longer.
    const HWND count = GetDlgItem(program, gadget::kCountLabel);
    while (text(count).empty() && GetTickCount64() < deadline)
        Sleep(100);
    Sleep(2000);
    std::printf("%ls\n", text(count).c_str());
    return 0;
}
