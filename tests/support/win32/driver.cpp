// The test driver on the Win32 backend: window messages to the real
// controls, handled by the program's own wait for the platform (with its Tab
// accelerators), one message at a time.
#include "tests/support/driver.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

namespace driver {
namespace {

HWND handle(int number) {
    const auto found = static_cast<HWND>(ui::core::nativeGadget(number));
    if (!found)
        ADD_FAILURE() << "no gadget " << number;
    return found;
}

std::u16string u16(const std::wstring& text) { return {text.begin(), text.end()}; }

HWND windowHandle(int number) { return static_cast<HWND>(ui::core::nativeWindow(number)); }

} // namespace

void settle() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE))
        ui::backend::waitForPlatform();
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

// Posts a key down and up to the focused control (or the active window), the
// key and its Shift, Ctrl or Alt alone held in the keyboard state while they
// are handled. A key with Alt comes as a system key, with the Alt bit set.
void press(Key which) {
    static const std::pair<WPARAM, BYTE> keys[] = {
        {VK_TAB, 0},       {VK_TAB, VK_SHIFT}, {VK_SPACE, 0},     {VK_HOME, 0},
        {VK_DOWN, 0},      {VK_RETURN, 0},     {VK_ESCAPE, 0},    {VK_F4, 0},
        {'A', VK_CONTROL}, {'C', VK_CONTROL},  {'Z', VK_CONTROL}, {VK_DOWN, VK_MENU}};
    const auto [code, modifier] = keys[int(which)];
    BYTE held[256] = {};
    held[code] = held[modifier] = 0x80;
    SetKeyboardState(held);
    const HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
    const bool alt = modifier == VK_MENU;
    const LPARAM bits = 1 | MapVirtualKeyW(UINT(code), MAPVK_VK_TO_VSC) << 16 | LPARAM(alt) << 29;
    PostMessageW(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, code, bits);
    PostMessageW(target, alt ? WM_SYSKEYUP : WM_KEYUP, code, bits | 3u << 30);
    settle();
    held[code] = held[modifier] = 0;
    SetKeyboardState(held);
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

int focused() { return ui::core::gadgetNumber(GetFocus()); }

void requestClose(int window) {
    PostMessageW(windowHandle(window), WM_SYSCOMMAND, SC_CLOSE, 0);
    settle();
}

std::u16string clipboard() {
    OpenClipboard(nullptr);
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const std::u16string text = data ? static_cast<const char16_t*>(GlobalLock(data)) : u"";
    return GlobalUnlock(data), CloseClipboard(), text;
}

bool shown(int number) { return IsWindowVisible(handle(number)); }

Place place(int number) {
    RECT r;
    GetWindowRect(handle(number), &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(handle(number)), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

std::u16string text(int number) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(handle(number))) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(handle(number), text.data(), int(text.size()))));
    return u16(text);
}

bool centred(int label) {
    return (GetWindowLongW(handle(label), GWL_STYLE) & SS_TYPEMASK) == SS_CENTER;
}

// Asks the window for the label's colours, as the label does before it
// paints, on a fresh device context (whose text colour is black).
Look labelLook(int label) {
    const HDC context = CreateCompatibleDC(nullptr);
    const auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(GetParent(handle(label)), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(context),
                     reinterpret_cast<LPARAM>(handle(label))));
    // The brush the core keeps for the colour, not one made at every paint,
    // which would use up the GDI handles.
    if (const void* kept = ui::core::labelLook(label).brush; kept && kept != brush)
        ADD_FAILURE() << "label " << label << " painted with a brush of its own";
    LOGBRUSH fill{};
    GetObjectW(brush, sizeof fill, &fill);
    // Text cells on another colour than the fill leave no one fill colour.
    const Look look{GetBkColor(context) == fill.lbColor ? int(fill.lbColor) : -2,
                    int(GetTextColor(context))};
    DeleteDC(context);
    return look;
}

int buttonFace() { return int(GetSysColor(COLOR_BTNFACE)); }

Font font(int number) {
    LOGFONTW font{};
    const auto given = reinterpret_cast<HFONT>(SendMessageW(handle(number), WM_GETFONT, 0, 0));
    GetObjectW(given, sizeof font, &font);
    return {u16(font.lfFaceName), int(std::abs(font.lfHeight)), font.lfWeight >= FW_BOLD};
}

WindowLook window(int number) {
    const LONG style = GetWindowLongW(windowHandle(number), GWL_STYLE);
    return {IsWindowVisible(windowHandle(number)) != 0, (style & WS_MINIMIZEBOX) != 0,
            (style & WS_MAXIMIZEBOX) != 0,
            // A dialog frame leaves the small icon out of the title bar.
            !(GetWindowLongW(windowHandle(number), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME) &&
                GetClassLongPtrW(windowHandle(number), GCLP_HICONSM)};
}

} // namespace driver
