// Text labels: static text that reports nothing, with an optional text and
// background colour that the window applies when the label is painted.
#include "ui/toolkit.h"
#include "ui/win32/gadget_record.h"

#include <map>

namespace ui::detail {
namespace {

// One brush per background colour in use, shared by every label of that
// colour, so setting colours again and again never piles up brushes.
struct CachedBrush {
    HBRUSH brush = nullptr;
    int references = 0;
};
std::map<int, CachedBrush> brushCache;

void takeBrush(int colour) {
    CachedBrush& cached = brushCache[colour];
    if (cached.references == 0)
        cached.brush = CreateSolidBrush(static_cast<COLORREF>(colour));
    ++cached.references;
}

void dropBrush(int colour) {
    auto found = brushCache.find(colour);
    if (found == brushCache.end() || --found->second.references > 0)
        return;
    DeleteObject(found->second.brush);
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
    // The whole label at once, frame and background included.
    RedrawWindow(label.handle, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_FRAME);
}

void releaseLabelBrush(GadgetRecord& label) {
    if (label.backgroundColour != -1)
        dropBrush(label.backgroundColour);
    label.backgroundColour = -1;
}

// - no colour set: the platform's default look;
// - only a text colour: that colour on the button face;
// - a background colour: the whole label filled with it, the text in the
//   text colour if one is set, else the device's default, black.
HBRUSH paintLabel(const GadgetRecord& label, HDC context) {
    if (label.backgroundColour != -1) {
        auto found = brushCache.find(label.backgroundColour);
        if (found == brushCache.end())
            return nullptr;
        if (label.textColour != -1)
            SetTextColor(context, static_cast<COLORREF>(label.textColour));
        SetBkColor(context, static_cast<COLORREF>(label.backgroundColour));
        return found->second.brush;
    }
    if (label.textColour != -1) {
        SetTextColor(context, static_cast<COLORREF>(label.textColour));
        SetBkColor(context, GetSysColor(COLOR_BTNFACE));
        return GetSysColorBrush(COLOR_BTNFACE);
    }
    return nullptr;
}

int liveBrushCount() { return static_cast<int>(brushCache.size()); }

void deleteAllBrushes() {
    for (auto& [colour, cached] : brushCache)
        DeleteObject(cached.brush);
    brushCache.clear();
}

} // namespace ui::detail

namespace ui {

int newLabel(int number, int x, int y, int width, int height, const std::u16string& text,
             int flags) {
    // SS_NOPREFIX: an ampersand is shown as it is, never as a mnemonic.
    DWORD style = WS_GROUP | SS_NOPREFIX;
    if (flags & kLabelCentred)
        style |= SS_CENTER;
    return detail::createGadget(number, detail::GadgetKind::TextLabel, L"Static", style, 0, x, y,
                                width, height, detail::toWide(text))
               ? 1
               : 0;
}

} // namespace ui
