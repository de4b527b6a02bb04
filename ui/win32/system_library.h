// Libraries of the system that the toolkit loads at run time. They are taken
// from the system folder only: a program's own folder is often Downloads,
// where anything can lie under a system library's name.
#pragma once

#include <windows.h>

#include <uxtheme.h>

namespace ui::win32 {

// The named library from the system folder, or nullptr.
HMODULE loadSystemLibrary(const wchar_t* name);

// A function of a loaded library, or nullptr; through a function type that
// any other converts to without a warning.
template <typename Function> void find(HMODULE library, const char* name, Function& function) {
    function =
        reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

// The visual-styles functions of uxtheme.dll, loaded once; each is null
// where the system lacks it.
struct ThemeFunctions {
    decltype(&IsAppThemed) isAppThemed = nullptr;
    decltype(&OpenThemeData) openThemeData = nullptr;
    decltype(&CloseThemeData) closeThemeData = nullptr;
    decltype(&DrawThemeBackground) drawThemeBackground = nullptr;
};
const ThemeFunctions& themeFunctions();

} // namespace ui::win32
