// The test driver on the Win32 layer: window messages to the real controls,
// handled the way the program's message loop handles them.
#include "tests/support/driver.h"

#include "ui/win32/gadget_record.h"

#include <gtest/gtest.h>

#include <richedit.h>

#include <algorithm>
#include <cstring>

namespace driver {
namespace {

HWND handle(int number) {
    const HWND found = ui::gadgetHandle(number);
    if (!found)
        ADD_FAILURE() << "no gadget " << number;
    return found;
}

std::u16string windowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return {text.begin(), text.end()};
}

// The font a control draws its text in. The text area keeps its own
// character format instead of a font handle.
LOGFONTW fontOf(int number) {
    LOGFONTW font{};
    if (ui::detail::findGadget(number)->kind == ui::detail::GadgetKind::TextArea) {
        CHARFORMAT2W format{};
        format.cbSize = sizeof format;
        SendMessageW(handle(number), EM_GETCHARFORMAT, SCF_DEFAULT,
                     reinterpret_cast<LPARAM>(&format));
        const HDC screen = GetDC(nullptr);
        font.lfHeight = -MulDiv(format.yHeight, GetDeviceCaps(screen, LOGPIXELSY), 1440);
        ReleaseDC(nullptr, screen);
        font.lfWeight = format.dwEffects & CFE_BOLD ? FW_BOLD : FW_NORMAL;
        std::memcpy(font.lfFaceName, format.szFaceName, sizeof font.lfFaceName);
        return font;
    }
    const auto given = reinterpret_cast<HFONT>(SendMessageW(handle(number), WM_GETFONT, 0, 0));
    // A control given no font, or a value that names none, draws in the
    // stock system font.
    if (GetObjectType(given) != OBJ_FONT || !GetObjectW(given, sizeof font, &font))
        GetObjectW(GetStockObject(SYSTEM_FONT), sizeof font, &font);
    return font;
}

// Sends a key down and up to the open list, the focused control or the
// active window, with the modifier held while it is handled.
void key(UINT down, WPARAM code, BYTE modifier = 0) {
    BYTE keys[256], held[256];
    GetKeyboardState(keys);
    std::copy(std::begin(keys), std::end(keys), std::begin(held));
    held[code] = 0x80;
    if (modifier)
        held[modifier] = 0x80;
    SetKeyboardState(held);
    const HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
    const LPARAM bits = 1 | MapVirtualKeyW(static_cast<UINT>(code), MAPVK_VK_TO_VSC) << 16 |
                        (modifier == VK_MENU ? 1 << 29 : 0);
    PostMessageW(target, down, code, bits);
    PostMessageW(target, down + 1, code, bits | 3u << 30);
    settle();
    SetKeyboardState(keys);
}

} // namespace

