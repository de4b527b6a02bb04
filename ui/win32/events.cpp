// The event queue: what the gadgets report, in order, one at a time.
#include "ui/toolkit.h"
#include "ui/win32/gadget_record.h"

#include <deque>

namespace ui::detail {
namespace {

struct Event {
    int code = 0;
    int source = 0;
    int window = 0;
    int type = 0;
};

std::deque<Event> queue;
Event lastEvent;
int suppression = 0;

// The window whose accelerators see a message: the active one, if it is
// one of ours.
bool translateAccelerators(MSG& message) {
    WindowRecord* window = findWindow(GetActiveWindow());
    if (!window || !window->accelerators || !acceleratorsMaySee(message))
        return false;
    return TranslateAcceleratorW(window->handle, window->accelerators, &message) != 0;
}

} // namespace

SuppressEvents::SuppressEvents() { ++suppression; }
SuppressEvents::~SuppressEvents() { --suppression; }

void postEvent(int code, int source, int window, int type) {
    if (suppression > 0)
        return;
    // Identical reports that pile up before the program takes them count once.
    if (!queue.empty()) {
        const Event& tail = queue.back();
        if (tail.code == code && tail.source == source && tail.window == window &&
            tail.type == type && code <= 0xFFFF)
            return;
    }
    queue.push_back(Event{code, source, window, type});
}

int pendingEventCount() { return static_cast<int>(queue.size()); }

void dropAllEvents() {
    queue.clear();
    lastEvent = Event{};
}

} // namespace ui::detail

namespace ui {

int nextEvent() {
    using detail::lastEvent;
    using detail::queue;
    lastEvent = detail::Event{};
    if (!queue.empty()) {
        lastEvent = queue.front();
        queue.pop_front();
        return lastEvent.code;
    }
    // Blocks until the platform has something, then lets the window handle
    // it; whatever it posts comes out of the following calls.
    MSG message{};
    if (GetMessageW(&message, nullptr, 0, 0) <= 0)
        return 0;
    if (!detail::translateAccelerators(message)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // The message's own number, which the caller ignores; it must never pass
    // for one of the two event codes.
    const int code = static_cast<int>(message.message);
    return code == kGadgetEvent || code == kCloseRequest ? 0 : code;
}

int eventSource() { return detail::lastEvent.source; }
int eventType() { return detail::lastEvent.type; }
int eventWindow() { return detail::lastEvent.window; }

} // namespace ui
