// Label colours, and the brushes their backgrounds are painted with.
#include "ui/core/records.h"
#include "ui/toolkit.h"

#include <map>

namespace ui::detail {
namespace {

// One brush per background colour in use, shared by every label of that
// colour: the panel sets two colours on each of 26 labels after every user
// action, and a brush per call would soon exhaust the platform's handles.
struct CachedBrush {
    Brush brush = nullptr;
    int references = 0;
};
std::map<int, CachedBrush> brushCache;

void takeBrush(int colour) {
    CachedBrush& cached = brushCache[colour];
    if (cached.references == 0)
        cached.brush = backend::createBrush(colour);
    ++cached.references;
}

void dropBrush(int colour) {
    auto found = brushCache.find(colour);
    if (found == brushCache.end() || --found->second.references > 0)
        return;
    backend::destroyBrush(found->second.brush);
    brushCache.erase(found);
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
    backend::repaint(label.native);
}

void releaseLabelBrush(GadgetRecord& label) {
    if (label.backgroundColour != -1)
        dropBrush(label.backgroundColour);
    label.backgroundColour = -1;
}

} // namespace ui::detail

namespace ui::core {

LabelLook labelLook(int number) {
    const detail::GadgetRecord* label = detail::findGadget(number);
    if (!label || label->kind != GadgetKind::TextLabel)
        return {};
    LabelLook look{label->textColour, label->backgroundColour, nullptr};
    if (label->backgroundColour != -1)
        look.brush = detail::brushCache[label->backgroundColour].brush;
    return look;
}

int liveBrushCount() { return static_cast<int>(detail::brushCache.size()); }

} // namespace ui::core
