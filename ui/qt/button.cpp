// Push buttons and tick boxes: every click by the user is one gadget event.
#include "ui/qt/qt_backend.h"
#include "ui/toolkit.h"

#include <QCheckBox>
#include <QPushButton>

namespace ui::qt {
namespace {

// clicked() comes from the user only (mouse, or Space after a tick box
// toggled), never from the program's own setChecked().
QWidget* reportingClicks(QAbstractButton* button, int number) {
    QObject::connect(button, &QAbstractButton::clicked,
                     [number] { core::reportGadget(number, kClick); });
    return button;
}

// The whole 25 x 21 box takes the click, not only the indicator square that
// Qt's check box would otherwise limit it to.
class TickBox : public QCheckBox {
  public:
    using QCheckBox::QCheckBox;

  protected:
    bool hitButton(const QPoint& position) const override { return rect().contains(position); }
};

} // namespace

QWidget* newButton(QWidget* window, int number, const QString& text, int) {
    return reportingClicks(new QPushButton(text, window), number);
}

QWidget* newTickBox(QWidget* window, int number, const QString& text, int) {
    return reportingClicks(new TickBox(text, window), number);
}

} // namespace ui::qt

namespace ui::backend {

void setTicked(Native box, bool ticked) {
    static_cast<QCheckBox*>(qt::widget(box))->setChecked(ticked);
}
bool ticked(Native box) { return static_cast<QCheckBox*>(qt::widget(box))->isChecked(); }

} // namespace ui::backend
