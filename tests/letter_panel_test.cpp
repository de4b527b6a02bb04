// The letter panel and the parse pass as the user drives them: drop-down
// lists, tick boxes and buttons on the real window, results read back from
// the count label, the text area and the labels' colours.
#include "app/gadget_numbers.h"
#include "filter/letter_state.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/user_actions.h"
#include "ui/gadget_record.h"
#include "ui/toolkit.h"

#include <gtest/gtest.h>

using Words = std::vector<std::u16string>;

namespace {

constexpr int kA = 0, kB = 1, kE = 4, kR = 17, kS = 18, kT = 19;

const QColor kLightGrey(0xF1, 0xEF, 0xED);
const QColor kGrey(0x78, 0x7C, 0x7E);
const QColor kYellow(0xC9, 0xB4, 0x58);
const QColor kGreen(0x6A, 0xAA, 0x64);

void expectLook(int k, const QColor& background, const QColor& text) {
    const LabelLook look = labelLook(k);
    EXPECT_TRUE(look.filled) << "row " << k;
    EXPECT_EQ(look.background, background) << "row " << k;
    EXPECT_EQ(look.text, text) << "row " << k;
}

int shownTickBoxes() {
    int shown = 0;
    for (int k = 0; k < gadget::kLetterCount; ++k) {
        for (int p = 1; p <= gadget::kPositions; ++p)
            shown += tickBoxShown(k, p) ? 1 : 0;
    }
    return shown;
}

using LetterPanel = MainWindowTest;

TEST_F(LetterPanel, TypicalGuessKeepsWordsWithEAwayFromTwoRThirdAndNoS) {
    loadWordFile(
        {u"BORED", u"HERON", u"SHREW", u"WORDY", u"CARVE", u"TERSE", u"CRANE", u"BARGE", u"EARLY"});
    EXPECT_EQ(countLabelText(), u"Words: 9");

    chooseLetterState(kE, Present);
    EXPECT_EQ(countLabelText(), u"Words: 8"); // all but WORDY
    clickTickBox(kE, 2);
    chooseLetterState(kR, Green3);
    stepLetterStateDown(kS);
    EXPECT_EQ(shownLetterState(kS), Absent);

    EXPECT_EQ(countLabelText(), u"Words: 4");
    EXPECT_EQ(resultTextContent(), u"BORED   CARVE   BARGE   EARLY   ");
    expectLook(kE, kYellow, Qt::white);
    expectLook(kR, kGreen, Qt::white);
    expectLook(kS, kGrey, Qt::white);
    expectLook(kA, kLightGrey, Qt::black);
    EXPECT_TRUE(tickBoxShown(kE, 1));
    EXPECT_TRUE(tickBoxTicked(kE, 2));
    EXPECT_EQ(shownTickBoxes(), 5);
    // Four colours in use, four brushes, however many labels share them.
    EXPECT_EQ(ui::detail::liveBrushCount(), 4);
}

TEST_F(LetterPanel, FiltersOnTheFiveWordList) {
    const Words five = {u"CRANE", u"EERIE", u"THEME", u"BLOOD", u"SPELT"};
    loadWordFile(five);
    chooseLetterState(kE, Present);
    clickTickBox(kE, 2);
    EXPECT_EQ(resultTextContent(), u"CRANE   THEME   SPELT   ");

    loadWordFile(five);
    chooseLetterState(kE, Green3);
    EXPECT_EQ(resultTextContent(), u"THEME   SPELT   ");

    loadWordFile(five);
    chooseLetterState(kE, Absent);
    EXPECT_EQ(resultTextContent(), u"BLOOD   ");
    EXPECT_EQ(countLabelText(), u"Words: 1");
}

TEST_F(LetterPanel, TheListOnlyNarrowsUntilTheNextLoad) {
    loadWordFile({u"CRANE", u"SLATE", u"TRACE"});
    stepLetterStateDown(kS);
    EXPECT_EQ(resultTextContent(), u"CRANE   TRACE   ");
    EXPECT_EQ(countLabelText(), u"Words: 2");

    chooseLetterState(kS, Unmarked);
    EXPECT_EQ(resultTextContent(), u"CRANE   TRACE   ");
    EXPECT_EQ(countLabelText(), u"Words: 2");
    pressButton(gadget::kParseButton);
    EXPECT_EQ(countLabelText(), u"Words: 2");

    loadWordFile({u"CRANE", u"SLATE", u"TRACE"});
    EXPECT_EQ(resultTextContent(), u"CRANE   SLATE   TRACE   ");
    EXPECT_EQ(countLabelText(), u"Words: 3");
}

TEST_F(LetterPanel, StatesSetBeforeALoadApplyAtTheNextPass) {
    stepLetterStateDown(kS);
    loadWordFile({u"CRANE", u"SLATE", u"TRACE"});
    EXPECT_EQ(countLabelText(), u"Words: 3");
    pressButton(gadget::kParseButton);
    EXPECT_EQ(resultTextContent(), u"CRANE   TRACE   ");
}

TEST_F(LetterPanel, TwoLettersGreenAtOnePositionLeaveNothing) {
    loadWordFile({u"CRANE", u"TRACE", u"TREND"});
    chooseLetterState(kT, Green1);
    EXPECT_EQ(countLabelText(), u"Words: 2");
    chooseLetterState(kR, Green1);
    EXPECT_EQ(countLabelText(), u"Words: 0");
    EXPECT_EQ(resultTextContent(), u"");
    expectLook(kT, kGreen, Qt::white);
    expectLook(kR, kGreen, Qt::white);
}

TEST_F(LetterPanel, ParseBeforeAnyLoadWorksOnTheOneEmptyEntry) {
    pressButton(gadget::kParseButton);
    EXPECT_EQ(countLabelText(), u"Words: 1");
    EXPECT_EQ(resultTextContent(), u"   ");

    stepLetterStateDown(kE); // grey: the empty entry holds no E
    EXPECT_EQ(countLabelText(), u"Words: 1");
    EXPECT_EQ(resultTextContent(), u"   ");

    stepLetterStateDown(kE); // yellow
    EXPECT_EQ(countLabelText(), u"Words: 0");
    EXPECT_EQ(resultTextContent(), u"");
}

TEST_F(LetterPanel, TicksAreKeptWhileTheRowIsNotYellow) {
    const Words five = {u"CRANE", u"EERIE", u"THEME", u"BLOOD", u"SPELT"};
    loadWordFile(five);
    chooseLetterState(kE, Present);
    clickTickBox(kE, 2);
    EXPECT_EQ(countLabelText(), u"Words: 3");

    chooseLetterState(kE, Unmarked);
    EXPECT_FALSE(tickBoxShown(kE, 2));
    EXPECT_TRUE(tickBoxTicked(kE, 2));
    expectLook(kE, kLightGrey, Qt::black);
    // Hidden, the box cannot be hit: a click there changes nothing.
    clickTickBox(kE, 2);
    EXPECT_TRUE(tickBoxTicked(kE, 2));

    loadWordFile(five);
    chooseLetterState(kE, Present);
    EXPECT_TRUE(tickBoxShown(kE, 2));
    EXPECT_TRUE(tickBoxTicked(kE, 2));
    EXPECT_EQ(resultTextContent(), u"CRANE   THEME   SPELT   ");

    clickTickBox(kE, 2); // unticking brings nothing back
    EXPECT_FALSE(tickBoxTicked(kE, 2));
    EXPECT_EQ(countLabelText(), u"Words: 3");
}

TEST_F(LetterPanel, ResetClearsThePanelButKeepsTheList) {
    loadWordFile({u"CRANE", u"SLATE", u"TRACE", u"BLOOD"});
    chooseLetterState(kE, Present);
    clickTickBox(kE, 5);
    clickTickBox(kE, 1);
    chooseLetterState(kA, Present);
    clickTickBox(kA, 3);
    chooseLetterState(kB, Absent);
    EXPECT_EQ(countLabelText(), u"Words: 0");
    chooseLetterState(kA, Unmarked);

    pressButton(gadget::kResetButton);
    for (int k = 0; k < gadget::kLetterCount; ++k) {
        EXPECT_EQ(shownLetterState(k), Unmarked);
        expectLook(k, kLightGrey, Qt::black);
        for (int p = 1; p <= gadget::kPositions; ++p)
            EXPECT_FALSE(tickBoxTicked(k, p));
    }
    EXPECT_EQ(shownTickBoxes(), 0);
    EXPECT_EQ(countLabelText(), u"Words: 0");

    loadWordFile({u"CRANE", u"SLATE"});
    chooseLetterState(kE, Present);
    EXPECT_EQ(countLabelText(), u"Words: 2"); // the old ticks are gone
}

TEST_F(LetterPanel, LabelsTakeTheColoursOfTheirState) {
    const QColor expected[8][2] = {
        {kLightGrey, Qt::black}, {kGrey, Qt::white},  {kYellow, Qt::white}, {kGreen, Qt::white},
        {kGreen, Qt::white},     {kGreen, Qt::white}, {kGreen, Qt::white},  {kGreen, Qt::white},
    };
    // The labels keep the default look until the first refresh.
    EXPECT_FALSE(labelLook(kA).filled);
    for (int state = Green5; state >= Unmarked; --state) {
        chooseLetterState(kA, state);
        expectLook(kA, expected[state][0], expected[state][1]);
        EXPECT_EQ(tickBoxShown(kA, 3), state == Present);
    }

    // A list with no selection keeps its label's colours but loses its boxes.
    chooseLetterState(kB, Present);
    ui::setState(gadget::letterList(kB), -1);
    chooseLetterState(kA, Absent);
    expectLook(kB, kYellow, Qt::white);
    EXPECT_EQ(shownTickBoxes(), 0);
}

} // namespace
