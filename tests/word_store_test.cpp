#include "words/word_store.h"

#include <gtest/gtest.h>

namespace {

TEST(WordStore, StartsWithOneEmptyCandidate) {
    initWordStore();
    const WordStore& store = wordStore();
    EXPECT_EQ(candidateCount(), 1);
    EXPECT_EQ(store.lineCount, 0);
    EXPECT_EQ(store.rawLines, StringArray(11));
    EXPECT_EQ(store.candidates, StringArray(11));
    EXPECT_EQ(store.scratch, StringArray(11));
}

TEST(WordStore, CommitCopiesTheWholeScratchArray) {
    initWordStore();
    WordStore& store = wordStore();
    store.scratch = {u"CRANE", u"SLATE", u"LEFT"};
    commitSurvivors(2);
    EXPECT_EQ(store.lastIndex, 1);
    EXPECT_EQ(store.candidates, (StringArray{u"CRANE", u"SLATE", u"LEFT"}));
    // The copy shares nothing with scratch.
    store.scratch[0] = u"OTHER";
    EXPECT_EQ(store.candidates[0], u"CRANE");

    commitSurvivors(0);
    EXPECT_EQ(store.lastIndex, -1);
    EXPECT_EQ(candidateCount(), 0);
}

} // namespace
