#include "app/gadget_numbers.h"
#include "tests/support/main_window_fixture.h"
#include "words/result_display.h"
#include "words/word_store.h"

#include <QPlainTextEdit>
#include <QTest>

namespace {

TEST(CountText, PlainDecimal) {
    EXPECT_EQ(countText(0), u"Words: 0");
    EXPECT_EQ(countText(3), u"Words: 3");
    EXPECT_EQ(countText(1234567), u"Words: 1234567");
    EXPECT_EQ(countText(-1), u"Words: -1");
}

using ResultDisplayTest = MainWindowTest;

TEST_F(ResultDisplayTest, BeforeAnyLoadTheOneEmptyEntryShowsAsThreeSpaces) {
    showCandidates();
    EXPECT_EQ(resultTextContent(), u"   ");
}

TEST_F(ResultDisplayTest, EveryWordIsFollowedByThreeSpaces) {
    WordStore& store = wordStore();
    store.candidates = {u"CRANE", u"SLATE", u"LEFT!"};
    store.scratch = store.candidates;
    store.lastIndex = 0;
    showCandidates();
    EXPECT_EQ(resultTextContent(), u"CRANE   ");

    // Entries above lastIndex are leftovers and never shown.
    store.lastIndex = 1;
    showCandidates();
    showCandidates();
    EXPECT_EQ(resultTextContent(), u"CRANE   SLATE   ");
}

TEST_F(ResultDisplayTest, EmptyListEmptiesTheArea) {
    showCandidates();
    wordStore().lastIndex = -1;
    showCandidates();
    EXPECT_EQ(resultTextContent(), u"");
}

TEST_F(ResultDisplayTest, ReplacesWhatTheUserTyped) {
    auto* area = static_cast<QPlainTextEdit*>(widgetOf(gadget::kResultText));
    area->setFocus();
    QTest::keyClicks(area, "typed");
    ASSERT_EQ(resultTextContent(), u"typed");
    dispatchPendingEvents();
    WordStore& store = wordStore();
    store.candidates[0] = u"CRANE";
    showCandidates();
    EXPECT_EQ(resultTextContent(), u"CRANE   ");
}

} // namespace
