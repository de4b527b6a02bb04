// The top-level window: fixed client size, the controls' notifications
// turned into reports, the close box turned into a close request, label
// colours, Tab handed to the core, and the keyboard focus kept across
// deactivation and minimising.
#include "ui/toolkit.h"
#include "ui/win32/win32_backend.h"

#include <cwchar>
#include <iterator>

namespace ui::win32 {
namespace {

int windowNumber(HWND handle) { return static_cast<int>(GetWindowLongPtrW(handle, GWLP_USERDATA)); }

// A control's notification, as its kind takes it: a push button's or tick
// box's is reported with the code as its type (BN_CLICKED is the click type,
// 0). Labels send none.
void notify(HWND control, int code) {
    const int number = GetDlgCtrlID(control);
    if (core::nativeGadget(number) != control)
        return;
    switch (core::gadgetKind(number)) {
    case GadgetKind::DropDownList:
        return reportListNotification(number, code);
    case GadgetKind::TextArea:
        return reportTextAreaNotification(number, code);
    default:
        return core::reportGadget(number, code);
    }
}

bool holdsFocus(HWND window) {
    const HWND focused = GetFocus();
    return focused && IsChild(window, focused);
}

LRESULT CALLBACK windowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (lParam != 0) {
            notify(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
            return 0;
        }
        // An accelerator: Tab or Shift+Tab.
        if (HIWORD(wParam) == 1) {
            state().tabLeftToControl =
                !core::tabKey(windowNumber(handle), LOWORD(wParam) == kPreviousGadget);
            // Moving by keyboard shows where the focus is, as in a dialog box.
            if (!state().tabLeftToControl)
                SendMessageW(handle, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
            return 0;
        }
        break;
    case WM_CTLCOLORSTATIC:
        if (const int label = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
            core::nativeGadget(label) == reinterpret_cast<HWND>(lParam)) {
            if (HBRUSH brush = paintLabel(label, reinterpret_cast<HDC>(wParam)))
                return reinterpret_cast<LRESULT>(brush);
        }
        break;
    case WM_CLOSE:
        // The close box, the system menu's Close and Alt+F4 only ask: the
        // window stays open until the program stops taking events.
        core::reportClose(windowNumber(handle));
        return 0;
    case WM_SYSCOMMAND:
        // Minimising takes the focus from the gadget before it deactivates
        // the window, so the gadget is remembered here.
        if ((wParam & 0xFFF0) == SC_MINIMIZE && holdsFocus(handle))
            core::windowDeactivated(windowNumber(handle));
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (holdsFocus(handle))
                core::windowDeactivated(windowNumber(handle));
            break;
        }
        // A minimised window is activated before it is restored; the
        // restoring focuses the window itself (WM_SETFOCUS), after this.
        if (HIWORD(wParam) == 0)
            core::windowActivated(windowNumber(handle));
        if (holdsFocus(handle))
            return 0; // else the window itself takes the focus
        break;
    case WM_SETFOCUS:
        // From outside (a restore): the remembered gadget takes it. From one
        // of its own gadgets, the focus was given up on purpose.
        if (!IsIconic(handle) && !(wParam && IsChild(handle, reinterpret_cast<HWND>(wParam))))
            core::windowActivated(windowNumber(handle));
        return 0;
    default:
        break;
    }
    return DefWindowProcW(handle, message, wParam, lParam);
}

} // namespace
} // namespace ui::win32

namespace ui::backend {

using namespace win32;

Native createWindow(int number, Box box, const std::u16string& title, int flags) {
    wchar_t className[32];
    std::swprintf(className, std::size(className), L"WindowClass_%d", number);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance();
    windowClass.hIcon = state().icon;
    windowClass.hIconSm = state().smallIcon;
    windowClass.hCursor = state().cursor;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = className;
    if (!RegisterClassExW(&windowClass))
        return nullptr;

    // The flags are the window style; the size asked for is the client area.
    const auto style = static_cast<DWORD>(flags);
    RECT frame{0, 0, box.width, box.height};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    const HWND handle = CreateWindowExW(0, className, toWide(title).c_str(), style, box.x, box.y,
                                        frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                        nullptr, instance(), nullptr);
    if (!handle) {
        UnregisterClassW(className, instance());
        return nullptr;
    }
    SetWindowLongPtrW(handle, GWLP_USERDATA, number); // its number, for what it reports
    ShowWindow(handle, SW_SHOWNORMAL);
    return handle;
}

void destroyWindow(Native window) {
    const auto handle = static_cast<HWND>(window);
    wchar_t className[32] = L"";
    GetClassNameW(handle, className, static_cast<int>(std::size(className)));
    EnumChildWindows(
        handle,
        [](HWND child, LPARAM) {
            forgetAccessibleText(child);
            return TRUE;
        },
        0);
    // Destroying a window destroys its gadgets, its children.
    DestroyWindow(handle);
    UnregisterClassW(className, instance());
}

// The gadget (a child of the window) that holds the focus, or nullptr.
Native focusedControl(Native window) {
    HWND focused = GetFocus();
    while (focused && GetParent(focused) != window)
        focused = GetParent(focused);
    return focused;
}

// No gadget: the window itself takes the focus, so keys reach no gadget and
// Tab starts again from the first one.
void focus(Native window, Native control) {
    SetFocus(static_cast<HWND>(control ? control : window));
}

} // namespace ui::backend
