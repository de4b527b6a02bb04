#include "ui/win32/system_library.h"

#include <string>

namespace ui::win32 {

HMODULE loadSystemLibrary(const wchar_t* name) {
    // The system-folder-only search exists where AddDllDirectory does
    // (Windows 8, and Windows 7 with update KB2533623).
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    if (kernel && GetProcAddress(kernel, "AddDllDirectory"))
        return LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    // Elsewhere by its full name in the system folder; the libraries it
    // needs are then looked for in that folder first too.
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    const std::wstring path = std::wstring(folder, length) + L"\\" + name;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

const ThemeFunctions& themeFunctions() {
    static const ThemeFunctions functions = [] {
        ThemeFunctions loaded;
        // Kept to the end of the process, like the functions taken from it.
        if (const HMODULE library = loadSystemLibrary(L"uxtheme.dll")) {
            find(library, "IsAppThemed", loaded.isAppThemed);
            find(library, "OpenThemeData", loaded.openThemeData);
            find(library, "CloseThemeData", loaded.closeThemeData);
            find(library, "DrawThemeBackground", loaded.drawThemeBackground);
        }
        return loaded;
    }();
    return functions;
}

} // namespace ui::win32
