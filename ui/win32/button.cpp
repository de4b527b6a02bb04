// Push buttons: every click by the user is reported (BN_CLICKED, whose code
// is the click type).
#include "ui/win32/win32_backend.h"

namespace ui::detail {

HWND createButton(HWND window, int number, Box box, const std::wstring& text, int, int font) {
    return createChild(window, L"Button", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 0, number, box,
                       text, font);
}

} // namespace ui::detail
