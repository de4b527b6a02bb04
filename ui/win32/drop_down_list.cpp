// Drop-down lists: pick-only lists whose selected index is their state. The
// closed box keeps the height the program asked for, whatever the font.
#include "ui/win32/win32_backend.h"

namespace ui::win32 {
namespace {

// The height the platform is given includes the opened list. Without visual
// styles that height is the list's; with them the list sizes itself by its
// items and only a little room is needed.
constexpr int kClassicDropHeight = 350;
constexpr int kThemedDropRoom = 30;
// A selection-field height to measure the control's frame against.
constexpr int kProbeFieldHeight = 15;

int outerHeight(HWND list) {
    RECT bounds{};
    GetWindowRect(list, &bounds);
    return bounds.bottom - bounds.top;
}

void setFieldHeight(HWND list, int height) {
    SendMessageW(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height);
}

} // namespace

HWND createDropDownList(HWND window, int number, Box box, const std::wstring&, int, Face face) {
    const int height = box.height;
    box.height = visualStylesActive() ? height + kThemedDropRoom : kClassicDropHeight;
    const HWND list = createChild(window, L"ComboBox",
                                  CBS_DROPDOWNLIST | WS_TABSTOP | WS_BORDER | WS_VSCROLL | WS_GROUP,
                                  0, number, box, std::wstring(), face);
    if (!list)
        return nullptr;
    setFieldHeight(list, kProbeFieldHeight);
    state().fieldOverhead = outerHeight(list) - kProbeFieldHeight;
    setFieldHeight(list, height - state().fieldOverhead);
    return list;
}

// Windows tells of every step: the selection moving, in the closed list or
// through the open one (CBN_SELCHANGE); the list opening (CBN_DROPDOWN);
// closing on an item or confirming the closed list's change (CBN_SELENDOK,
// CBN_CLOSEUP, which may both come); and closing without a choice
// (CBN_SELENDCANCEL). Focus changes and double clicks are nothing.
void reportListNotification(int number, int code) {
    switch (code) {
    case CBN_DROPDOWN:
        return core::reportList(number, ListReport::Opened);
    case CBN_SELCHANGE:
        return core::reportList(number, ListReport::Stepped);
    case CBN_SELENDOK:
    case CBN_CLOSEUP:
        return core::reportList(number, ListReport::Chosen);
    case CBN_SELENDCANCEL:
        return core::reportList(number, ListReport::Cancelled);
    default:
        return;
    }
}

void setListFont(HWND list, HFONT font) {
    const int height = outerHeight(list);
    SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    setFieldHeight(list, height - state().fieldOverhead);
}

} // namespace ui::win32

namespace ui::backend {

void insertItem(Native list, int position, const std::u16string& text) {
    SendMessageW(static_cast<HWND>(list), CB_INSERTSTRING, static_cast<WPARAM>(position),
                 reinterpret_cast<LPARAM>(win32::toWide(text).c_str()));
}

void selectItem(Native list, int index) {
    SendMessageW(static_cast<HWND>(list), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int selectedItem(Native list) {
    return static_cast<int>(SendMessageW(static_cast<HWND>(list), CB_GETCURSEL, 0, 0));
}

} // namespace ui::backend
