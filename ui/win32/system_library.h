// Libraries of the system that the toolkit loads at run time. They are taken
// from the system folder only: a program's own folder is often Downloads,
// where anything can lie under a system library's name.
#pragma once

#include <windows.h>

#include <uxtheme.h>

namespace ui::detail {

// The named library from the system folder, or nullptr.
HMODULE loadSystemLibrary(const wchar_t* name);

// The visual-styles functions of uxtheme.dll, loaded once; each is null
// where the system lacks it.
struct ThemeFunctions {
    decltype(&IsAppThemed) isAppThemed = nullptr;
    decltype(&OpenThemeData) openThemeData = nullptr;
    decltype(&CloseThemeData) closeThemeData = nullptr;
    decltype(&DrawThemeBackground) drawThemeBackground = nullptr;
};
const ThemeFunctions& themeFunctions();

} // namespace ui::detail
