// Routing of gadget events to handlers. This test links its own handlers in
// place of the program's, so it sees exactly which ran and how often.
#include "app/shell.h"

#include <gtest/gtest.h>

#include <string>

static std::string calls;
void loadWordList() { calls += "load "; }
void parseList() { calls += "parse "; }
void resetLetterStates() { calls += "reset "; }
void refreshLetterPanel() { calls += "refresh "; }
void initWordStore() {}

TEST(Dispatch, EachGadgetRunsItsHandlerTheOthersNothing) {
    for (int number = -1; number <= 1000; ++number) {
        const bool panel = (number >= 3 && number <= 28) || (number >= 59 && number <= 188);
        const char* expected = number == 55   ? "parse "
                               : number == 56 ? "load "
                               : number == 57 ? "reset refresh "
                               : panel        ? "refresh "
                                              : "";
        calls.clear();
        currentGadget = number;
        dispatchGadgetEvent();
        EXPECT_EQ(calls, expected) << number;
    }
}
