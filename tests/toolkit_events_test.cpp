// Which user actions become events, and which program actions do not.
#include "app/gadget_numbers.h"
#include "tests/support/main_window_fixture.h"
#include "ui/gadget_record.h"
#include "ui/toolkit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

using ui::detail::pendingEventCount;

namespace {

struct TakenEvent {
    int code;
    int source;
    int type;
    int window;
};

TakenEvent takeEvent() {
    const int code = ui::nextEvent();
    return TakenEvent{code, ui::eventSource(), ui::eventType(), ui::eventWindow()};
}

void expectGadgetEvent(int source, int type) {
    ASSERT_EQ(pendingEventCount(), 1);
    const TakenEvent event = takeEvent();
    EXPECT_EQ(event.code, ui::kGadgetEvent);
    EXPECT_EQ(event.source, source);
    EXPECT_EQ(event.type, type);
    EXPECT_EQ(event.window, gadget::kMainWindow);
}

class ToolkitEventsTest : public MainWindowTest {};

TEST_F(ToolkitEventsTest, ButtonClickGivesOneClickEvent) {
    QTest::mouseClick(widgetOf(gadget::kParseButton), Qt::LeftButton);
    expectGadgetEvent(gadget::kParseButton, ui::kClick);
    EXPECT_EQ(pendingEventCount(), 0);
}

TEST_F(ToolkitEventsTest, TickBoxClickTogglesThenReports) {
    const int box = gadget::tickBox(0, 1);
    ui::setHidden(box, 0);
    QTest::mouseClick(widgetOf(box), Qt::LeftButton);
    EXPECT_EQ(ui::getState(box), 1);
    expectGadgetEvent(box, ui::kClick);

    // The space bar on a focused box toggles it too.
    widgetOf(box)->setFocus();
    QTest::keyClick(widgetOf(box), Qt::Key_Space);
    EXPECT_EQ(ui::getState(box), 0);
    expectGadgetEvent(box, ui::kClick);
}

// Clicks through the window, where the platform delivers them: a hidden box
// is not there to be hit.
TEST_F(ToolkitEventsTest, HiddenTickBoxCannotBeClicked) {
    const int box = gadget::tickBox(4, 2);
    QWindow* window = ui::windowWidget(gadget::kMainWindow)->windowHandle();
    const QPoint centre = widgetOf(box)->geometry().center();
    ui::setState(box, 1);
    QTest::mouseClick(window, Qt::LeftButton, {}, centre);
    EXPECT_EQ(ui::getState(box), 1);
    EXPECT_EQ(pendingEventCount(), 0);

    ui::setHidden(box, 0);
    QTest::mouseClick(window, Qt::LeftButton, {}, centre);
    EXPECT_EQ(ui::getState(box), 0);
    expectGadgetEvent(box, ui::kClick);
}

TEST_F(ToolkitEventsTest, ChoosingAListItemGivesOneChangeEvent) {
    auto* list = static_cast<QComboBox*>(widgetOf(gadget::letterList(4)));
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(ui::getState(gadget::letterList(4)), 1);
    expectGadgetEvent(gadget::letterList(4), ui::kChange);

    // Choosing from the opened list with the keyboard.
    list->showPopup();
    QTest::keyClick(list->view(), Qt::Key_Down);
    QTest::keyClick(list->view(), Qt::Key_Return);
    EXPECT_EQ(ui::getState(gadget::letterList(4)), 2);
    expectGadgetEvent(gadget::letterList(4), ui::kChange);
}

TEST_F(ToolkitEventsTest, OpeningAndClosingAListWithoutChoosingGivesNothing) {
    auto* list = static_cast<QComboBox*>(widgetOf(gadget::letterList(0)));
    list->showPopup();
    QApplication::processEvents();
    QTest::keyClick(list->view(), Qt::Key_Escape);
    QApplication::processEvents();
    list->showPopup();
    list->hidePopup();
    QApplication::processEvents();
    EXPECT_EQ(pendingEventCount(), 0);
    EXPECT_EQ(ui::getState(gadget::letterList(0)), 0);
}

TEST_F(ToolkitEventsTest, ProgramChangesRaiseNoEvents) {
    ui::setState(gadget::letterList(2), 5);
    ui::setState(gadget::tickBox(2, 3), 1);
    ui::setState(gadget::tickBox(2, 3), 0);
    ui::addItem(gadget::letterList(2), -1, u"extra");
    ui::setText(gadget::kResultText, u"CRANE   ");
    ui::setText(gadget::kCountLabel, u"Words: 1");
    ui::setHidden(gadget::tickBox(2, 3), 0);
    ui::setColour(gadget::letterLabel(2), ui::kBackground, ui::rgb(1, 2, 3));
    QApplication::processEvents();
    EXPECT_EQ(pendingEventCount(), 0);
}

TEST_F(ToolkitEventsTest, EmptyingTheTextAreaReportsAChangeOfTheArea) {
    ui::setText(gadget::kResultText, u"CRANE   ");
    ui::removeAllItems(gadget::kResultText);
    EXPECT_TRUE(resultTextContent().empty());
    expectGadgetEvent(gadget::kResultText, ui::kChange);
}

TEST_F(ToolkitEventsTest, TypingInTheTextAreaReportsChangeAndFocus) {
    auto* area = widgetOf(gadget::kResultText);
    area->setFocus();
    QApplication::processEvents();
    expectGadgetEvent(gadget::kResultText, ui::kFocus);
    QTest::keyClicks(area, "ab");
    // Two identical change reports in a row wait in the queue as one.
    expectGadgetEvent(gadget::kResultText, ui::kChange);
    widgetOf(gadget::kLoadButton)->setFocus();
    QApplication::processEvents();
    expectGadgetEvent(gadget::kResultText, ui::kFocusLost);
}

TEST_F(ToolkitEventsTest, IdenticalEventsAtTheTailAreTakenAsOne) {
    QTest::mouseClick(widgetOf(gadget::kLoadButton), Qt::LeftButton);
    QTest::mouseClick(widgetOf(gadget::kLoadButton), Qt::LeftButton);
    EXPECT_EQ(pendingEventCount(), 1);
    // A different event in between keeps both.
    QTest::mouseClick(widgetOf(gadget::kParseButton), Qt::LeftButton);
    QTest::mouseClick(widgetOf(gadget::kLoadButton), Qt::LeftButton);
    ASSERT_EQ(pendingEventCount(), 3);
    EXPECT_EQ(takeEvent().source, gadget::kLoadButton);
    EXPECT_EQ(takeEvent().source, gadget::kParseButton);
    EXPECT_EQ(takeEvent().source, gadget::kLoadButton);
}

TEST_F(ToolkitEventsTest, CloseBoxAsksButDoesNotClose) {
    QWidget* window = ui::windowWidget(gadget::kMainWindow);
    QCloseEvent close;
    QApplication::sendEvent(window, &close);
    EXPECT_FALSE(close.isAccepted());
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(pendingEventCount(), 1);
    const TakenEvent event = takeEvent();
    EXPECT_EQ(event.code, ui::kCloseRequest);
    EXPECT_EQ(event.source, gadget::kMainWindow);
    // The gadgets keep working.
    QTest::mouseClick(widgetOf(gadget::kResetButton), Qt::LeftButton);
    expectGadgetEvent(gadget::kResetButton, ui::kClick);
}

TEST_F(ToolkitEventsTest, EventSourceIsForgottenWhenTheQueueIsEmpty) {
    QTest::mouseClick(widgetOf(gadget::kLoadButton), Qt::LeftButton);
    EXPECT_EQ(ui::nextEvent(), ui::kGadgetEvent);
    EXPECT_EQ(ui::eventSource(), gadget::kLoadButton);
    // Something for the platform to hand over, so the wait returns at once.
    QApplication::postEvent(widgetOf(gadget::kLoadButton), new QEvent(QEvent::User));
    EXPECT_EQ(ui::nextEvent(), 0);
    EXPECT_EQ(ui::eventSource(), 0);
}

} // namespace
