// The top-level window: fixed client size, the controls' notifications
// turned into events, the close box turned into a close request, label
// colours, and Tab moving the keyboard focus among its gadgets.
#include "ui/toolkit.h"
#include "ui/win32/gadget_record.h"

#include <cwchar>
#include <iterator>

namespace ui::detail {
namespace {

// Accelerator commands; they arrive as WM_COMMAND with no control handle.
constexpr WORD kNextGadget = 1;
constexpr WORD kPreviousGadget = 2;

int windowNumber(HWND handle) { return static_cast<int>(GetWindowLongPtrW(handle, GWLP_USERDATA)); }

// A control's notification: its kind may take it; otherwise it becomes a
// gadget event with the notification code as its type (a push button's or
// tick box's BN_CLICKED is the click type, 0).
void notify(HWND control, int code) {
    const GadgetRecord* record = findGadget(control);
    if (!record)
        return;
    switch (record->kind) {
    case GadgetKind::DropDownList:
        if (takeListNotification(*record, code))
            return;
        break;
    case GadgetKind::TextArea:
        if (takeTextAreaNotification(*record, code))
            return;
        break;
    case GadgetKind::TextLabel:
        return;
    case GadgetKind::PushButton:
    case GadgetKind::TickBox:
        break;
    }
    postEvent(kGadgetEvent, record->number, record->window, code);
}

// Gives the focus back to the gadget that had it when the window was last
// deactivated; false when there is none that could take it.
bool giveBackFocus(const WindowRecord& window) {
    const HWND last = window.lastFocus;
    if (!last || !findGadget(last) || !IsWindowVisible(last) || !IsWindowEnabled(last))
        return false;
    SetFocus(last);
    return true;
}

// Activation gives the focus back to the gadget that had it when the window
// was last deactivated, and never hands it to a gadget by itself.
bool restoreFocus(HWND handle, WPARAM state) {
    WindowRecord* window = findWindow(handle);
    if (!window)
        return false;
    if (LOWORD(state) == WA_INACTIVE) {
        const HWND focused = GetFocus();
        window->lastFocus = findGadget(focused) && IsChild(handle, focused) ? focused : nullptr;
        return false;
    }
    // A minimised window is activated before it is restored, and restoring
    // it then focuses the window itself (WM_SETFOCUS), after any activation.
    if (HIWORD(state) != 0)
        return false;
    return giveBackFocus(*window); // false: the window itself takes the focus
}

LRESULT CALLBACK windowProcedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE: {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(handle, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
        break;
    }
    case WM_COMMAND:
        if (lParam != 0) {
            notify(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
            return 0;
        }
        if (HIWORD(wParam) == 1 && findWindow(handle)) {
            if (LOWORD(wParam) == kNextGadget || LOWORD(wParam) == kPreviousGadget)
                moveFocus(windowNumber(handle), LOWORD(wParam) == kPreviousGadget);
            return 0;
        }
        break;
    case WM_CTLCOLORSTATIC: {
        const GadgetRecord* label = findGadget(reinterpret_cast<HWND>(lParam));
        if (label && label->kind == GadgetKind::TextLabel) {
            if (HBRUSH brush = paintLabel(*label, reinterpret_cast<HDC>(wParam)))
                return reinterpret_cast<LRESULT>(brush);
        }
        break;
    }
    case WM_CLOSE:
        // The close box, the system menu's Close and Alt+F4 only ask: the
        // window stays open until the program stops taking events.
        if (findWindow(handle)) {
            const int number = windowNumber(handle);
            postEvent(kCloseRequest, number, number, 0);
        }
        return 0;
    case WM_ACTIVATE:
        if (restoreFocus(handle, wParam))
            return 0;
        break;
    case WM_SETFOCUS:
        // Restoring a minimised window focuses the window, not its gadget.
        if (WindowRecord* window = findWindow(handle); window && !IsIconic(handle))
            giveBackFocus(*window);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(handle, message, wParam, lParam);
}

} // namespace

bool acceleratorsMaySee(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB)
        return true;
    // Shift+Tab still leaves the text area.
    if (GetKeyState(VK_SHIFT) < 0)
        return true;
    return !isEditableTextArea(GetFocus());
}

} // namespace ui::detail

namespace ui {

int newWindow(int number, int x, int y, int width, int height, const std::u16string& title,
              int flags) {
    using namespace detail;
    if (number <= 0 || width <= 0 || height <= 0)
        return 0;
    if (findWindow(number))
        return 0;
    wchar_t className[32];
    std::swprintf(className, std::size(className), L"WindowClass_%d", number);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance();
    windowClass.hIcon = windowIcon();
    windowClass.hIconSm = windowSmallIcon();
    windowClass.hCursor = windowCursor();
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = className;
    if (!RegisterClassExW(&windowClass))
        return 0;

    // The flags are the window style; the size asked for is the client area.
    const auto style = static_cast<DWORD>(flags);
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    const HWND handle =
        CreateWindowExW(0, className, toWide(title).c_str(), style, x, y, frame.right - frame.left,
                        frame.bottom - frame.top, nullptr, nullptr, instance(),
                        reinterpret_cast<void*>(static_cast<INT_PTR>(number)));
    if (!handle) {
        UnregisterClassW(className, instance());
        return 0;
    }
    ShowWindow(handle, SW_SHOWNORMAL);

    ACCEL keys[] = {
        {FVIRTKEY, VK_TAB, kNextGadget},
        {FVIRTKEY | FSHIFT, VK_TAB, kPreviousGadget},
    };
    const HACCEL accelerators = CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys)));
    registerWindow(number, handle, className, accelerators);
    return 1;
}

} // namespace ui
