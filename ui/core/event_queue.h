// Private to the toolkit core: the one event queue, with its coalescing of
// identical reports and the suppression of the program's own changes.
#pragma once

namespace ui::detail {

void postEvent(int code, int source, int window, int type);
void dropAllEvents();
// Forgets the last event, then takes the head of the queue as the new last
// event and returns its code; 0 when the queue is empty.
int takeEvent();

// While one of these lives, nothing is posted: the program's own changes to
// a control must not come back to it as user events. Every toolkit
// operation that changes a control in a way the platform may report holds
// one, so the suppression is restored on every path out of it.
class SuppressEvents {
  public:
    SuppressEvents();
    ~SuppressEvents();
    SuppressEvents(const SuppressEvents&) = delete;
    SuppressEvents& operator=(const SuppressEvents&) = delete;
};

} // namespace ui::detail
