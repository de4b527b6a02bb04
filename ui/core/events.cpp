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
