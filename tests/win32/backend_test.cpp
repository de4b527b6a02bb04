// What only the Win32 backend has: the program's own wait with its Tab
// accelerators, the focus across minimising, the icon's sizes, the
// visual-styles branch.
#include "tests/support/main_window_fixture.h"
#include "ui/backend.h"
#include "ui/test_hooks.h"
#include "ui/toolkit.h"

#include <windows.h>

#include <commctrl.h>
#include <richedit.h>

#include <set>

namespace {

using namespace gadget;
using Win32Backend = MainWindowTest;

HWND handle(int number) { return static_cast<HWND>(ui::core::nativeGadget(number)); }
HWND mainWindow() { return static_cast<HWND>(ui::core::nativeWindow(kMainWindow)); }

// nextEvent itself: the key waits in the platform's queue, nothing in the
// toolkit's, and the window's accelerators move the focus; the message's
// number comes back. Moved by the keyboard, the focus is shown, as in a
// dialog box.
TEST_F(Win32Backend, TabThroughNextEventMovesTheFocus) {
    while (driver::pendingEvents() > 0)
        ui::nextEvent();
    static bool cuesShown = false; // Wine shows them anyway: watch the window ask
    const SUBCLASSPROC watch = [](HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                  DWORD_PTR) {
        cuesShown |= message == WM_CHANGEUISTATE && w == MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS);
        return DefSubclassProc(window, message, w, l);
    };
    SetWindowSubclass(mainWindow(), watch, 1, 0);
    PostMessageW(mainWindow(), WM_KEYDOWN, VK_TAB, 1);
    EXPECT_EQ(ui::nextEvent(), WM_KEYDOWN);
    EXPECT_EQ(driver::focused(), kLoadButton);
    EXPECT_TRUE(cuesShown);
    RemoveWindowSubclass(mainWindow(), watch, 1);
}

// Minimised and restored (the low four bits of a system command are the
// system's own), or left for another window and activated again, the window
// gives the focus back to the gadget that had it.
TEST_F(Win32Backend, FocusComesBackAfterMinimisingOrSwitchingWindows) {
    driver::focus(letterList(3));
    PostMessageW(mainWindow(), WM_SYSCOMMAND, SC_MINIMIZE | 1, 0), driver::settle();
    PostMessageW(mainWindow(), WM_SYSCOMMAND, SC_RESTORE, 0), driver::settle();
    EXPECT_EQ(driver::focused(), letterList(3));
    driver::focus(kResultText);
    const HWND other = CreateWindowExW(0, L"Static", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                       nullptr, nullptr, nullptr, nullptr);
    SetActiveWindow(other), driver::settle();
    SetActiveWindow(mainWindow()), driver::settle();
    DestroyWindow(other);
    EXPECT_EQ(driver::focused(), kResultText);
}

// The icon holds the sizes the shell shows, 16, 32, 48 and 256 pixels (a
// width of 0 stands for 256); the window's big icon is of 64 pixels or more,
// not the default 32 scaled up on the taskbar.
TEST_F(Win32Backend, TheIconInEverySizeAndTheBigOneOfSixtyFourOrMore) {
    const auto* group = static_cast<const BYTE*>(
        LockResource(LoadResource(nullptr, FindResourceW(nullptr, L"#1", RT_GROUP_ICON))));
    ASSERT_NE(group, nullptr);
    std::set<int> sizes;
    for (int i = 0; i < group[4]; ++i)
        sizes.insert(group[6 + 14 * i] ? group[6 + 14 * i] : 256);
    EXPECT_TRUE(sizes.contains(16) && sizes.contains(32) && sizes.contains(48) &&
                sizes.contains(256));
    ICONINFO big{};
    ASSERT_TRUE(GetIconInfo(HICON(GetClassLongPtrW(mainWindow(), GCLP_HICON)), &big));
    BITMAP bitmap{};
    GetObjectW(big.hbmColor, sizeof bitmap, &bitmap);
    DeleteObject(big.hbmColor), DeleteObject(big.hbmMask);
    EXPECT_GE(bitmap.bmWidth, 64);
}

// Windows 10 and 11 take the visual-styles branch: the list's drop height,
// the text area's border as painted, all round, and its text from the left;
// the closed list keeps its height in either face.
TEST_F(Win32Backend, VisualStylesBranchAndListFonts) {
    int dropHeight[2] = {};
    for (const bool themed : {false, true}) {
        ui::closeToolkit();
        ui::test::forceVisualStyles(themed);
        SetUp();
        SCOPED_TRACE(themed);
        RECT dropped{};
        SendMessageW(handle(letterList(0)), CB_GETDROPPEDCONTROLRECT, 0, LPARAM(&dropped));
        dropHeight[themed] = dropped.bottom - dropped.top;
        EXPECT_EQ(driver::place(letterList(0)).height, 21);
        const HWND area = handle(kResultText);
        // Painted: with a theme on (as in a new Wine prefix), its border, one
        // colour on both sides; else the sunken edge, dark on the left only.
        RedrawWindow(area, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        const HDC frame = GetWindowDC(area);
        const driver::Place at = driver::place(kResultText);
        const COLORREF left = GetPixel(frame, 0, at.height / 2);
        EXPECT_EQ(left == GetPixel(frame, at.width - 1, at.height / 2) &&
                      left == GetPixel(frame, at.width / 2, at.height - 1),
                  themed);
        ReleaseDC(area, frame);
        ui::setText(kResultText, u"CRANE   ");
        POINTL first{};
        SendMessageW(area, EM_POSFROMCHAR, WPARAM(&first), 0);
        EXPECT_LT(first.x, 10); // the list from the left, not centred
        for (const int font : {256, ui::kDefaultFont}) {
            ui::setFont(letterList(1), font);
            EXPECT_EQ(driver::place(letterList(1)).height, 21) << font;
        }
    }
    ui::test::forceVisualStyles(false);
    // Between the controls the window shows the button face.
    const HDC client = GetDC(mainWindow());
    EXPECT_EQ(GetPixel(client, 2, 2), GetSysColor(COLOR_BTNFACE));
    ReleaseDC(mainWindow(), client);
    // Given 350 pixels, or the closed height and 30 more.
    EXPECT_EQ(dropHeight[0] - dropHeight[1], 350 - (21 + 30));
}

} // namespace
