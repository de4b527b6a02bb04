// A fresh main window with all its controls for each test, and what a user
// does in it. Each action ends by taking the events it raised and
// dispatching them, as the event loop does.
#pragma once

#include "app/gadget_numbers.h"
#include "tests/support/driver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
};

// Takes every queued event and dispatches the gadget events; returns how
// many were taken. Never waits.
int dispatchPendingEvents();

void pressButton(int number);
void chooseLetterState(int k, int state);
// Clicks where the tick box of row k, position p stands: a hidden box is not
// there to be hit.
void clickTickBox(int k, int p);
// Writes the lines, UTF-8, to words.txt in a scratch current directory and
// presses the load button.
void loadWordFile(const std::vector<std::u16string>& lines);

inline std::u16string countLabelText() { return driver::text(gadget::kCountLabel); }
inline std::u16string resultTextContent() { return driver::text(gadget::kResultText); }
