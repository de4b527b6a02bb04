// What only the Win32 backend has: brushes as GDI objects, the program's own
// wait with its Tab accelerators, the focus across minimising and switching
// windows, word wrap, the visual-styles branch, a mouse choice in an open
// list.
#include "tests/support/main_window_fixture.h"
#include "ui/backend.h"
#include "ui/toolkit.h"
#include "ui/win32/win32_backend.h"

#include <commctrl.h>
#include <richedit.h>

#include <utility>

namespace {

using namespace gadget;
using Win32Backend = MainWindowTest;

HWND handle(int number) { return static_cast<HWND>(ui::core::nativeGadget(number)); }
HWND mainWindow() { return static_cast<HWND>(ui::core::nativeWindow(kMainWindow)); }

void dropAllEvents() {
    while (driver::pendingEvents() > 0)
        ui::nextEvent();
}

// The brush a label is painted with is the GDI object the core keeps for its
// colour, not one made at every paint, and it is deleted once no label uses
// its colour.
TEST_F(Win32Backend, ABrushNoLabelUsesIsDeleted) {
    ui::setColour(letterLabel(0), ui::kBackground, 0x7E7C78);
    const auto brush = static_cast<HBRUSH>(ui::core::labelLook(letterLabel(0)).brush);
    EXPECT_EQ(GetObjectType(brush), DWORD(OBJ_BRUSH));
    const HDC context = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SendMessageW(mainWindow(), WM_CTLCOLORSTATIC, WPARAM(context),
                           LPARAM(handle(letterLabel(0)))),
              LRESULT(brush));
    DeleteDC(context);
    ui::setColour(letterLabel(0), ui::kBackground, ui::kNoColour);
    EXPECT_EQ(GetObjectType(brush), 0u);
}

// nextEvent itself: the key waits in the platform's queue, nothing in the
// toolkit's, and the window's accelerators move the focus; the message's
// number comes back, unless it could pass for a toolkit event.
// Moved by the keyboard, the focus is shown, as in a dialog box.
TEST_F(Win32Backend, TabThroughNextEventMovesTheFocus) {
    dropAllEvents();
    static bool cuesShown = false; // Wine shows them anyway: watch the window ask
    const SUBCLASSPROC watch = [](HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                  DWORD_PTR) {
        cuesShown |= message == WM_CHANGEUISTATE && w == MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS);
        return DefSubclassProc(window, message, w, l);
    };
    SetWindowSubclass(mainWindow(), watch, 1, 0);
    PostMessageW(mainWindow(), WM_KEYDOWN, VK_TAB, 1);
    EXPECT_EQ(ui::nextEvent(), WM_KEYDOWN);
    // A message numbered as a toolkit event is none.
    for (const UINT code : {ui::kGadgetEvent, ui::kCloseRequest}) {
        PostMessageW(mainWindow(), code, 0, 0);
        EXPECT_EQ(ui::nextEvent(), 0) << code;
    }
    EXPECT_EQ(driver::focused(), kLoadButton);
    EXPECT_TRUE(cuesShown);
    RemoveWindowSubclass(mainWindow(), watch, 1);
}

// Minimising, switching to another window, or both; then back, the
// minimised window activated (from the taskbar) before it is restored. The
// low four bits of a system command are the system's own.
void leaveAndComeBack(bool minimise, bool switchWindows) {
    if (minimise)
        PostMessageW(mainWindow(), WM_SYSCOMMAND, SC_MINIMIZE | 1, 0), driver::settle();
    if (switchWindows) {
        const HWND other = CreateWindowExW(0, L"Static", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50,
                                           50, nullptr, nullptr, nullptr, nullptr);
        SetActiveWindow(other), driver::settle();
        SetActiveWindow(mainWindow()), driver::settle();
        DestroyWindow(other);
    }
    if (minimise)
        PostMessageW(mainWindow(), WM_SYSCOMMAND, SC_RESTORE, 0);
    driver::settle();
}

// The gadget that had the focus has it again, not one remembered earlier;
// a focused tick box, hidden, gives the focus up without handing it on.
TEST_F(Win32Backend, FocusComesBackAfterMinimisingAndSwitchingWindows) {
    const struct {
        void (*act)();
        int focused;
    } steps[] = {
        {[] { driver::focus(letterList(3)), leaveAndComeBack(true, false); }, letterList(3)},
        {[] { driver::focus(kResultText), leaveAndComeBack(false, true); }, kResultText},
        {[] { driver::focus(letterList(5)), leaveAndComeBack(true, false); }, letterList(5)},
        {[] { driver::focus(kParseButton), leaveAndComeBack(false, true); }, kParseButton},
        {[] { driver::focus(letterList(7)), leaveAndComeBack(true, true); }, letterList(7)},
        {[] {
             ui::setHidden(tickBox(1, 1), 0), driver::focus(tickBox(1, 1)), dropAllEvents();
             ui::setHidden(tickBox(1, 1), 1), driver::settle();
         },
         0},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(&step - steps);
        step.act();
        EXPECT_EQ(driver::focused(), step.focused);
        if (step.focused == 0) {
            EXPECT_EQ(driver::pendingEvents(), 0);
        }
        dropAllEvents();
    }
}