// The step the program's message loop takes for each message: the active
// window's accelerators first, else translate and dispatch.
void settle() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ui::detail::WindowRecord* window = ui::detail::findWindow(GetActiveWindow());
        if (!window || !window->accelerators || !ui::detail::acceleratorsMaySee(message) ||
            !TranslateAcceleratorW(window->handle, window->accelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

void clickAt(int window, int x, int y) {
    const HWND parent = ui::windowHandle(window);
    POINT point{x, y};
    HWND target = ChildWindowFromPointEx(parent, point, CWP_SKIPINVISIBLE);
    if (!target)
        target = parent;
    MapWindowPoints(parent, target, &point, 1);
    PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    PostMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    settle();
}

void click(int number) {
    const Place at = place(number);
    const HWND parent = GetParent(handle(number));
    clickAt(ui::detail::findWindow(parent)->number, at.x + at.width / 2, at.y + at.height / 2);
}

void press(Key which) {
    static const std::pair<WPARAM, BYTE> keys[] = {
        {VK_TAB, 0},    {VK_TAB, VK_SHIFT}, {VK_SPACE, 0}, {VK_HOME, 0},      {VK_DOWN, 0},
        {VK_RETURN, 0}, {VK_ESCAPE, 0},     {VK_F4, 0},    {VK_DOWN, VK_MENU}};
    const auto [code, modifier] = keys[static_cast<int>(which)];
    key(modifier == VK_MENU ? WM_SYSKEYDOWN : WM_KEYDOWN, code, modifier);
}

void type(const std::u16string& text) {
    for (const char16_t unit : text)
        PostMessageW(GetFocus(), WM_CHAR, unit, 1);
    settle();
}

void focus(int number) {
    SetFocus(handle(number));
    settle();
}

int focused() {
    const ui::detail::GadgetRecord* record = ui::detail::findGadget(GetFocus());
    return record ? record->number : 0;
}

void requestClose(int window) {
    PostMessageW(ui::windowHandle(window), WM_SYSCOMMAND, SC_CLOSE, 0);
    settle();
}

void switchAwayAndBack(int window) {
    const HWND other = CreateWindowExW(0, L"Static", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                       0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    SetActiveWindow(other);
    settle();
    EXPECT_EQ(GetActiveWindow(), other);
    SetActiveWindow(ui::windowHandle(window));
    settle();
    EXPECT_EQ(GetActiveWindow(), ui::windowHandle(window));
    DestroyWindow(other);
    settle();
}

void chooseItem(int list, int index) {
    focus(list);
    press(Key::F4);
    press(Key::Home);
    for (int i = 0; i < index; ++i)
        press(Key::Down);
    press(Key::Return);
}

bool exists(int number) { return ui::gadgetHandle(number) != nullptr; }

bool shown(int number) { return IsWindowVisible(handle(number)); }

Place place(int number) {
    RECT r;
    GetWindowRect(handle(number), &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(handle(number)), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

std::u16string text(int number) {
    const std::u16string text = windowText(handle(number));
    const ui::detail::GadgetRecord* record = ui::detail::findGadget(number);
    if (record->kind != ui::detail::GadgetKind::TextLabel ||
        (GetWindowLongW(record->handle, GWL_STYLE) & SS_NOPREFIX))
        return text;
    std::u16string shown; // an ampersand marks a mnemonic and is not shown
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'&' || ++i < text.size())
            shown += text[i];
    }
    return shown;
}

int itemCount(int list) { return static_cast<int>(SendMessageW(handle(list), CB_GETCOUNT, 0, 0)); }

std::u16string itemText(int list, int index) {
    std::wstring text(static_cast<size_t>(SendMessageW(handle(list), CB_GETLBTEXTLEN, index, 0)),
                      L'\0');
    SendMessageW(handle(list), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return {text.begin(), text.end()};
}

bool dropsBelowShowingAll(int list) {
    focus(list);
    press(Key::F4);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(handle(list), &info);
    RECT field, drop, inside;
    GetWindowRect(handle(list), &field);
    GetWindowRect(info.hwndList, &drop);
    GetClientRect(info.hwndList, &inside);
    const auto itemHeight = SendMessageW(info.hwndList, LB_GETITEMHEIGHT, 0, 0);
    const bool open = IsWindowVisible(info.hwndList);
    const bool below = drop.top >= field.bottom - 1;
    const bool all = inside.bottom >= itemCount(list) * itemHeight;
    press(Key::Escape);
    return open && below && all;
}

// Asks the window for the label's colours, as the label does before it
// paints, on a fresh device context whose text colour is the default black.
Look labelLook(int label) {
    const HDC context = CreateCompatibleDC(nullptr);
    const HWND control = handle(label);
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(control), WM_CTLCOLORSTATIC,
                                                             reinterpret_cast<WPARAM>(context),
                                                             reinterpret_cast<LPARAM>(control)));
    LOGBRUSH fill{};
    GetObjectW(brush, sizeof fill, &fill);
    // Text cells on another colour than the fill have no one fill colour.
    const COLORREF cells = GetBkColor(context);
    const Look look{cells == fill.lbColor ? static_cast<int>(fill.lbColor) : -2,
                    static_cast<int>(GetTextColor(context))};
    DeleteDC(context);
    return look;
}

int buttonFace() { return static_cast<int>(GetSysColor(COLOR_BTNFACE)); }

bool boldFont(int number) { return fontOf(number).lfWeight >= FW_BOLD; }

bool sameFont(int a, int b) {
    const LOGFONTW one = fontOf(a), other = fontOf(b);
    return one.lfHeight == other.lfHeight && one.lfWeight == other.lfWeight &&
           std::wcscmp(one.lfFaceName, other.lfFaceName) == 0;
}

// Wine's rich edit takes the text area's "no limit" (EM_LIMITTEXT with -1) as
// a limit of -1 characters: nothing can be typed into the area there.
bool typingBlocked() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

WindowLook window(int number) {
    const HWND w = ui::windowHandle(number);
    RECT frame, client;
    GetWindowRect(w, &frame);
    GetClientRect(w, &client);
    int iconSize = 0;
    ICONINFO icon{};
    if (GetIconInfo(reinterpret_cast<HICON>(GetClassLongPtrW(w, GCLP_HICON)), &icon)) {
        BITMAP image{};
        GetObjectW(icon.hbmColor, sizeof image, &image);
        iconSize = image.bmWidth;
        DeleteObject(icon.hbmColor);
        DeleteObject(icon.hbmMask);
    }
    const LONG style = GetWindowLongW(w, GWL_STYLE);
    return {windowText(w),
            frame.left,
            frame.top,
            client.right,
            client.bottom,
            iconSize,
            IsWindowVisible(w) != 0,
            (style & WS_MAXIMIZEBOX) != 0,
            (style & WS_THICKFRAME) == 0};
}

int pendingEvents() { return ui::detail::pendingEventCount(); }

int liveBrushes() { return ui::detail::liveBrushCount(); }

} // namespace driver
