// Text labels: static text that reports nothing, painted in the colours the
// core keeps for them.
#include "ui/qt/qt_backend.h"
#include "ui/toolkit.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QLabel>
#include <QPalette>

namespace ui::qt {
namespace {

QColor toQColor(int colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

} // namespace

QWidget* newLabel(QWidget* window, const QString& text, int flags) {
    auto* label = new QLabel(text, window);
    label->setTextFormat(Qt::PlainText); // shown literally, never as markup
    const Qt::Alignment horizontal = (flags & kLabelCentred) ? Qt::AlignHCenter : Qt::AlignLeft;
    label->setAlignment(horizontal | Qt::AlignVCenter);
    return label;
}

} // namespace ui::qt

namespace ui::backend {

Brush createBrush(int colour) { return new QBrush(qt::toQColor(colour)); }
void destroyBrush(Brush brush) { delete static_cast<QBrush*>(brush); }

// Paints the label in its colours:
// - none set: the platform's default look;
// - only a text colour: that colour on the button face;
// - a background colour: the whole label filled with its brush, the text in
//   the text colour if one is set, else black.
void repaint(Native native) {
    QWidget* label = qt::widget(native);
    const core::LabelLook look = core::labelLook(core::gadgetNumber(native));
    if (look.text == -1 && look.background == -1) {
        label->setAutoFillBackground(false);
        label->setPalette(QPalette());
    } else {
        QPalette palette = QApplication::palette(label);
        palette.setBrush(QPalette::Window, look.brush ? *static_cast<QBrush*>(look.brush)
                                                      : palette.brush(QPalette::Button));
        palette.setColor(QPalette::WindowText,
                         look.text == -1 ? QColor(Qt::black) : qt::toQColor(look.text));
        label->setPalette(palette);
        label->setAutoFillBackground(true);
    }
    label->update();
}

} // namespace ui::backend
