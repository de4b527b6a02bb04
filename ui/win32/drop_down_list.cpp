// Drop-down lists: pick-only lists whose selected index is their state. The
// closed box keeps the height the program asked for, whatever the font.
#include "ui/toolkit.h"
#include "ui/win32/gadget_record.h"

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

void fitClosedHeight(HWND list, int height) {
    setFieldHeight(list, kProbeFieldHeight);
    fieldOverhead = outerHeight(list) - kProbeFieldHeight;
    setFieldHeight(list, height - fieldOverhead);
}

} // namespace

// Only a selection the user makes is reported; opening and closing the
// list, confirming, cancelling and focus changes are not.
bool takeListNotification(const GadgetRecord& list, int code) {
    if (code == CBN_SELCHANGE)
        postEvent(kGadgetEvent, list.number, list.window, kChange);
    return true;
}

void insertListItem(HWND list, int position, const std::wstring& text) {
    const auto count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
    if (position < 0 || position > count)
        position = -1; // after the last item
    SendMessageW(list, CB_INSERTSTRING, static_cast<WPARAM>(position),
                 reinterpret_cast<LPARAM>(text.c_str()));
}

void selectListItem(HWND list, int index) {
    const auto count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index >= 0 && index < count ? index : -1),
                 0);
}

int selectedListItem(HWND list) { return static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0)); }

void setListFont(HWND list, HFONT font) {
    const int height = outerHeight(list);
    SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    setFieldHeight(list, height - fieldOverhead);
}

} // namespace ui::detail

namespace ui {

int newDropDownList(int number, int x, int y, int width, int height) {
    using namespace detail;
    const int dropHeight = visualStylesActive() ? height + kThemedDropRoom : kClassicDropHeight;
    GadgetRecord* list =
        createGadget(number, GadgetKind::DropDownList, L"ComboBox",
                     CBS_DROPDOWNLIST | WS_TABSTOP | WS_BORDER | WS_VSCROLL | WS_GROUP, 0, x, y,
                     width, dropHeight, std::wstring());
    if (!list)
        return 0;
    fitClosedHeight(list->handle, height);
    return 1;
}

} // namespace ui
