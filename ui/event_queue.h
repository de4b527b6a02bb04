// Private to the toolkit layers: the event queue that both share. It knows
// nothing of the platform; each layer posts what its controls report and
// waits for the platform in its own nextEvent().
#pragma once

namespace ui::detail {

void postEvent(int code, int source, int window, int type);
int pendingEventCount();
void dropAllEvents();
// Forgets the last event, then takes the head of the queue as the new last
// event and returns its code; 0 when the queue is empty.
int takeEvent();

// While one of these lives, nothing is posted: the program's own changes to
// a control must not come back to it as user events.
class SuppressEvents {
  public:
    SuppressEvents();
    ~SuppressEvents();
    SuppressEvents(const SuppressEvents&) = delete;
    SuppressEvents& operator=(const SuppressEvents&) = delete;
};

} // namespace ui::detail
