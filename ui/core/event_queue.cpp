// The event queue: what the gadgets report, in order, one at a time.
#include "ui/core/event_queue.h"
#include "ui/test_hooks.h"
#include "ui/toolkit.h"

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

void dropAllEvents() {
    queue.clear();
    lastEvent = Event{};
}

int takeEvent() {
    lastEvent = Event{};
    if (queue.empty())
        return 0;
    lastEvent = queue.front();
    queue.pop_front();
    return lastEvent.code;
}

} // namespace ui::detail

namespace ui {

int test::pendingEventCount() { return static_cast<int>(detail::queue.size()); }

int eventSource() { return detail::lastEvent.source; }
int eventType() { return detail::lastEvent.type; }
int eventWindow() { return detail::lastEvent.window; }

} // namespace ui
