// Tick boxes: a click toggles the tick, then reports one gadget event.
#include "ui/qt/gadget_record.h"
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
    detail::reportClicks(tickBox, number, window->number);
    return 1;
}

} // namespace ui