// A long list wraps, and each new one is shown from its top; the user may
// type on beyond the rich edit's default limit of 32,767 characters.
TEST_F(Win32Backend, LongTextWrapsAndEachNewListShowsFromItsTop) {
    EXPECT_EQ(SendMessageW(handle(kResultText), EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFF);
    std::u16string list;
    for (int i = 0; i < 600; ++i)
        list += u"CRANE   ";
    for (const std::u16string& text : {list, list + u"SLATE   "}) {
        ui::setText(kResultText, text);
        EXPECT_EQ(SendMessageW(handle(kResultText), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
        SendMessageW(handle(kResultText), WM_VSCROLL, SB_BOTTOM, 0);
    }
    EXPECT_GT(SendMessageW(handle(kResultText), EM_GETLINECOUNT, 0, 0), 100);
}

// A choice with the mouse in the open list counts once; the item it already
// had, or a click beside the list, chooses nothing.
TEST_F(Win32Backend, MouseChoiceInTheOpenListIsOneChange) {
    const int list = letterList(2);
    COMBOBOXINFO combo{};
    combo.cbSize = sizeof combo;
    for (const auto& [item, events] : {std::pair{4, 1}, {4, 0}, {-1, 0}}) {
        driver::focus(list), driver::press(driver::Key::F4);
        ASSERT_TRUE(GetComboBoxInfo(handle(list), &combo));
        RECT box{};
        SendMessageW(combo.hwndList, LB_GETITEMRECT, item < 0 ? 0 : item, LPARAM(&box));
        const LPARAM at = item < 0 ? MAKELPARAM(-20, -20) : MAKELPARAM(box.left + 2, box.top + 2);
        PostMessageW(combo.hwndList, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(combo.hwndList, WM_LBUTTONUP, 0, at);
        driver::settle();
        EXPECT_EQ(driver::pendingEvents(), events) << item;
        EXPECT_EQ(ui::getState(list), 4);
        dropAllEvents();
    }
}

// Windows 10 and 11 take the visual-styles branch: the list's drop height,
// the text area's border and its paint; the closed list keeps its height,
// with any font.
TEST_F(Win32Backend, VisualStylesBranchAndListFonts) {
    int dropHeight[2] = {};
    for (const bool themed : {false, true}) {
        ui::closeToolkit();
        ui::detail::forceVisualStyles(themed);
        SetUp();
        SCOPED_TRACE(themed);
        RECT dropped{};
        SendMessageW(handle(letterList(0)), CB_GETDROPPEDCONTROLRECT, 0, LPARAM(&dropped));
        dropHeight[themed] = dropped.bottom - dropped.top;
        EXPECT_EQ(driver::place(letterList(0)).height, 21);
        const HWND area = handle(kResultText);
        const LONG_PTR edge = GetWindowLongPtrW(area, GWL_EXSTYLE);
        const LONG_PTR border = GetWindowLongPtrW(area, GWL_STYLE);
        EXPECT_EQ((edge & WS_EX_CLIENTEDGE) != 0, !themed);
        EXPECT_EQ((border & WS_BORDER) != 0, themed);
        // Painted: with a theme on (as in a new Wine prefix), its border, one
        // colour on both sides; else the sunken edge, dark on the left only.
        RedrawWindow(area, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        const HDC frame = GetWindowDC(area);
        const driver::Place at = driver::place(kResultText);
        EXPECT_EQ(GetPixel(frame, 0, at.height / 2) == GetPixel(frame, at.width - 1, at.height / 2),
                  themed);
        ReleaseDC(area, frame);
        const HFONT large = CreateFontW(40, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, L"Tahoma");
        for (const int font : {int(INT_PTR(large)), 256, ui::kDefaultFont}) {
            ui::setFont(letterList(1), font);
            EXPECT_EQ(driver::place(letterList(1)).height, 21) << font;
        }
        DeleteObject(large);
    }
    ui::detail::forceVisualStyles(false);
    // Given 350 pixels, or the closed height and 30 more.
    EXPECT_EQ(dropHeight[0] - dropHeight[1], 350 - (21 + 30));
    // The default font is the desktop's message font, whichever it is.
    NONCLIENTMETRICSW metrics{}, courier{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    courier = metrics;
    wcscpy(courier.lfMessageFont.lfFaceName, L"Courier New");
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof courier, &courier, 0);
    ui::closeToolkit();
    SetUp();
    EXPECT_EQ(driver::font(kLoadButton).face, u"Courier New");
    SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
}

} // namespace
