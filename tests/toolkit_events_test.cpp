// Which user actions become events, and which program actions do not.
#include "tests/support/main_window_fixture.h"
#include "ui/toolkit.h"

namespace {

using driver::Key;

// Takes the one event that should be waiting and checks it.
void expectOnlyEvent(int code, int source, int type) {
    ASSERT_EQ(driver::pendingEvents(), 1);
    EXPECT_EQ(ui::nextEvent(), code);
    EXPECT_EQ(ui::eventSource(), source);
    EXPECT_EQ(ui::eventType(), type);
    EXPECT_EQ(ui::eventWindow(), gadget::kMainWindow);
}

using ToolkitEvents = MainWindowTest;

TEST_F(ToolkitEvents, ClicksAndTheSpaceBarOnButtonsAndVisibleTickBoxes) {
    driver::click(gadget::kParseButton);
    expectOnlyEvent(ui::kGadgetEvent, gadget::kParseButton, ui::kClick);

    // Hidden, a tick box keeps its tick and the click hits nothing.
    const int box = gadget::tickBox(4, 2);
    ui::setState(box, 7); // any non-zero value ticks
    driver::click(box);
    EXPECT_EQ(ui::getState(box), 1);
    EXPECT_EQ(driver::pendingEvents(), 0);

    ui::setHidden(box, 0);
    EXPECT_TRUE(driver::shown(box));
    driver::click(box);
    EXPECT_EQ(ui::getState(box), 0); // toggled before the event
    expectOnlyEvent(ui::kGadgetEvent, box, ui::kClick);
    driver::focus(box);
    driver::press(Key::Space);
    EXPECT_EQ(ui::getState(box), 1);
    expectOnlyEvent(ui::kGadgetEvent, box, ui::kClick);
}

TEST_F(ToolkitEvents, ChoosingAListItemGivesOneChangeEventBrowsingNone) {
    const int list = gadget::letterList(4);
    driver::focus(list);
    driver::press(Key::F4); // open and close without choosing
    driver::press(Key::Escape);
    driver::press(Key::AltDown);
    driver::press(Key::F4);
    EXPECT_TRUE(driver::dropsBelowShowingAll(list));
    EXPECT_EQ(driver::pendingEvents(), 0);

    driver::press(Key::Down); // on the closed list: the next item
    EXPECT_EQ(ui::getState(list), 1);
    expectOnlyEvent(ui::kGadgetEvent, list, ui::kChange);
    driver::chooseItem(list, 7);
    EXPECT_EQ(ui::getState(list), 7);
    expectOnlyEvent(ui::kGadgetEvent, list, ui::kChange);
}

TEST_F(ToolkitEvents, ProgramChangesRaiseNoEventsButEmptyingTheAreaDoes) {
    ui::setState(gadget::letterList(2), 5);
    ui::setState(gadget::tickBox(2, 3), 1);
    ui::addItem(gadget::letterList(2), -1, u"extra");
    ui::setText(gadget::kResultText, u"CRANE   ");
    ui::setText(gadget::kCountLabel, u"Words: 1");
    ui::setHidden(gadget::tickBox(2, 3), 0);
    ui::setColour(gadget::letterLabel(2), ui::kBackground, ui::rgb(1, 2, 3));
    driver::settle();
    EXPECT_EQ(driver::pendingEvents(), 0);

    // Emptying is not wrapped: the area reports it, and the shell ignores it.
    ui::removeAllItems(gadget::kResultText);
    EXPECT_EQ(resultTextContent(), u"");
    expectOnlyEvent(ui::kGadgetEvent, gadget::kResultText, ui::kChange);
}

TEST_F(ToolkitEvents, TextAreaReportsFocusAndEdits) {
    driver::focus(gadget::kResultText);
    expectOnlyEvent(ui::kGadgetEvent, gadget::kResultText, ui::kFocus);
    driver::type(u"ab"); // two identical reports in a row wait as one
    EXPECT_EQ(resultTextContent(), driver::typingBlocked() ? u"" : u"ab");
    expectOnlyEvent(ui::kGadgetEvent, gadget::kResultText, ui::kChange);
    driver::focus(gadget::kLoadButton);
    expectOnlyEvent(ui::kGadgetEvent, gadget::kResultText, ui::kFocusLost);
}

TEST_F(ToolkitEvents, OnlyIdenticalEventsAtTheTailCoalesce) {
    for (int number :
         {gadget::kLoadButton, gadget::kLoadButton, gadget::kParseButton, gadget::kLoadButton})
        driver::click(number);
    ASSERT_EQ(driver::pendingEvents(), 3);
    for (int source : {gadget::kLoadButton, gadget::kParseButton, gadget::kLoadButton}) {
        EXPECT_EQ(ui::nextEvent(), ui::kGadgetEvent);
        EXPECT_EQ(ui::eventSource(), source);
    }
}

TEST_F(ToolkitEvents, CloseBoxAsksButDoesNotClose) {
    driver::requestClose(gadget::kMainWindow);
    EXPECT_TRUE(driver::window(gadget::kMainWindow).shown);
    expectOnlyEvent(ui::kCloseRequest, gadget::kMainWindow, 0);
    driver::click(gadget::kResetButton); // still working
    expectOnlyEvent(ui::kGadgetEvent, gadget::kResetButton, ui::kClick);
}

} // namespace
