// The letter panel as the user drives it: drop-down lists, tick boxes and
// buttons on the real window, read back from the labels' colours and the
// tick boxes. Which words a panel keeps, and what the buttons do to it, is
// for the games of tests/web/games.txt.
#include "filter/letter_state.h"
#include "tests/support/main_window_fixture.h"
#include "ui/toolkit.h"

namespace {

constexpr int kA = 0, kE = 4;

// The label's colours are those of the item chosen, as the first rows of
// tests/support/layout.txt give them (#RRGGBB).
void expectLook(int k, int state) {
    const auto colour = [row = readTable("tests/support/layout.txt")[state]](int field) {
        const int rgb = std::stoi(row[field].substr(1), nullptr, 16);
        return ui::rgb(rgb >> 16, rgb >> 8, rgb);
    };
    EXPECT_EQ(driver::labelLook(gadget::letterLabel(k)), (driver::Look{colour(3), colour(4)}))
        << "row " << k;
}

int shownTickBoxes() {
    int shown = 0;
    for (int number = gadget::kFirstTickBox; number <= gadget::kLastTickBox; ++number)
        shown += driver::shown(number);
    return shown;
}

using LetterPanel = MainWindowTest;

TEST_F(LetterPanel, LabelColoursAndTickBoxesFollowTheState) {
    for (int state = Green5; state >= Unmarked; --state) {
        chooseLetterState(kA, state);
        expectLook(kA, state);
        EXPECT_EQ(shownTickBoxes(), state == Present ? 5 : 0);
    }
    // A list with no selection keeps its label's colours but loses its boxes.
    chooseLetterState(kE, Present);
    ui::setState(gadget::letterList(kE), -1);
    chooseLetterState(kA, Absent);
    expectLook(kE, Present);
    EXPECT_EQ(shownTickBoxes(), 0);
    pressButton(gadget::kResetButton); // every row "?" again
    expectLook(kE, Unmarked);
}

} // namespace
