// The window drawn on screens of 96, 120, 144 and 192 logical DPI (the
// desktop's font DPI, Xft.dpi on X11) must come out the same, pixel for
// pixel: the geometry is fixed in pixels, so the fonts and the style's
// measures must be too. Each screen is a fresh process of this program,
// since Qt reads the screen once, at start.
#include "app/gadget_numbers.h"
#include "app/main_window.h"
#include "ui/qt/gadget_record.h"
#include "ui/toolkit.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QScreen>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr char kDrawTo[] = "LARKSPIN_DRAW_TO";

// Draws a window with something of every kind on show (coloured labels,
// ticked and unticked boxes, long item texts, a scrolled word list, an open
// list) into PATH-window.png and PATH-list.png, and prints the screen's DPI.
int drawWindow(const QString& path) {
    ui::initToolkit();
    if (!openMainWindow())
        return 1;
    createMainWindowControls();
    const int states[] = {1, 2, 7};
    for (int k = 0; k < 3; ++k) {
        ui::setState(gadget::letterList(k), states[k]);
        ui::setColour(gadget::letterLabel(k), ui::kBackground, ui::rgb(201, 180, 88));
        ui::setColour(gadget::letterLabel(k), ui::kForeground, ui::rgb(255, 255, 255));
    }
    for (int p = 1; p <= gadget::kPositions; ++p)
        ui::setHidden(gadget::tickBox(1, p), 0);
    ui::setState(gadget::tickBox(1, 2), 1);
    ui::setText(gadget::kCountLabel, u"Words: 12972");
    std::u16string words;
    for (int i = 0; i < 500; ++i)
        words += u"CRANE   ";
    ui::setText(gadget::kResultText, words);
    auto* list = static_cast<QComboBox*>(ui::gadgetWidget(gadget::letterList(0)));
    list->showPopup();
    QApplication::processEvents();
    ui::windowWidget(gadget::kMainWindow)->grab().save(path + "-window.png");
    list->view()->window()->grab().save(path + "-list.png");
    std::printf("%g\n", QGuiApplication::primaryScreen()->logicalDotsPerInch());
    ui::closeToolkit();
    return 0;
}

// Runs this program on a screen of the DPI; false when it failed.
bool drawOnScreen(const QTemporaryDir& directory, int dpi) {
    const QString screen = directory.filePath(QString("screen%1.json").arg(dpi));
    QFile config(screen);
    if (!config.open(QIODevice::WriteOnly))
        return false;
    config.write(QString(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1600,
        "height": 1200, "logicalDpi": %1, "logicalBaseDpi": 96, "dpr": 1.0}]})")
                     .arg(dpi)
                     .toUtf8());
    config.close();
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + screen);
    environment.insert(kDrawTo, directory.filePath(QString::number(dpi)));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    if (!child.waitForFinished(60000) || child.exitCode() != 0)
        return false;
    return child.readAllStandardOutput().trimmed().toInt() == dpi;
}

TEST(FontDpi, WindowLooksTheSameAtEveryFontDpi) {
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    for (int dpi : {96, 120, 144, 192})
        ASSERT_TRUE(drawOnScreen(directory, dpi)) << dpi;
    for (const char* part : {"-window.png", "-list.png"}) {
        const QImage reference(directory.filePath(QString("96") + part));
        ASSERT_FALSE(reference.isNull());
        for (int dpi : {120, 144, 192})
            EXPECT_TRUE(QImage(directory.filePath(QString::number(dpi) + part)) == reference)
                << dpi << part;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (const char* path = std::getenv(kDrawTo))
        return drawWindow(QString::fromLocal8Bit(path));
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
