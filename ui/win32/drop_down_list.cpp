// Drop-down lists: pick-only lists whose selected index is their state. The
// closed box keeps the height the program asked for, whatever the font. A
// choice made in the opened list counts once, when the list closes on it.
#include "ui/toolkit.h"
#include "ui/win32/win32_backend.h"

namespace ui::detail {
namespace {

// The height the platform is given includes the opened list. Without visual
// styles that height is the list's; with them the list sizes itself by its
// items and only a little room is needed.
constexpr int kClassicDropHeight = 350;
constexpr int kThemedDropRoom = 30;
// A selection-field height to measure the control's frame against.
constexpr int kProbeFieldHeight = 15;

// What the closed control adds around its selection field: borders and
// padding. One value for all lists, measured again at each creation.
int fieldOverhead = 0;

int outerHeight(HWND list) {
    RECT bounds{};
    GetWindowRect(list, &bounds);
    return bounds.bottom - bounds.top;
}

void setFieldHeight(HWND list, int height) {
    SendMessageW(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height);
}

int selection(HWND list) { return static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0)); }

// What a list keeps in its user data: the selection the program knows (the
// one it set or was last told of), and whether the list is open. While it is
// open, the items the user steps through are not yet a choice.
struct ListState {
    int known;
    bool open;
};

ListState stateOf(HWND list) {
    const LONG_PTR data = GetWindowLongPtrW(list, GWLP_USERDATA);
    return {static_cast<int>(data >> 1) - 1, (data & 1) != 0};
}

void keep(HWND list, ListState state) {
    SetWindowLongPtrW(list, GWLP_USERDATA, (LONG_PTR{state.known} + 1) << 1 | (state.open ? 1 : 0));
}

} // namespace

HWND createDropDownList(HWND window, int number, Box box, const std::wstring&, int, int font) {
    const int height = box.height;
    box.height = visualStylesActive() ? height + kThemedDropRoom : kClassicDropHeight;
    const HWND list = createChild(window, L"ComboBox",
                                  CBS_DROPDOWNLIST | WS_TABSTOP | WS_BORDER | WS_VSCROLL | WS_GROUP,
                                  0, number, box, std::wstring(), font);
    if (!list)
        return nullptr;
    keep(list, {-1, false});
    setFieldHeight(list, kProbeFieldHeight);
    fieldOverhead = outerHeight(list) - kProbeFieldHeight;
    setFieldHeight(list, height - fieldOverhead);
    return list;
}

// A change of the closed list (arrow keys, a typed initial) is a choice at
// once. In the open list only the item it closes on is (Enter, a click on
// it); closing it otherwise (Escape, a click elsewhere) puts back the item
// it opened on. Where the platform reports a choice twice, the second one
// finds nothing new.
bool takeListNotification(HWND list, int number, int code) {
    ListState state = stateOf(list);
    const int now = selection(list);
    bool chosen = false;
    switch (code) {
    case CBN_DROPDOWN:
        state.open = true;
        break;
    case CBN_SELCHANGE:
        chosen = !state.open && now != state.known;
        break;
    case CBN_SELENDOK:
    case CBN_CLOSEUP:
        chosen = state.open && now != state.known;
        state.open = false;
        break;
    case CBN_SELENDCANCEL:
        if (state.open && now != state.known)
            SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(state.known), 0);
        state.open = false;
        break;
    default:
        return true; // focus changes, double clicks: nothing
    }
    if (chosen)
        state.known = now;
    keep(list, state);
    if (chosen)
        core::reportGadget(number, kChange);
    return true;
}

void setListFont(HWND list, HFONT font) {
    const int height = outerHeight(list);
    SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    setFieldHeight(list, height - fieldOverhead);
}

} // namespace ui::detail

namespace ui::backend {

using detail::keep;
using detail::selection;

void insertItem(Native list, int position, const std::u16string& text) {
    const auto handle = static_cast<HWND>(list);
    const auto count = static_cast<int>(SendMessageW(handle, CB_GETCOUNT, 0, 0));
    if (position < 0 || position > count)
        position = -1; // after the last item
    SendMessageW(handle, CB_INSERTSTRING, static_cast<WPARAM>(position),
                 reinterpret_cast<LPARAM>(detail::toWide(text).c_str()));
    keep(handle, {selection(handle), detail::stateOf(handle).open});
}

void selectItem(Native list, int index) {
    const auto handle = static_cast<HWND>(list);
    const auto count = static_cast<int>(SendMessageW(handle, CB_GETCOUNT, 0, 0));
    SendMessageW(handle, CB_SETCURSEL,
                 static_cast<WPARAM>(index >= 0 && index < count ? index : -1), 0);
    keep(handle, {selection(handle), detail::stateOf(handle).open});
}

int selectedItem(Native list) { return selection(static_cast<HWND>(list)); }

} // namespace ui::backend
