// Text labels: static text that reports nothing, painted in the look the
// core decided for it.
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

QWidget* newLabel(QWidget* window, int, const QString& text, int flags) {
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

void repaint(Native native, const LabelLook& look) {
    QWidget* label = qt::widget(native);
    const bool own = look.fill != LabelLook::PlatformLook;
    QPalette palette = own ? QApplication::palette(label) : QPalette();
    if (own) {
        palette.setBrush(QPalette::Window, look.brush ? *static_cast<QBrush*>(look.brush)
                                                      : palette.brush(QPalette::Button));
        palette.setColor(QPalette::WindowText, qt::toQColor(look.text));
    }
    label->setPalette(palette);
    label->setAutoFillBackground(own);
    label->update();
}

} // namespace ui::backend
