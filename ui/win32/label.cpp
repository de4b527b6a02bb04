// Text labels: static text that reports nothing, painted in the look the
// core decided for it, with the shared brush of its background.
#include "ui/toolkit.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {

HWND createLabel(HWND window, int number, Box box, const std::wstring& text, int flags, Face face) {
    // SS_NOPREFIX: an ampersand is shown as it is, never as a mnemonic.
    const DWORD style = WS_GROUP | SS_NOPREFIX | (flags & kLabelCentred ? SS_CENTER : 0);
    return createChild(window, L"Static", style, 0, number, box, text, face);
}

HBRUSH paintLabel(int number, HDC context) {
    const LabelLook look = core::labelLook(number);
    if (look.fill == LabelLook::PlatformLook)
        return nullptr;
    const bool own = look.fill == LabelLook::OwnColour;
    SetTextColor(context, static_cast<COLORREF>(look.text));
    SetBkColor(context, own ? static_cast<COLORREF>(look.background) : GetSysColor(COLOR_BTNFACE));
    return own ? static_cast<HBRUSH>(look.brush) : GetSysColorBrush(COLOR_BTNFACE);
}

} // namespace ui::win32

namespace ui::backend {

Brush createBrush(int colour) { return CreateSolidBrush(static_cast<COLORREF>(colour)); }

void destroyBrush(Brush brush) { DeleteObject(static_cast<HBRUSH>(brush)); }

// The whole label at once, frame and background included; the window reads
// its look when the label asks for its colours.
void repaint(Native label, const LabelLook&) {
    RedrawWindow(static_cast<HWND>(label), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_FRAME);
}

} // namespace ui::backend
