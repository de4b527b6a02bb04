// The test driver on the Win32 layer: window messages to the real controls,
// handled the way the program's message loop handles them.
#include "tests/support/driver.h"

#include "ui/win32/gadget_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace driver {
namespace {

HWND handle(int number) {
    const HWND found = ui::gadgetHandle(number);
    if (!found)
        ADD_FAILURE() << "no gadget " << number;
    return found;
}

std::u16string u16(const std::wstring& text) { return {text.begin(), text.end()}; }

std::u16string windowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), int(text.size()))));
    return u16(text);
}

// Posts a key down and up to the focused control (or the active window), the
// key and its modifier held in the keyboard state while they are handled.
void key(UINT down, WPARAM code, BYTE modifier) {
    BYTE keys[256], held[256];
    GetKeyboardState(keys);
    std::copy(keys, keys + 256, held);
    held[code] = held[modifier] = 0x80;
    SetKeyboardState(held);
    const HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
    const LPARAM bits =
        1 | MapVirtualKeyW(UINT(code), MAPVK_VK_TO_VSC) << 16 | (modifier == VK_MENU ? 1 << 29 : 0);
    PostMessageW(target, down, code, bits);
    PostMessageW(target, down + 1, code, bits | 3u << 30); // the matching key up
    settle();
    SetKeyboardState(keys);
}

} // namespace

// The program's message loop: the active window's accelerators see each
// message first, else it is translated and dispatched.
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

void click(int number) {
    const Place at = place(number);
    const HWND window = GetParent(handle(number));
    POINT point{at.x + at.width / 2, at.y + at.height / 2};
    HWND target = ChildWindowFromPointEx(window, point, CWP_SKIPINVISIBLE);
    MapWindowPoints(window, target, &point, 1);
    PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    PostMessageW(target, WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    settle();
}

void press(Key which) {
    static const std::pair<WPARAM, BYTE> keys[] = {
        {VK_TAB, 0},    {VK_TAB, VK_SHIFT}, {VK_SPACE, 0}, {VK_HOME, 0},      {VK_DOWN, 0},
        {VK_RETURN, 0}, {VK_ESCAPE, 0},     {VK_F4, 0},    {VK_DOWN, VK_MENU}};
    const auto [code, modifier] = keys[int(which)];
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
    const HWND other = CreateWindowExW(0, L"Static", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                       99, 99, nullptr, nullptr, nullptr, nullptr);
    SetActiveWindow(other);
    settle();
    EXPECT_EQ(GetActiveWindow(), other);
    SetActiveWindow(ui::windowHandle(window));
    DestroyWindow(other);
    settle();
}

bool exists(int number) { return ui::gadgetHandle(number) != nullptr; }

bool shown(int number) { return IsWindowVisible(handle(number)); }

Place place(int number) {
    RECT r;
    GetWindowRect(handle(number), &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(handle(number)), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

std::u16string text(int number) { return windowText(handle(number)); }

std::vector<std::u16string> items(int list) {
    std::vector<std::u16string> texts;
    for (WPARAM i = 0; i < WPARAM(SendMessageW(handle(list), CB_GETCOUNT, 0, 0)); ++i) {
        std::wstring text(size_t(SendMessageW(handle(list), CB_GETLBTEXTLEN, i, 0)), L'\0');
        SendMessageW(handle(list), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        texts.push_back(u16(text));
    }
    return texts;
}

bool dropsBelowShowingAll(int list) {
    focus(list);
    press(Key::F4);
    COMBOBOXINFO info{sizeof info, {}, {}, 0, nullptr, nullptr, nullptr};
    GetComboBoxInfo(handle(list), &info);
    RECT field, drop, inside;
    GetWindowRect(handle(list), &field);
    GetWindowRect(info.hwndList, &drop);
    GetClientRect(info.hwndList, &inside);
    const bool ok = IsWindowVisible(info.hwndList) && drop.top >= field.bottom - 1 &&
                    inside.bottom >= int(items(list).size()) *
                                         SendMessageW(info.hwndList, LB_GETITEMHEIGHT, 0, 0);
    press(Key::Escape);
    return ok;
}

// Asks the window for the label's colours, as the label does before it
// paints, on a fresh device context (whose text colour is black).
Look labelLook(int label) {
    const HDC context = CreateCompatibleDC(nullptr);
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(handle(label)), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(context),
                     reinterpret_cast<LPARAM>(handle(label))));
    LOGBRUSH fill{};
    GetObjectW(brush, sizeof fill, &fill);
    // Text cells on another colour than the fill leave no one fill colour.
    const Look look{GetBkColor(context) == fill.lbColor ? int(fill.lbColor) : -2,
                    int(GetTextColor(context))};
    DeleteDC(context);
    return look;
}

int buttonFace() { return int(GetSysColor(COLOR_BTNFACE)); }

// A control given a value that names no font draws in the stock system font.
Font font(int number) {
    LOGFONTW font{};
    const auto given = reinterpret_cast<HFONT>(SendMessageW(handle(number), WM_GETFONT, 0, 0));
    if (GetObjectType(given) != OBJ_FONT || !GetObjectW(given, sizeof font, &font))
        GetObjectW(GetStockObject(SYSTEM_FONT), sizeof font, &font);
    return {u16(font.lfFaceName), int(std::abs(font.lfHeight)), font.lfWeight >= FW_BOLD};
}

WindowLook window(int number) {
    const HWND w = ui::windowHandle(number);
    RECT frame, client;
    GetWindowRect(w, &frame);
    GetClientRect(w, &client);
    ICONINFO icon{};
    BITMAP image{};
    if (GetIconInfo(reinterpret_cast<HICON>(GetClassLongPtrW(w, GCLP_HICON)), &icon)) {
        GetObjectW(icon.hbmColor, sizeof image, &image);
        DeleteObject(icon.hbmColor);
        DeleteObject(icon.hbmMask);
    }
    const LONG style = GetWindowLongW(w, GWL_STYLE);
    return {windowText(w),
            {frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top},
            {0, 0, client.right, client.bottom},
            image.bmWidth,
            IsWindowVisible(w) != 0,
            (style & WS_MINIMIZEBOX) != 0,
            (style & WS_MAXIMIZEBOX) != 0,
            (style & WS_THICKFRAME) == 0};
}

int pendingEvents() { return ui::detail::pendingEventCount(); }

int liveBrushes() { return ui::detail::liveBrushCount(); }

} // namespace driver
