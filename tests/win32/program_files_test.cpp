// What the Windows program takes from files: its libraries come from the
// system folder only, never from the program's folder (often Downloads),
// and its window icon comes in the sizes Windows shows.
#include "tests/support/main_window_fixture.h"

#include <windows.h>

#include <filesystem>
#include <string>
#include <utility>

namespace {

using ProgramFilesTest = MainWindowTest;

// Stand-ins of the same names lie beside this program and mark any load of
// theirs (mark_library.cpp). The fixture's window holds the text area and the
// drop-down lists, so a rich edit has been loaded and the visual styles asked for.
TEST_F(ProgramFilesTest, NoLibraryIsLoadedFromTheProgramsFolder) {
    EXPECT_TRUE(driver::shown(gadget::kResultText));
    wchar_t program[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(nullptr, program, MAX_PATH), 0u);
    const std::filesystem::path folder = std::filesystem::path(program).parent_path();
    FILETIME start, unused;
    GetProcessTimes(GetCurrentProcess(), &start, &unused, &unused, &unused);
    const std::string process =
        std::to_string(GetCurrentProcessId()) + "." + std::to_string(start.dwLowDateTime);
    for (const std::string name : {"msftedit.dll", "riched20.dll", "riched32.dll", "uxtheme.dll"}) {
        ASSERT_TRUE(std::filesystem::exists(folder / name)) << name;
        const std::filesystem::path mark = folder / (name + "." + process + ".loaded");
        EXPECT_FALSE(std::filesystem::exists(mark))
            << name << " was loaded from the program's folder";
        std::filesystem::remove(mark);
    }
}

std::pair<int, int> iconSize(HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info))
        return {0, 0};
    BITMAP bitmap{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return {bitmap.bmWidth, bitmap.bmHeight};
}

// The big icon is the 64 x 64 image of the icon file, the small one its 16 x 16.
TEST_F(ProgramFilesTest, WindowIconIsSixtyFourBigAndSixteenSmall) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), L"WindowClass_1", &windowClass));
    EXPECT_EQ(iconSize(windowClass.hIcon), std::make_pair(64, 64));
    EXPECT_EQ(iconSize(windowClass.hIconSm), std::make_pair(16, 16));
}

} // namespace
