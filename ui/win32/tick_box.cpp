// Tick boxes: the platform toggles the tick on a click or the space bar,
// then reports it (BN_CLICKED), which is a click.
#include "ui/win32/win32_backend.h"

#include <commctrl.h>

namespace ui::detail {
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

HWND createTickBox(HWND window, int number, Box box, const std::wstring& text, int, int font) {
    const HWND handle = createChild(window, L"Button", BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, 0,
                                    number, box, text, font);
    if (handle)
        SetWindowSubclass(handle, showFocus, 0, 0);
    return handle;
}

} // namespace ui::detail

namespace ui::backend {

void setTicked(Native box, bool ticked) {
    SendMessageW(static_cast<HWND>(box), BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool ticked(Native box) {
    return SendMessageW(static_cast<HWND>(box), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

} // namespace ui::backend
