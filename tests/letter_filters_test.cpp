#include "filter/letter_filters.h"
#include "filter/text_match.h"

#include "app/gadget_numbers.h"
#include "tests/support/candidates.h"
#include "tests/support/main_window_fixture.h"
#include "ui/toolkit.h"
#include "words/word_store.h"

#include <gtest/gtest.h>

using Words = std::vector<std::u16string>;

namespace {

const Words kFiveWords = {u"CRANE", u"EERIE", u"THEME", u"BLOOD", u"SPELT"};

constexpr int kRowE = 4;

void tick(int row, int position) {
    ui::setState(gadget::tickBox(row, position), 1);
}

} // namespace

TEST(TextMatch, CharAtCountsFromOneAndClampsBelow) {
    EXPECT_EQ(charAt(u"CRANE", 1), u"C");
    EXPECT_EQ(charAt(u"CRANE", 5), u"E");
    EXPECT_EQ(charAt(u"CRANE", 0), u"C");
    EXPECT_EQ(charAt(u"CRANE", -3), u"C");
    EXPECT_EQ(charAt(u"CRANE", 6), u"");
    EXPECT_EQ(charAt(u"", 1), u"");
}

TEST(TextMatch, ContainsIsExactAndNeverMatchesEmpty) {
    EXPECT_TRUE(contains(u"CRANE", u"E"));
    EXPECT_TRUE(contains(u"CRANE", u"RAN"));
    EXPECT_FALSE(contains(u"crane", u"E"));
    EXPECT_FALSE(contains(u"\u00C9CLAT", u"E")); // an accented E is not E
    EXPECT_FALSE(contains(u"", u"E"));
    EXPECT_FALSE(contains(u"CRANE", u""));
}

TEST(TickBoxNumber, FollowsTheRowAndPosition) {
    EXPECT_EQ(tickBoxNumber(u"A", 1), 59);
    EXPECT_EQ(tickBoxNumber(u"E", 2), 80);
    EXPECT_EQ(tickBoxNumber(u"Z", 5), 188);
}

using LetterFilters = MainWindowTest;

TEST_F(LetterFilters, NarrowTheFiveWordListInOrder) {
    storeCandidates(kFiveWords);
    tick(kRowE, 2);
    filterPresent(u"E");
    EXPECT_EQ(currentCandidates(), (Words{u"CRANE", u"THEME", u"SPELT"}));
    EXPECT_EQ(wordStore().lastIndex, 2);

    storeCandidates(kFiveWords);
    filterAtPosition(u"E", 3);
    EXPECT_EQ(currentCandidates(), (Words{u"THEME", u"SPELT"}));

    storeCandidates(kFiveWords);
    filterAbsent(u"E");
    EXPECT_EQ(currentCandidates(), (Words{u"BLOOD"}));
}

TEST_F(LetterFilters, PresentReadsOnlyItsOwnRowsTicks) {
    // Ticks elsewhere, even in the neighbouring rows, do not constrain E.
    tick(kRowE - 1, 2);
    tick(kRowE + 1, 1);
    storeCandidates(kFiveWords);
    filterPresent(u"E");
    EXPECT_EQ(currentCandidates(), (Words{u"CRANE", u"EERIE", u"THEME", u"SPELT"}));

    // A word with the letter twice goes when either place is ticked.
    tick(kRowE, 5);
    storeCandidates(kFiveWords);
    filterPresent(u"E");
    EXPECT_EQ(currentCandidates(), (Words{u"SPELT"}));

    for (int p = 1; p <= 5; ++p)
        tick(kRowE, p);
    storeCandidates(kFiveWords);
    filterPresent(u"E");
    EXPECT_EQ(wordStore().lastIndex, -1);
}

TEST_F(LetterFilters, TheInitialEmptyEntrySurvivesOnlyTheGreyFilter) {
    filterAbsent(u"E");
    EXPECT_EQ(wordStore().lastIndex, 0);
    filterAtPosition(u"E", 1);
    EXPECT_EQ(wordStore().lastIndex, -1);

    initWordStore();
    filterPresent(u"E");
    EXPECT_EQ(wordStore().lastIndex, -1);
}

TEST_F(LetterFilters, AnEmptyListStaysEmpty) {
    storeCandidates({});
    filterAbsent(u"A");
    filterAtPosition(u"A", 1);
    filterPresent(u"A");
    EXPECT_EQ(wordStore().lastIndex, -1);

    storeCandidates(kFiveWords);
    filterAtPosition(u"Q", 1);
    filterAbsent(u"Q");
    EXPECT_EQ(wordStore().lastIndex, -1);
}

TEST_F(LetterFilters, AWordShorterThanThePositionFails) {
    storeCandidates({u"CRAN", u"", u"CRANE"});
    filterAtPosition(u"E", 5);
    EXPECT_EQ(currentCandidates(), (Words{u"CRANE"}));
}
