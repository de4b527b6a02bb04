// Tick boxes under the mouse and the keyboard: the whole box takes a click,
// and a box that hides while it has the focus takes no more keys.
#include "app/gadget_numbers.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/user_actions.h"
#include "ui/qt/gadget_record.h"
#include "ui/toolkit.h"

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

namespace {

using ui::detail::pendingEventCount;

constexpr int kRowE = 4;
constexpr int kUsedYellow = 2;
constexpr int kNotPresent = 1;

QWindow* mainWindow() { return ui::windowWidget(gadget::kMainWindow)->windowHandle(); }

// The gadget that takes the window's keys, whether or not the window is
// active on the headless platform.
QWidget* focusedGadget() { return ui::windowWidget(gadget::kMainWindow)->focusWidget(); }

class TickBoxTest : public MainWindowTest {};

TEST_F(TickBoxTest, AClickAnywhereInTheBoxTogglesItWithOneEvent) {
    const int box = gadget::tickBox(kRowE, 2);
    ui::setHidden(box, 0);
    const QRect place = widgetOf(box)->geometry();
    const QPoint points[] = {place.topLeft(), place.topRight(), place.bottomLeft(),
                             place.bottomRight(), place.center()};
    int expected = 0;
    for (const QPoint& point : points) {
        QTest::mouseClick(mainWindow(), Qt::LeftButton, {}, point);
        expected = 1 - expected;
        EXPECT_EQ(ui::getState(box), expected) << point.x() << "," << point.y();
        ASSERT_EQ(pendingEventCount(), 1) << point.x() << "," << point.y();
        EXPECT_EQ(ui::nextEvent(), ui::kGadgetEvent);
        EXPECT_EQ(ui::eventSource(), box);
        EXPECT_EQ(ui::eventType(), ui::kClick);
    }
}

// Ticking a box gives it the focus; the wheel over its row's list then turns
// the row grey, which hides the box. Space must not reach it any more.
TEST_F(TickBoxTest, AHiddenBoxGivesUpTheFocus) {
    const int box = gadget::tickBox(kRowE, 2);
    chooseLetterState(kRowE, kUsedYellow);
    clickTickBox(kRowE, 2);
    ASSERT_EQ(ui::getState(box), 1);
    ASSERT_EQ(focusedGadget(), widgetOf(box));

    QWidget* list = widgetOf(gadget::letterList(kRowE));
    const QPointF centre = QRectF(list->rect()).center();
    QWheelEvent wheelUp(centre, list->mapToGlobal(centre), QPoint(), QPoint(0, 120), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list, &wheelUp);
    dispatchPendingEvents();
    ASSERT_EQ(ui::getState(gadget::letterList(kRowE)), kNotPresent);
    ASSERT_FALSE(widgetOf(box)->isVisible());
    EXPECT_EQ(focusedGadget(), nullptr);

    QTest::keyClick(mainWindow(), Qt::Key_Space);
    EXPECT_EQ(dispatchPendingEvents(), 0);
    EXPECT_EQ(ui::getState(box), 1);

    // Tab starts again from the first gadget.
    QTest::keyClick(mainWindow(), Qt::Key_Tab);
    EXPECT_EQ(focusedGadget(), widgetOf(gadget::kLoadButton));
}

} // namespace
