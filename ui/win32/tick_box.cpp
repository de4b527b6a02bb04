// Tick boxes: the platform toggles the tick on a click or the space bar,
// then reports it (BN_CLICKED), which is one gadget event of type click.
#include "ui/toolkit.h"
#include "ui/win32/gadget_record.h"

namespace ui {

int newTickBox(int number, int x, int y, int width, int height, const std::u16string& text) {
    return detail::createGadget(number, detail::GadgetKind::TickBox, L"Button",
                                BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, 0, x, y, width, height,
                                detail::toWide(text))
               ? 1
               : 0;
}

} // namespace ui
