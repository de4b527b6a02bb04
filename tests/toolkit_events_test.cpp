// Which user actions become events, and which program actions do not.
#include "app/gadget_numbers.h"
#include "tests/support/main_window_fixture.h"
#include "ui/qt/gadget_record.h"
#include "ui/toolkit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QTest>
#include <QWindow>

using ui::detail::pendingEventCount;

namespace {

// Takes the one event that should be waiting and checks it.
void expectOnlyEvent(int code, int source, int type) {
    ASSERT_EQ(pendingEventCount(), 1);
    EXPECT_EQ(ui::nextEvent(), code);
    EXPECT_EQ(ui::eventSource(), source);
    EXPECT_EQ(ui::eventType(), type);
    EXPECT_EQ(ui::eventWindow(), gadget::kMainWindow);
}

class ToolkitEventsTest : public MainWindowTest {};

// Clicks go through the window, where the platform delivers them: a hidden
// tick box is not there to be hit.
TEST_F(ToolkitEventsTest, ClicksOnButtonsAndVisibleTickBoxes) {
    QTest::mouseClick(widgetOf(gadget::kParseButton), Qt::LeftButton);
    expectOnlyEvent(ui::kGadgetEvent, gadget::kParseButton, ui::kClick);

    const int box = gadget::tickBox(4, 2);
    QWindow* window = ui::windowWidget(gadget::kMainWindow)->windowHandle();
    const QPoint centre = widgetOf(box)->geometry().center();
    ui::setState(box, 1);
    QTest::mouseClick(window, Qt::LeftButton, {}, centre);
    EXPECT_EQ(ui::getState(box), 1);
    EXPECT_EQ(pendingEventCount(), 0);

    ui::setHidden(box, 0);
    QTest::mouseClick(window, Qt::LeftButton, {}, centre);
    EXPECT_EQ(ui::getState(box), 0); // toggled before the event
    expectOnlyEvent(ui::kGadgetEvent, box, ui::kClick);
}

TEST_F(ToolkitEventsTest, ChoosingAListItemGivesOneChangeEventBrowsingNone) {
    auto* list = static_cast<QComboBox*>(widgetOf(gadget::letterList(4)));
    list->showPopup();
    QTest::keyClick(list->view(), Qt::Key_Escape);
    list->showPopup();
    list->hidePopup();
    QApplication::processEvents();
    EXPECT_EQ(pendingEventCount(), 0);

    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(ui::getState(gadget::letterList(4)), 1);
    expectOnlyEvent(ui::kGadgetEvent, gadget::letterList(4), ui::kChange);

    list->showPopup(); // drops open below the field, all eight items at once
    const QWidget* popup = list->view()->window();
    EXPECT_GE(popup->y(), list->mapToGlobal(QPoint(0, list->height() - 1)).y());
    EXPECT_GE(list->view()->height(), 8 * list->view()->sizeHintForRow(0));
    QTest::keyClick(list->view(), Qt::Key_Down);
    QTest::keyClick(list->view(), Qt::Key_Return);
    EXPECT_EQ(ui::getState(gadget::letterList(4)), 2);
    expectOnlyEvent(ui::kGadgetEvent, gadget::letterList(4), ui::kChange);
}

TEST_F(ToolkitEventsTest, ProgramChangesRaiseNoEventsButEmptyingTheAreaDoes) {
    ui::setState(gadget::letterList(2), 5);
    ui::setState(gadget::tickBox(2, 3), 1);
    ui::addItem(gadget::letterList(2), -1, u"extra");
    ui::setText(gadget::kResultText, u"CRANE   ");
    ui::setText(gadget::kCountLabel, u"Words: 1");
    ui::setHidden(gadget::tickBox(2, 3), 0);
    ui::setColour(gadget::letterLabel(2), ui::kBackground, ui::rgb(1, 2, 3));
    QApplication::processEvents();
    EXPECT_EQ(pendingEventCount(), 0);

    // Emptying is not wrapped: the area reports it, and the shell ignores it.
    ui::removeAllItems(gadget::kResultText);
    EXPECT_EQ(resultTextContent(), u"");
    expectOnlyEvent(ui::kGadgetEvent, gadget::kResultText, ui::kChange);
}

TEST_F(ToolkitEventsTest, TextAreaReportsFocusAndEdits) {
    QWidget* area = widgetOf(gadget::kResultText);
    area->setFocus();
    QApplication::processEvents();
    expectOnlyEvent(ui::kGadgetEvent, gadget::kResultText, ui::kFocus);
    QTest::keyClicks(area, "ab"); // two identical reports in a row wait as one
    expectOnlyEvent(ui::kGadgetEvent, gadget::kResultText, ui::kChange);
    widgetOf(gadget::kLoadButton)->setFocus();
    QApplication::processEvents();
    expectOnlyEvent(ui::kGadgetEvent, gadget::kResultText, ui::kFocusLost);
}

TEST_F(ToolkitEventsTest, OnlyIdenticalEventsAtTheTailCoalesce) {
    QTest::mouseClick(widgetOf(gadget::kLoadButton), Qt::LeftButton);
    QTest::mouseClick(widgetOf(gadget::kLoadButton), Qt::LeftButton);
    QTest::mouseClick(widgetOf(gadget::kParseButton), Qt::LeftButton);
    QTest::mouseClick(widgetOf(gadget::kLoadButton), Qt::LeftButton);
    const int expected[] = {gadget::kLoadButton, gadget::kParseButton, gadget::kLoadButton};
    ASSERT_EQ(pendingEventCount(), 3);
    for (int source : expected) {
        EXPECT_EQ(ui::nextEvent(), ui::kGadgetEvent);
        EXPECT_EQ(ui::eventSource(), source);
    }
}

TEST_F(ToolkitEventsTest, CloseBoxAsksButDoesNotClose) {
    QWidget* window = ui::windowWidget(gadget::kMainWindow);
    QCloseEvent close;
    QApplication::sendEvent(window, &close);
    EXPECT_FALSE(close.isAccepted());
    EXPECT_TRUE(window->isVisible());
    expectOnlyEvent(ui::kCloseRequest, gadget::kMainWindow, 0);
    QTest::mouseClick(widgetOf(gadget::kResetButton), Qt::LeftButton); // still working
    expectOnlyEvent(ui::kGadgetEvent, gadget::kResetButton, ui::kClick);
}

} // namespace
