// Starting and stopping Qt, the two faces the controls draw in, and the wait
// for the platform.
#include "ui/qt/qt_backend.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFontDatabase>
#include <QStyle>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace ui::qt {
namespace {

std::unique_ptr<State> current;

// Qt gives up with a fatal message when it cannot reach a display. There is
// then no window to open, and the program ends quietly with exit code 0; the
// reason still goes to standard error for whoever started it. Installed only
// while the application object is made.
void messageHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg)
        std::_Exit(0);
}

// The geometry is fixed in pixels, so the texts must be too: a font sized
// in points grows with the desktop's font DPI (Xft.dpi) and would no longer
// fit its control. Sizes are resolved once at 96 DPI, as for a program that
// knows nothing of the screen's DPI.
QFont systemFont(bool bold) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (font.pixelSize() <= 0)
        font.setPixelSize(qRound(font.pointSizeF() * 96.0 / 72.0));
    if (bold)
        font.setBold(true);
    return font;
}

} // namespace

State& state() { return *current; }

} // namespace ui::qt

namespace ui::backend {

void start() {
    // Geometry is in plain device pixels: Qt must not scale it by the DPI.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qunsetenv("QT_USE_PHYSICAL_DPI");

    // The style's own measures (the tick indicator, frames, margins) are
    // likewise taken at 96 DPI.
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);

    qt::current = std::make_unique<qt::State>();
    if (!QApplication::instance()) {
        static int argc = 1;
        static char name[] = "larkspin";
        static char* argv[] = {name, nullptr};
        qInstallMessageHandler(qt::messageHandler);
        qt::current->ownApplication = new QApplication(argc, argv);
        qInstallMessageHandler(nullptr);
    }
    qt::current->faces[0] = qt::systemFont(false);
    qt::current->faces[1] = qt::systemFont(true);
    qt::installWindowHooks();
}

void stop() {
    delete qt::current->windowHooks;
    delete qt::current->dropBelow;
    delete qt::current->ownApplication;
    qt::current.reset();
}

int waitForPlatform() {
    if (!QCoreApplication::instance())
        return 0;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}

} // namespace ui::backend
