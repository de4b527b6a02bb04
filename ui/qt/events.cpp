// Waiting for the next event: the shared queue first, then Qt's own events.
#include "ui/core/event_queue.h"
#include "ui/toolkit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>

namespace ui {

int nextEvent() {
    if (const int code = detail::takeEvent())
        return code;
    if (!QCoreApplication::instance())
        return 0;
    // Blocks until the platform has something, then lets the widgets handle
    // it; whatever they post comes out of the following calls.
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}

} // namespace ui
