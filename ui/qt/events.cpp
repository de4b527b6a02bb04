// Waiting for the platform: Qt's own events, which the widgets handle and
// report to the core.
#include "ui/backend.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>

namespace ui::backend {

int waitForPlatform() {
    if (!QCoreApplication::instance())
        return 0;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}

} // namespace ui::backend
