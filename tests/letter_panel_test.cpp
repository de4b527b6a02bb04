// The letter panel as the user drives it: drop-down lists, tick boxes and
// buttons on the real window, read back from the labels' colours and the
// tick boxes. Which words a panel keeps, and what the buttons do to it, is
// for the games of tests/web/games.txt.
#include "filter/letter_state.h"
#include "tests/support/main_window_fixture.h"
#include "ui/toolkit.h"

namespace {

constexpr int kA = 0, kE = 4;

// Packed 0x00BBGGRR.
constexpr int kLightGrey = 0xEDEFF1, kGrey = 0x7E7C78, kYellow = 0x58B4C9, kGreen = 0x64AA6A;
constexpr int kBlack = 0, kWhite = 0xFFFFFF;

void expectLook(int k, int fill, int text) {
    EXPECT_EQ(driver::labelLook(gadget::letterLabel(k)), (driver::Look{fill, text})) << "row " << k;
}

int shownTickBoxes() {
    int shown = 0;
    for (int number = gadget::kFirstTickBox; number <= gadget::kLastTickBox; ++number)
        shown += driver::shown(number);
    return shown;
}

using LetterPanel = MainWindowTest;

TEST_F(LetterPanel, LabelColoursAndTickBoxesFollowTheState) {
    const int backgrounds[] = {kLightGrey, kGrey, kYellow};
    for (int state = Green5; state >= Unmarked; --state) {
        chooseLetterState(kA, state);
        expectLook(kA, state >= Green1 ? kGreen : backgrounds[state],
                   state == Unmarked ? kBlack : kWhite);
        EXPECT_EQ(shownTickBoxes(), state == Present ? 5 : 0);
    }
    // A list with no selection keeps its label's colours but loses its boxes.
    chooseLetterState(kE, Present);
    ui::setState(gadget::letterList(kE), -1);
    chooseLetterState(kA, Absent);
    expectLook(kE, kYellow, kWhite);
    EXPECT_EQ(shownTickBoxes(), 0);
    pressButton(gadget::kResetButton); // every row "?" again
    expectLook(kE, kLightGrey, kBlack);
}

} // namespace
