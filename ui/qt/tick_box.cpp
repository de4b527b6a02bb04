// Tick boxes: a click toggles the tick, then reports one gadget event.
#include "ui/qt/qt_backend.h"

#include <QCheckBox>

namespace ui::qt {
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

QWidget* newTickBox(QWidget* window, int number, const QString& text) {
    auto* tickBox = new TickBox(text, window);
    reportClicks(tickBox, number);
    return tickBox;
}

} // namespace ui::qt

namespace ui::backend {

void setTicked(Native box, bool ticked) {
    static_cast<QCheckBox*>(qt::widget(box))->setChecked(ticked);
}
bool ticked(Native box) { return static_cast<QCheckBox*>(qt::widget(box))->isChecked(); }

} // namespace ui::backend
