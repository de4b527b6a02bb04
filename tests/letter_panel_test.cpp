// The letter panel and the parse pass as the user drives them: drop-down
// lists, tick boxes and buttons on the real window, results read back from
// the count label, the text area and the labels' colours. Which words a panel
// keeps is the property test's concern; these check that user input drives
// the refresh, how the panel looks, and that the list only narrows.
#include "filter/letter_state.h"
#include "tests/support/main_window_fixture.h"
#include "ui/toolkit.h"

namespace {

constexpr int kA = 0, kE = 4, kS = 18, kZ = 25;

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
}

// Ticks outlast their row's other states and apply again when it is yellow
// again; reset clears every state and tick, at both ends of the panel.
TEST_F(LetterPanel, TicksAreKeptWhileHiddenAndClearedByReset) {
    const std::string five = "CRANE\nEERIE\nTHEME\nBLOOD\nSPELT\n";
    load(five);
    chooseLetterState(kE, Present);
    clickTickBox(kE, 2);
    chooseLetterState(kE, Unmarked);
    clickTickBox(kE, 2); // hidden: the click hits nothing
    load(five);
    chooseLetterState(kE, Present);
    EXPECT_EQ(resultTextContent(), u"CRANE   THEME   SPELT   ");

    chooseLetterState(kZ, Present);
    clickTickBox(kZ, 5);
    pressButton(gadget::kResetButton);
    for (int k = 0; k < gadget::kLetterCount; ++k) {
        EXPECT_EQ(ui::getState(gadget::letterList(k)), Unmarked);
        expectLook(k, kLightGrey, kBlack);
    }
    for (int number = gadget::kFirstTickBox; number <= gadget::kLastTickBox; ++number)
        EXPECT_EQ(ui::getState(number), 0) << number;
    EXPECT_EQ(shownTickBoxes(), 0);
}

// Before any load the list holds one empty entry. "?" and reset bring no
// word back; a load does, and shows the whole list until the next pass.
TEST_F(LetterPanel, OnlyALoadBringsWordsBack) {
    pressButton(gadget::kParseButton);
    EXPECT_EQ(countLabelText(), u"Words: 1");
    EXPECT_EQ(resultTextContent(), u"   ");
    chooseLetterState(kE, Present); // the empty entry holds no E
    EXPECT_EQ(countLabelText(), u"Words: 0");

    const std::string three = "CRANE\nSLATE\nTRACE\n";
    load(three);
    EXPECT_EQ(resultTextContent(), u"CRANE   SLATE   TRACE   ");
    chooseLetterState(kS, Absent);
    EXPECT_EQ(resultTextContent(), u"CRANE   TRACE   ");
    chooseLetterState(kS, Unmarked);
    pressButton(gadget::kResetButton);
    EXPECT_EQ(resultTextContent(), u"CRANE   TRACE   ");
    chooseLetterState(kS, Absent);
    load(three);
    EXPECT_EQ(resultTextContent(), u"CRANE   SLATE   TRACE   ");
    pressButton(gadget::kParseButton);
    EXPECT_EQ(resultTextContent(), u"CRANE   TRACE   ");
}

} // namespace
