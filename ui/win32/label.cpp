// Text labels: static text that reports nothing, painted in the colours the
// core keeps for it, with the shared brush of its background.
#include "ui/toolkit.h"
#include "ui/win32/win32_backend.h"

namespace ui::detail {

HWND createLabel(HWND window, int number, Box box, const std::wstring& text, int flags, int font) {
    // SS_NOPREFIX: an ampersand is shown as it is, never as a mnemonic.
    const DWORD style = WS_GROUP | SS_NOPREFIX | (flags & kLabelCentred ? SS_CENTER : 0);
    return createChild(window, L"Static", style, 0, number, box, text, font);
}

// - no colour set: the platform's default look;
// - only a text colour: that colour on the button face;
// - a background colour: the whole label filled with it, the text in the
//   text colour if one is set, else the device's default, black.
HBRUSH paintLabel(int number, HDC context) {
    const core::LabelLook look = core::labelLook(number);
    if (look.text != -1)
        SetTextColor(context, static_cast<COLORREF>(look.text));
    if (look.brush) {
        SetBkColor(context, static_cast<COLORREF>(look.background));
        return static_cast<HBRUSH>(look.brush);
    }
    if (look.text == -1)
        return nullptr;
    SetBkColor(context, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

} // namespace ui::detail

namespace ui::backend {

Brush createBrush(int colour) { return CreateSolidBrush(static_cast<COLORREF>(colour)); }

void destroyBrush(Brush brush) { DeleteObject(static_cast<HBRUSH>(brush)); }

// The whole label at once, frame and background included.
void repaint(Native label) {
    RedrawWindow(static_cast<HWND>(label), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_FRAME);
}

} // namespace ui::backend
