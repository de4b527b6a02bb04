// Push buttons: every click by the user is one gadget event.
#include "ui/gadget_record.h"
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
    // clicked() comes from the user only, never from the program's own changes.
    const int windowNumber = window->number;
    QObject::connect(button, &QAbstractButton::clicked, [number, windowNumber] {
        detail::postEvent(kGadgetEvent, number, windowNumber, kClick);
    });
    return 1;
}

} // namespace ui
