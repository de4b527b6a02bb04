// Keyboard focus: the Tab walk in creation order, the focus a window gives
// back when it is activated again, and the focus a hidden gadget gives up.
#include "ui/core/records.h"

#include <algorithm>

namespace ui::detail {
namespace {

GadgetRecord* focusedGadget(const WindowRecord& window) {
    return findGadget(backend::focusedControl(window.native));
}

// Visible, enabled tab stops: every kind but the label. The program never
// disables a gadget.
std::vector<GadgetRecord*> tabStops(int window) {
    std::vector<GadgetRecord*> stops = gadgetsOf(window);
    std::erase_if(stops, [](const GadgetRecord* record) {
        return record->hidden || record->kind == GadgetKind::TextLabel;
    });
    return stops;
}

} // namespace

// Keys must never reach a hidden gadget. The focus is given up rather than
// moved on: the user chose no other gadget, and the next key should not act
// on one (passing it on would often wrap round to the load button, and a
// Space would reload the list). It is given up before the gadget is hidden,
// so the platform has no focus to hand on by itself.
void giveUpFocusBeforeHiding(const GadgetRecord& gadget) {
    WindowRecord* window = findWindow(gadget.window);
    if (!window)
        return;
    if (window->savedFocus == gadget.number)
        window->savedFocus = 0;
    if (focusedGadget(*window) == &gadget)
        backend::focus(window->native, nullptr);
}

} // namespace ui::detail

namespace ui::core {

using detail::GadgetRecord;

bool tabKey(int window, bool backwards) {
    detail::WindowRecord* record = detail::findWindow(window);
    if (!record)
        return false;
    const GadgetRecord* focused = detail::focusedGadget(*record);
    // A plain Tab in an editable text area is typed into it; Shift+Tab
    // always moves on.
    if (!backwards && focused && focused->kind == GadgetKind::TextArea &&
        backend::isEditable(focused->native))
        return false;
    const std::vector<GadgetRecord*> stops = detail::tabStops(window);
    if (stops.empty())
        return true;
    const auto here = std::find(stops.begin(), stops.end(), focused);
    const int count = static_cast<int>(stops.size());
    int next;
    if (here == stops.end())
        next = backwards ? count - 1 : 0;
    else
        next = (static_cast<int>(here - stops.begin()) + (backwards ? count - 1 : 1)) % count;
    backend::focus(record->native, stops[static_cast<std::size_t>(next)]->native);
    return true;
}

// Whether a Tab (Shift+Tab) would wrap round from the window's last (first)
// tab stop to its first (last). A window that shares its page with other
// controls lets the key leave it there instead.
bool tabLeavesWindow(int window, bool backwards) {
    detail::WindowRecord* record = detail::findWindow(window);
    if (!record)
        return false;
    const GadgetRecord* focused = detail::focusedGadget(*record);
    if (!focused || (!backwards && focused->kind == GadgetKind::TextArea &&
                     backend::isEditable(focused->native)))
        return false;
    const std::vector<GadgetRecord*> stops = detail::tabStops(window);
    return !stops.empty() && focused == (backwards ? stops.front() : stops.back());
}

// Activating a window gives the focus to no gadget of its own accord: the
// one that had it when the window was last deactivated gets it back (none
// when none had it then), and when the window first opens none has it.
void windowDeactivated(int window) {
    detail::WindowRecord* record = detail::findWindow(window);
    if (!record)
        return;
    const GadgetRecord* focused = detail::focusedGadget(*record);
    record->savedFocus = focused ? focused->number : 0;
}

void windowActivated(int window) {
    detail::WindowRecord* record = detail::findWindow(window);
    if (!record)
        return;
    const GadgetRecord* saved = detail::findGadget(record->savedFocus);
    if (saved && saved->window == window && !saved->hidden)
        backend::focus(record->native, saved->native);
}

} // namespace ui::core
