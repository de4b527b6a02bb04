// A stand-in for a system library, planted beside a program under a system
// library's name. Loaded, it leaves a mark beside itself, "<its file>.loaded".
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    wchar_t mark[MAX_PATH + 8];
    if (reason == DLL_PROCESS_ATTACH && GetModuleFileNameW(self, mark, MAX_PATH) < MAX_PATH)
        CloseHandle(CreateFileW(lstrcatW(mark, L".loaded"), GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return TRUE;
}
