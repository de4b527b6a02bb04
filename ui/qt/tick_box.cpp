// Tick boxes: a click toggles the tick, then reports one gadget event.
#include "ui/qt/gadget_record.h"
#include "ui/toolkit.h"

#include <QCheckBox>

namespace ui::detail {
namespace {

// The whole 25 x 21 box takes the click, not only the indicator square that
// Qt's check box would otherwise limit it to.
class TickBox : public QCheckBox {
  public:
    using QCheckBox::QCheckBox;

  protected:
    bool hitButton(const QPoint& position) const override { return rect().contains(position); }
};

} // namespace
} // namespace ui::detail

namespace ui {

int newTickBox(int number, int x, int y, int width, int height, const std::u16string& text) {
    detail::WindowRecord* window = detail::currentContainer();
    if (!window || number < 0)
        return 0;
    auto* tickBox = new detail::TickBox(detail::toQString(text), window->widget);
    tickBox->setFocusPolicy(Qt::ClickFocus); // Tab is handled by the window
    detail::registerGadget(number, detail::GadgetKind::TickBox, tickBox, x, y, width, height);
    detail::reportClicks(tickBox, number, window->number);
    return 1;
}

} // namespace ui
