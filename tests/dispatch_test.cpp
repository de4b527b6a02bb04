// Routing of events to handlers. This test links its own handlers in place
// of the program's, so it sees exactly which ran and how often.
#include "app/gadget_numbers.h"
#include "app/main_window.h"
#include "app/shell.h"
#include "ui/qt/gadget_record.h"
#include "ui/toolkit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QTest>

#include <string>

// The program's handlers, replaced by ones that log their calls.
static std::string calls;
void loadWordList() { calls += "load "; }
void parseList() { calls += "parse "; }
void resetLetterStates() { calls += "reset "; }
void refreshLetterPanel() { calls += "refresh "; }
void initWordStore() {}

namespace {

class DispatchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ui::initToolkit();
        ASSERT_NE(openMainWindow(), 0);
        createMainWindowControls();
        calls.clear();
        quitRequested = 0;
    }
    void TearDown() override { ui::closeToolkit(); }

    static std::string dispatch(int number) {
        calls.clear();
        currentGadget = number;
        dispatchGadgetEvent();
        return calls;
    }
};

TEST_F(DispatchTest, EachGadgetRunsItsHandler) {
    EXPECT_EQ(dispatch(55), "parse ");
    EXPECT_EQ(dispatch(56), "load ");
    EXPECT_EQ(dispatch(57), "reset refresh ");
    for (int number = 3; number <= 28; ++number)
        EXPECT_EQ(dispatch(number), "refresh ") << number;
    for (int number = 59; number <= 188; ++number)
        EXPECT_EQ(dispatch(number), "refresh ") << number;
}

TEST_F(DispatchTest, TextAreaLabelsAndStrangersRunNothing) {
    for (int number : {0, 1, 2, 29, 40, 54, 58, 189, 1000, -1})
        EXPECT_EQ(dispatch(number), "") << number;
}

// A close request ends the loop after the user's events before it ran.
TEST_F(DispatchTest, EventLoopRunsEachUserActionOnceAndStopsOnClose) {
    QTest::mouseClick(ui::gadgetWidget(56), Qt::LeftButton);
    QTest::keyClick(ui::gadgetWidget(gadget::letterList(4)), Qt::Key_Down);
    ui::setHidden(188, 0);
    QTest::mouseClick(ui::gadgetWidget(188), Qt::LeftButton);
    // The program's own changes come back as nothing.
    ui::setState(gadget::letterList(5), 3);
    ui::setState(59, 1);
    ui::setText(gadget::kResultText, u"x");
    QCloseEvent close;
    QApplication::sendEvent(ui::windowWidget(gadget::kMainWindow), &close);
    calls.clear();
    eventLoop();
    EXPECT_EQ(calls, "load refresh refresh ");
    EXPECT_EQ(quitRequested, 1);
    EXPECT_TRUE(ui::windowWidget(gadget::kMainWindow)->isVisible());
}

} // namespace
