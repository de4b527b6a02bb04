// Tick boxes: a click toggles the tick, then reports one gadget event.
#include "ui/gadget_record.h"
#include "ui/toolkit.h"

#include <QCheckBox>

namespace ui {

int newTickBox(int number, int x, int y, int width, int height, const std::u16string& text) {
    detail::WindowRecord* window = detail::currentContainer();
    if (!window || number < 0)
        return 0;
    auto* tickBox = new QCheckBox(detail::toQString(text), window->widget);
    tickBox->setFocusPolicy(Qt::ClickFocus); // Tab is handled by the window
    detail::registerGadget(number, detail::GadgetKind::TickBox, tickBox, x, y, width, height);
    // clicked() follows the toggle and comes from the user only (mouse or
    // space bar); setChecked() by the program does not raise it.
    const int windowNumber = window->number;
    QObject::connect(tickBox, &QAbstractButton::clicked, [number, windowNumber] {
        detail::postEvent(kGadgetEvent, number, windowNumber, kClick);
    });
    return 1;
}

} // namespace ui
