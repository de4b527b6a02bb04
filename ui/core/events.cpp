// What the backend reports becomes events; nextEvent hands them out one at a
// time, and waits for the platform when there are none.
#include "ui/core/event_queue.h"
#include "ui/core/records.h"
#include "ui/toolkit.h"

namespace ui::core {

// A report from a control the core no longer knows (one being torn down) is
// dropped.
void reportGadget(int number, int type) {
    if (const detail::GadgetRecord* record = detail::findGadget(number))
        detail::postEvent(kGadgetEvent, number, record->window, type);
}

void reportClose(int window) {
    if (detail::findWindow(window))
        detail::postEvent(kCloseRequest, window, window, 0);
}

// A drop-down list changes by the user's choice when it settles on another
// item than the one last set or chosen. In the closed list every step is a
// choice at once (arrow keys, a typed initial). In the open list only the
// item it closes on is (Enter, a click on it): the items stepped through on
// the way are not, and closing it otherwise puts back the item it opened on.
// Closing it on the item it already showed changes nothing, and where a
// platform tells of one choice twice, the second finds nothing new. Windows
// tells of every step; Qt and the browser tell of choices only.
void reportList(int number, ListReport report) {
    detail::GadgetRecord* list = detail::findGadget(number);
    if (!list || list->kind != GadgetKind::DropDownList)
        return;
    const bool wasOpen = list->open;
    list->open = report == ListReport::Opened || (wasOpen && report == ListReport::Stepped);
    if (list->open)
        return;
    if (report == ListReport::Cancelled) {
        detail::SuppressEvents suppress;
        if (wasOpen && backend::selectedItem(list->native) != list->item)
            backend::selectItem(list->native, list->item);
        return;
    }
    const int now = backend::selectedItem(list->native);
    if (now == list->item)
        return;
    list->item = now;
    detail::postEvent(kGadgetEvent, number, list->window, kChange);
}

} // namespace ui::core

namespace ui {

int nextEvent() {
    if (const int code = detail::takeEvent())
        return code;
    // Whatever the platform reports meanwhile comes out of the following
    // calls. The platform's own number must never pass for an event code.
    const int code = backend::waitForPlatform();
    return code == kGadgetEvent || code == kCloseRequest ? 0 : code;
}

} // namespace ui
