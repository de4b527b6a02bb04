// A stand-in for a system library, planted beside a test program under a
// system library's name. Loaded, it leaves a mark beside itself,
// "<its file>.<process id>.<process start>.loaded", for the test to find.
// Wine soon gives a process id again: with the start time, a mark that
// another program left cannot pass for the test's own.
#include <windows.h>

#include <cwchar>
#include <iterator>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        wchar_t file[MAX_PATH];
        wchar_t mark[MAX_PATH + 32];
        const DWORD length = GetModuleFileNameW(self, file, MAX_PATH);
        FILETIME start, unused;
        GetProcessTimes(GetCurrentProcess(), &start, &unused, &unused, &unused);
        if (length > 0 && length < MAX_PATH) {
            std::swprintf(mark, std::size(mark), L"%ls.%lu.%lu.loaded", file, GetCurrentProcessId(),
                          start.dwLowDateTime);
            CloseHandle(CreateFileW(mark, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        }
    }
    return TRUE;
}
