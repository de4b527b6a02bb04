// The filters on their own, for what the panel cannot reach: the initial
// store, an empty list, and the text tests' edges.
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

TEST(TextMatch, EdgesOfCharAtAndContains) {
    EXPECT_EQ(charAt(u"CRANE", 5), u"E");
    EXPECT_EQ(charAt(u"CRANE", 0), u"C");
    EXPECT_EQ(charAt(u"CRANE", -3), u"C");
    EXPECT_EQ(charAt(u"CRANE", 6), u"");
    EXPECT_EQ(charAt(u"", 1), u"");

    EXPECT_TRUE(contains(u"CRANE", u"RAN"));
    EXPECT_FALSE(contains(u"crane", u"E"));
    EXPECT_FALSE(contains(u"\u00C9CLAT", u"E")); // an accented E is not E
    EXPECT_FALSE(contains(u"", u"E"));
    EXPECT_FALSE(contains(u"CRANE", u""));
}

using LetterFilters = MainWindowTest;

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
    storeCandidates({u"CRANE", u"SLATE"});
    filterAtPosition(u"Q", 1);
    ASSERT_EQ(wordStore().lastIndex, -1);
    filterAbsent(u"A");
    filterAtPosition(u"A", 1);
    filterPresent(u"A");
    EXPECT_EQ(wordStore().lastIndex, -1);
}

// Ticks are read from the boxes, hidden as they all are here, and only
// from the letter's own row.
TEST_F(LetterFilters, PresentHonoursItsOwnRowsTicksOnly) {
    const Words five = {u"CRANE", u"EERIE", u"THEME", u"BLOOD", u"SPELT"};
    ui::setState(gadget::tickBox(3, 3), 1);
    ui::setState(gadget::tickBox(5, 3), 1);
    ui::setState(gadget::tickBox(4, 5), 1);
    storeCandidates(five);
    filterPresent(u"E");
    // EERIE has an E away from 5 as well, and still goes.
    EXPECT_EQ(currentCandidates(), (Words{u"SPELT"}));
}

} // namespace
