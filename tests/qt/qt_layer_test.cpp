// What only the Qt toolkit layer shows: tick boxes under the mouse and the
// keyboard, the focus on activation, the result area's keys, and the window
// drawn for tests/qt/font_dpi.sh. What a screen reader reads is
// tests/smoke/read_accessibility_bus.py's.
#include "tests/support/main_window_fixture.h"
#include "ui/toolkit.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

namespace {

using namespace gadget;

QWidget* mainWindow() { return static_cast<QWidget*>(ui::core::nativeWindow(kMainWindow)); }
QWidget* widget(int number) { return static_cast<QWidget*>(ui::core::nativeGadget(number)); }

class QtLayerTest : public MainWindowTest {};

// The whole 25 x 21 box takes a click, which raises one click event; the box
// takes the focus, and gives it up when it hides, so that Space reaches no
// hidden control.
TEST_F(QtLayerTest, ATickBoxTakesClicksAnywhereAndNoKeysOnceHidden) {
    const int box = tickBox(4, 2);
    ui::setHidden(box, 0);
    const QRect place = widget(box)->geometry();
    int ticked = 0;
    for (const QPoint& corner :
         {place.topLeft(), place.topRight(), place.bottomLeft(), place.bottomRight()}) {
        QTest::mouseClick(mainWindow()->windowHandle(), Qt::LeftButton, {}, corner);
        ASSERT_EQ(driver::pendingEvents(), 1) << corner.x() << "," << corner.y();
        EXPECT_EQ(ui::nextEvent(), ui::kGadgetEvent);
        EXPECT_EQ(std::tuple(ui::getState(box), ui::eventSource(), ui::eventType()),
                  std::tuple(ticked = 1 - ticked, box, ui::kClick));
    }
    ASSERT_EQ(driver::focused(), box);
    ui::setHidden(box, 1);
    QTest::keyClick(mainWindow()->windowHandle(), Qt::Key_Space);
    EXPECT_EQ(std::pair(driver::pendingEvents(), ui::getState(box)), std::pair(0, 0));
}

// The core gives the focus back when the window is active again, and Qt's
// own memory of the focus brings back no gadget that hid meanwhile.
TEST_F(QtLayerTest, TheFocusComesBackWhenTheWindowIsActiveAgain) {
    QWidget other;
    driver::focus(kParseButton);
    for (const int hidden : {0, 1}) {
        other.show();
        other.activateWindow();
        driver::settle();
        ASSERT_EQ(driver::focused(), 0);
        ui::setHidden(kParseButton, hidden);
        mainWindow()->activateWindow();
        driver::settle();
        EXPECT_EQ(driver::focused(), hidden ? 0 : kParseButton);
    }
}

// With something of every kind on show, the result area wraps its lines: a
// long line needs no sideways scrolling; and keys with Ctrl are its own, not
// the window's: Ctrl+A selects all. Asked by LARKSPIN_DRAW_INTO=FOLDER, as
// tests/qt/font_dpi.sh asks on screens of several DPIs, it draws the window
// and its open letter list into FOLDER/DPI-window.png and FOLDER/DPI-list.png,
// named by the DPI that Qt found.
TEST_F(QtLayerTest, TheResultAreaWrapsAndTakesCtrlKeysWithEverythingOnShow) {
    chooseLetterState(0, 1); // the longest item, "Not Present (Grey)"
    chooseLetterState(1, 2); // "Used (Yellow)": its tick boxes show
    clickTickBox(1, 2);
    ui::setText(kCountLabel, u"Words: 12972");
    ui::setText(kResultText, QString("CRANE   ").repeated(500).toStdU16String());
    auto* list = static_cast<QComboBox*>(widget(letterList(0)));
    list->showPopup();
    driver::settle();
    auto* area = static_cast<QPlainTextEdit*>(widget(kResultText));
    EXPECT_EQ(area->horizontalScrollBar()->maximum(), 0);
    if (const QString folder = qEnvironmentVariable("LARKSPIN_DRAW_INTO"); !folder.isEmpty()) {
        const QString prefix = folder + "/" + QString::number(mainWindow()->logicalDpiX());
        EXPECT_TRUE(mainWindow()->grab().save(prefix + "-window.png"));
        EXPECT_TRUE(list->view()->window()->grab().save(prefix + "-list.png"));
    }
    list->hidePopup();
    QTest::keyClick(area, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(area->textCursor().selectedText().size(), 4000);
}

} // namespace
