// Push buttons and tick boxes: every click by the user is reported
// (BN_CLICKED, whose code is the click type). A tick box's tick the platform
// toggles on a click or the space bar, before it reports it.
#include "ui/win32/win32_backend.h"

#include <commctrl.h>

namespace ui::win32 {
namespace {

// The platform draws a tick box's focus rectangle around its text, and a box
// without text gets none, so a keyboard user could not see which box Space would
// tick. The rectangle goes around the whole box instead, shown and hidden as
// the window's keyboard cues say.
void drawFocus(HWND box) {
    if (GetFocus() != box || GetWindowTextLengthW(box) > 0 ||
        (SendMessageW(box, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS))
        return;
    RECT bounds{};
    GetClientRect(box, &bounds);
    const HDC context = GetDC(box);
    DrawFocusRect(context, &bounds);
    ReleaseDC(box, context);
}

LRESULT CALLBACK showFocus(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR) {
    switch (message) {
    case WM_PAINT: {
        const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
        drawFocus(box);
        return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
    case BM_SETSTATE: {
        const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
        InvalidateRect(box, nullptr, TRUE);
        return result;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(box, showFocus, 0);
        break;
    default:
        break;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

} // namespace

HWND createButton(HWND window, int number, Box box, const std::wstring& text, int, Face face) {
    return createChild(window, L"Button", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 0, number, box,
                       text, face);
}

HWND createTickBox(HWND window, int number, Box box, const std::wstring& text, int, Face face) {
    const HWND handle = createChild(window, L"Button", BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, 0,
                                    number, box, text, face);
    if (handle)
        SetWindowSubclass(handle, showFocus, 0, 0);
    return handle;
}

} // namespace ui::win32

namespace ui::backend {

void setTicked(Native box, bool ticked) {
    SendMessageW(static_cast<HWND>(box), BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool ticked(Native box) {
    return SendMessageW(static_cast<HWND>(box), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

} // namespace ui::backend
