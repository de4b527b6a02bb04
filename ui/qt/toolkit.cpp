// Starting and stopping Qt, and the fonts the controls are given.
#include "ui/toolkit.h"
#include "ui/qt/qt_backend.h"

#include <QApplication>
#include <QFontDatabase>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace ui::qt {
namespace {

QApplication* ownApplication = nullptr;
QFont defaultFont;
bool starting = false;

// Qt gives up with a fatal message when it cannot reach a display. There is
// then no window to open, and the program ends quietly with exit code 0; the
// reason still goes to standard error for whoever started it.
void messageHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg && starting)
        std::_Exit(0);
}

// The geometry is fixed in pixels, so the texts must be too: a font sized
// in points grows with the desktop's font DPI (Xft.dpi) and would no longer
// fit its control. Sizes are resolved once at 96 DPI, as for a program that
// knows nothing of the screen's DPI.
QFont inPixels(QFont font) {
    if (font.pixelSize() <= 0)
        font.setPixelSize(qRound(font.pointSizeF() * 96.0 / 72.0));
    return font;
}

QFont systemFont() { return inPixels(QFontDatabase::systemFont(QFontDatabase::GeneralFont)); }

} // namespace

QFont fontFor(int font) {
    if (font == kDefaultFont)
        return defaultFont;
    QFont stock = systemFont();
    stock.setBold(true);
    return stock;
}

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

    if (!QApplication::instance()) {
        static int argc = 1;
        static char name[] = "larkspin";
        static char* argv[] = {name, nullptr};
        qInstallMessageHandler(qt::messageHandler);
        qt::starting = true;
        qt::ownApplication = new QApplication(argc, argv);
        qt::starting = false;
        qInstallMessageHandler(nullptr);
    }
    qt::defaultFont = qt::systemFont();
    qt::installWindowHooks();
}

void stop() {
    delete qt::ownApplication;
    qt::ownApplication = nullptr;
}

} // namespace ui::backend
