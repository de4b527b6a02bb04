// Draws the main window, with something of every kind on show, into
// PREFIX-window.png and its open letter list into PREFIX-list.png, and prints
// the screen's logical DPI: tests/qt/font_dpi.sh compares the drawings made
// on screens of several DPIs.
//   draw_window PREFIX
#include "app/main_window.h"
#include "layout/gadget_numbers.h"
#include "ui/backend.h"
#include "ui/toolkit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QScreen>

#include <cstdio>

int main(int argc, char** argv) {
    using namespace gadget;
    ui::initToolkit();
    if (argc != 2 || !openMainWindow())
        return 1;
    createMainWindowControls();
    ui::setState(letterList(0), 1); // the longest item, "Not Present (Grey)"
    ui::setState(letterList(1), 2); // "Used (Yellow)": its boxes show, one ticked
    for (int p = 1; p <= kPositions; ++p)
        ui::setHidden(tickBox(1, p), 0);
    ui::setState(tickBox(1, 2), 1);
    ui::setText(kCountLabel, u"Words: 12972");
    ui::setText(kResultText, QString("CRANE   ").repeated(500).toStdU16String());
    auto* list =
        static_cast<QComboBox*>(static_cast<QWidget*>(ui::core::nativeGadget(letterList(0))));
    list->showPopup();
    QApplication::processEvents();
    const QString prefix = QString::fromLocal8Bit(argv[1]);
    static_cast<QWidget*>(ui::core::nativeWindow(kMainWindow))->grab().save(prefix + "-window.png");
    list->view()->window()->grab().save(prefix + "-list.png");
    std::printf("%g\n", QGuiApplication::primaryScreen()->logicalDotsPerInch());
    ui::closeToolkit();
}
