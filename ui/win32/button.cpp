// Push buttons: every click by the user is one gadget event (BN_CLICKED,
// whose code is the click type).
#include "ui/toolkit.h"
#include "ui/win32/gadget_record.h"

namespace ui {

int newButton(int number, int x, int y, int width, int height, const std::u16string& text) {
    return detail::createGadget(number, detail::GadgetKind::PushButton, L"Button",
                                BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 0, x, y, width, height,
                                detail::toWide(text))
               ? 1
               : 0;
}

} // namespace ui
