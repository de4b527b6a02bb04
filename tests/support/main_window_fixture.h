// A fresh main window with all its controls for each test, and what a user
// does in it. Each action ends by running the program's event loop over the
// events it raised, until none waits, with a close request queued behind
// them to end the loop.
#pragma once

#include "layout/gadget_numbers.h"
#include "tests/support/driver.h"
#include "words/word_store.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
};

void runEventLoop();
void pressButton(int number);
void chooseLetterState(int k, int state);
// Writes the bytes, exactly, to words.txt in a scratch current directory of
// the test program's own and presses the load button.
void load(std::string_view bytes);

// The rows of a table file of the source tree (tests/support/layout.txt,
// tests/web/games.txt), each split into its fields at " | "; blank lines and
// lines that start with # are left out.
std::vector<std::vector<std::string>> readTable(const std::string& path);

inline std::u16string countLabelText() { return driver::text(gadget::kCountLabel); }
inline std::u16string resultTextContent() { return driver::text(gadget::kResultText); }
