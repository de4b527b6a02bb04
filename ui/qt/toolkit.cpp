// Starting and stopping the toolkit, and the fonts it hands to gadgets.
#include "ui/toolkit.h"
#include "ui/qt/gadget_record.h"

#include <QApplication>
#include <QFontDatabase>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace ui::detail {
namespace {

QApplication* ownApplication = nullptr;
QFont defaultFont;
int gadgetFont = kDefaultFont;
bool starting = false;

// Qt gives up with a fatal message when it cannot reach a display. There is
// then no window to open, and the program ends quietly with exit code 0; the
// reason still goes to standard error for whoever started it.
void messageHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg && starting)
        std::_Exit(0);
}

} // namespace

QFont fontFor(int font) {
    if (font == kDefaultFont)
        return defaultFont;
    QFont stock = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    stock.setBold(true);
    return stock;
}

int currentGadgetFont() { return gadgetFont; }
void setCurrentGadgetFont(int font) { gadgetFont = font; }

} // namespace ui::detail

namespace ui {

void initToolkit() {
    // Geometry is in plain device pixels: Qt must not scale it by the DPI.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qunsetenv("QT_USE_PHYSICAL_DPI");

    if (!QApplication::instance()) {
        static int argc = 1;
        static char name[] = "larkspin";
        static char* argv[] = {name, nullptr};
        qInstallMessageHandler(detail::messageHandler);
        detail::starting = true;
        detail::ownApplication = new QApplication(argc, argv);
        detail::starting = false;
        qInstallMessageHandler(nullptr);
    }
    detail::defaultFont = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    detail::gadgetFont = kDefaultFont;
    detail::installKeyboardNavigation();
}

void closeToolkit() {
    detail::destroyAllGadgets();
    detail::dropAllEvents();
    detail::gadgetFont = kDefaultFont;
    delete detail::ownApplication;
    detail::ownApplication = nullptr;
}

} // namespace ui
