// Push buttons: every click by the user is one gadget event.
#include "ui/qt/qt_backend.h"
#include "ui/toolkit.h"

#include <QPushButton>

namespace ui::qt {

// clicked() comes from the user only (mouse, or Space after a tick box
// toggled), never from the program's own setChecked().
void reportClicks(QWidget* button, int number) {
    QObject::connect(static_cast<QAbstractButton*>(button), &QAbstractButton::clicked,
                     [number] { core::reportGadget(number, kClick); });
}

QWidget* newButton(QWidget* window, int number, const QString& text) {
    auto* button = new QPushButton(text, window);
    reportClicks(button, number);
    return button;
}

} // namespace ui::qt
