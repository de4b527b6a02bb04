// What only the Qt toolkit layer shows: tick boxes under the mouse and the
// keyboard. What a screen reader reads is tests/smoke/read_accessibility_bus.py's.
#include "layout/gadget_numbers.h"
#include "tests/support/main_window_fixture.h"
#include "ui/backend.h"
#include "ui/core/event_queue.h"
#include "ui/toolkit.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QWindow>

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
        EXPECT_EQ(ui::getState(box), ticked = 1 - ticked) << corner.x() << "," << corner.y();
        ASSERT_EQ(ui::detail::pendingEventCount(), 1) << corner.x() << "," << corner.y();
        EXPECT_EQ(ui::nextEvent(), ui::kGadgetEvent);
        EXPECT_EQ(std::pair(ui::eventSource(), ui::eventType()), std::pair(box, ui::kClick));
    }
    ASSERT_EQ(mainWindow()->focusWidget(), widget(box));
    ui::setHidden(box, 1);
    QTest::keyClick(mainWindow()->windowHandle(), Qt::Key_Space);
    EXPECT_EQ(ui::detail::pendingEventCount(), 0);
    EXPECT_EQ(ui::getState(box), 0);
}

// The result area wraps its lines: a long line needs no sideways scrolling.
// Keys with Ctrl are its own, not the window's: Ctrl+A selects all.
TEST_F(QtLayerTest, TheResultAreaWrapsAtItsWidthAndTakesCtrlKeys) {
    ui::setText(kResultText, std::u16string(500, u'W'));
    driver::settle();
    auto* area = static_cast<QPlainTextEdit*>(widget(kResultText));
    EXPECT_EQ(area->horizontalScrollBar()->maximum(), 0);
    QTest::keyClick(area, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(area->textCursor().selectedText().size(), 500);
}

// The core gives the focus back when the window is active again, and Qt's
// own memory of the focus brings back no gadget that hid meanwhile.
TEST_F(QtLayerTest, TheFocusComesBackWhenTheWindowIsActiveAgain) {
    QWidget other;
    const auto switchAway = [&] {
        other.show();
        other.activateWindow();
        driver::settle();
        ASSERT_EQ(driver::focused(), 0);
    };
    const auto switchBack = [] {
        mainWindow()->activateWindow();
        driver::settle();
    };
    driver::focus(kParseButton);
    switchAway();
    switchBack();
    EXPECT_EQ(driver::focused(), kParseButton);
    switchAway();
    ui::setHidden(kParseButton, 1);
    switchBack();
    EXPECT_EQ(driver::focused(), 0);
}

} // namespace
