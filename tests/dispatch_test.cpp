// Routing of events to handlers. This test links its own handlers in place
// of the program's, so it sees exactly which ran and how often.
#include "app/gadget_numbers.h"
#include "app/main_window.h"
#include "app/shell.h"
#include "tests/support/driver.h"
#include "ui/toolkit.h"

#include <gtest/gtest.h>

#include <string>

// The program's handlers, replaced by ones that log their calls.
static std::string calls;
void loadWordList() { calls += "load "; }
void parseList() { calls += "parse "; }
void resetLetterStates() { calls += "reset "; }
void refreshLetterPanel() { calls += "refresh "; }
void initWordStore() {}

namespace {

class Dispatch : public ::testing::Test {
  protected:
    void SetUp() override {
        ui::initToolkit();
        ASSERT_NE(openMainWindow(), 0);
        createMainWindowControls();
        driver::settle();
        quitRequested = 0;
    }
    void TearDown() override { ui::closeToolkit(); }
};

std::string dispatch(int number) {
    calls.clear();
    currentGadget = number;
    dispatchGadgetEvent();
    return calls;
}

TEST_F(Dispatch, EachGadgetRunsItsHandlerTheOthersNothing) {
    for (int number = -1; number <= 1000; ++number) {
        const bool panel = (number >= 3 && number <= 28) || (number >= 59 && number <= 188);
        const char* expected = number == 55   ? "parse "
                               : number == 56 ? "load "
                               : number == 57 ? "reset refresh "
                               : panel        ? "refresh "
                                              : "";
        EXPECT_EQ(dispatch(number), expected) << number;
    }
}

// A close request ends the loop after the user's events before it ran.
TEST_F(Dispatch, EventLoopRunsEachUserActionOnceAndStopsOnClose) {
    driver::click(gadget::kLoadButton);
    driver::focus(gadget::letterList(4));
    driver::press(driver::Key::Down);
    ui::setHidden(188, 0);
    driver::click(188);
    // The program's own changes come back as nothing.
    ui::setState(gadget::letterList(5), 3);
    ui::setState(59, 1);
    ui::setText(gadget::kResultText, u"x");
    driver::requestClose(gadget::kMainWindow);
    calls.clear();
    eventLoop();
    EXPECT_EQ(calls, "load refresh refresh ");
    EXPECT_EQ(quitRequested, 1);
    EXPECT_TRUE(driver::window(gadget::kMainWindow).shown);
}

} // namespace
