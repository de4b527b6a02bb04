// What only the Qt toolkit layer shows: the window drawn at other font DPIs.
// What screen readers are told is read through the accessibility bus
// (tests/smoke/read_accessibility_bus.py).
#include "tests/support/main_window_fixture.h"
#include "ui/toolkit.h"

#include <QAbstractItemView>
#include <QComboBox>

namespace {

using namespace gadget;

QWidget* mainWindow() { return static_cast<QWidget*>(ui::core::nativeWindow(kMainWindow)); }
QWidget* widget(int number) { return static_cast<QWidget*>(ui::core::nativeGadget(number)); }

class QtLayerTest : public MainWindowTest {};

// The window, with something of every kind on show, and an open letter
// list, drawn at a font DPI of 96 and then of 144 (tests/CMakeLists.txt runs
// this in a process for each: Qt reads the DPI once), come out the same, pixel
// for pixel: the fonts and the style's measures are in pixels, as
// the places are.
TEST_F(QtLayerTest, DISABLED_DrawnAlikeAtEveryFontDpi) {
    const int dpi = qEnvironmentVariableIntValue("QT_FONT_DPI");
    ASSERT_EQ(mainWindow()->logicalDpiX(), dpi);
    chooseLetterState(0, 1); // the longest item, "Not Present (Grey)"
    chooseLetterState(1, 2); // "Used (Yellow)": its tick boxes show
    auto* list = static_cast<QComboBox*>(widget(letterList(2)));
    list->showPopup();
    driver::settle();
    const QImage drawn[] = {mainWindow()->grab().toImage(),
                            list->view()->window()->grab().toImage()};
    for (int i = 0; i < 2; ++i) {
        const QString file = qEnvironmentVariable("LARKSPIN_DRAWINGS") + QString("/%1.png").arg(i);
        if (dpi == 96)
            EXPECT_TRUE(drawn[i].save(file));
        else
            EXPECT_EQ(drawn[i], QImage(file).convertToFormat(drawn[i].format())) << i;
    }
}

} // namespace
