// Label colours, and the brushes their backgrounds are painted with.
#include "ui/core/records.h"
#include "ui/test_hooks.h"
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
    backend::repaint(label.native, core::labelLook(label.number));
}

void releaseLabelBrush(GadgetRecord& label) {
    if (label.backgroundColour != -1)
        dropBrush(label.backgroundColour);
    label.backgroundColour = -1;
}

} // namespace ui::detail

namespace ui::core {

// With no colour set, the platform's look. A text colour alone sits on the
// button face. A background colour fills the whole label with its brush,
// under the text colour if one is set, else black.
LabelLook labelLook(int number) {
    const detail::GadgetRecord* label = detail::findGadget(number);
    if (!label || label->kind != GadgetKind::TextLabel ||
        (label->textColour == -1 && label->backgroundColour == -1))
        return {};
    if (label->backgroundColour == -1)
        return {LabelLook::ButtonFace, -1, nullptr, label->textColour};
    return {LabelLook::OwnColour, label->backgroundColour,
            detail::brushCache[label->backgroundColour].brush,
            label->textColour == -1 ? rgb(0, 0, 0) : label->textColour};
}

} // namespace ui::core

int ui::test::liveBrushCount() { return static_cast<int>(ui::detail::brushCache.size()); }
