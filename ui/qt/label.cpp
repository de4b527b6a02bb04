// Text labels: static text that reports nothing, with an optional text and
// background colour.
#include "ui/qt/gadget_record.h"
#include "ui/toolkit.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QLabel>
#include <QPalette>

#include <map>

namespace ui::detail {
namespace {

// One brush per background colour in use, shared by every label of that
// colour, so setting colours again and again never piles up brushes.
struct CachedBrush {
    QBrush brush;
    int references = 0;
};
std::map<int, CachedBrush> brushCache;

QColor toQColor(int colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

void takeBrush(int colour) {
    CachedBrush& cached = brushCache[colour];
    if (cached.references == 0)
        cached.brush = QBrush(toQColor(colour));
    ++cached.references;
}

void dropBrush(int colour) {
    auto found = brushCache.find(colour);
    if (found != brushCache.end() && --found->second.references <= 0)
        brushCache.erase(found);
}

// Paints the label from its record:
// - no colour set: the platform's default look;
// - only a text colour: that colour on the button face;
// - a background colour: the whole label filled with it, the text in the
//   text colour if one is set, else black.
void applyColours(const GadgetRecord& record) {
    auto* label = static_cast<QLabel*>(record.widget);
    if (record.textColour == -1 && record.backgroundColour == -1) {
        label->setAutoFillBackground(false);
        label->setPalette(QPalette());
    } else {
        QPalette palette = QApplication::palette(label);
        if (record.backgroundColour == -1)
            palette.setBrush(QPalette::Window, palette.brush(QPalette::Button));
        else
            palette.setBrush(QPalette::Window, brushCache[record.backgroundColour].brush);
        palette.setColor(QPalette::WindowText,
                         record.textColour == -1 ? QColor(Qt::black) : toQColor(record.textColour));
        label->setPalette(palette);
        label->setAutoFillBackground(true);
    }
    label->update();
}

} // namespace

void setLabelColour(GadgetRecord& label, int which, int colour) {
    if (colour < -1)
        colour = -1;
    if (which == kForeground) {
        label.textColour = colour;
    } else if (which == kBackground) {
        releaseLabelBrush(label);
        label.backgroundColour = colour;
        if (colour != -1)
            takeBrush(colour);
    } else {
        return;
    }
    applyColours(label);
}

void releaseLabelBrush(GadgetRecord& label) {
    if (label.backgroundColour != -1)
        dropBrush(label.backgroundColour);
    label.backgroundColour = -1;
}

int liveBrushCount() { return static_cast<int>(brushCache.size()); }

} // namespace ui::detail

namespace ui {

int newLabel(int number, int x, int y, int width, int height, const std::u16string& text,
             int flags) {
    detail::WindowRecord* window = detail::currentContainer();
    if (!window || number < 0)
        return 0;
    auto* label = new QLabel(detail::toQString(text), window->widget);
    label->setTextFormat(Qt::PlainText); // shown literally, never as markup
    const Qt::Alignment horizontal = (flags & kLabelCentred) ? Qt::AlignHCenter : Qt::AlignLeft;
    label->setAlignment(horizontal | Qt::AlignVCenter);
    label->setFocusPolicy(Qt::NoFocus);
    detail::registerGadget(number, detail::GadgetKind::TextLabel, label, x, y, width, height);
    return 1;
}

} // namespace ui
