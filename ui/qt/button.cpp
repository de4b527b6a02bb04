// Push buttons: every click by the user is one gadget event.
#include "ui/qt/gadget_record.h"
#include "ui/toolkit.h"

#include <QPushButton>

namespace ui {

int newButton(int number, int x, int y, int width, int height, const std::u16string& text) {
    detail::WindowRecord* window = detail::currentContainer();
    if (!window || number < 0)
        return 0;
    auto* button = new QPushButton(detail::toQString(text), window->widget);
    button->setFocusPolicy(Qt::ClickFocus); // Tab is handled by the window
    detail::registerGadget(number, detail::GadgetKind::PushButton, button, x, y, width, height);
    detail::reportClicks(button, number, window->number);
    return 1;
}

} // namespace ui
