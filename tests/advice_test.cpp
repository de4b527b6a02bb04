// The next-guess engine: the colours as the game gives them, the ranking on
// a list small enough to work out by hand, and the fast way of scoring
// checked against the plain one.
#include "advice/advice.h"
#include "advice/pattern_counts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace {

using advice::Word;

Word w(const char16_t* text) { return {text[0], text[1], text[2], text[3], text[4]}; }

advice::Advice adviceFor(const std::vector<Word>& list, const std::vector<Word>& candidates) {
    advice::Search search(list, candidates);
    while (!search.advance(1))
        EXPECT_LT(search.progress(), 1);
    return search.advice();
}

// Guess, answer and colours, from position 1 on: 0 grey, 1 yellow, 2 green.
TEST(Advice, ColoursAsTheGameGivesThem) {
    for (const char16_t* c :
         {u"SPEED ABIDE 00101", u"SPEED ERASE 10110", u"SPEED SHRED 20022", u"SPEED speed 00000",
          u"ΑΑΒΓΔ ΒΑΑΕΖ 12100", u"\xD83D\xDE00\xFFFF\xE9\x01 \x01\xFFFF\xFFFF\xE9\xD83D 10221"}) {
        int pattern = 0;
        for (int i = 4; i >= 0; --i)
            pattern = pattern * 3 + (c[12 + i] - u'0');
        EXPECT_EQ(advice::colours(w(c), w(c + 6)), pattern) << c[12] - u'0';
    }
}

// FUDGE, no candidate, tells the five apart but for KRILL and PRILL: groups
// of 1, 1, 1 and 2 (1.92 bits, 1.4 words left). Each candidate wins at once
// one time in five but leaves the other four together (0.72 bits, 3.4 left);
// one step further, FUDGE tells apart all four that KRILL leaves. The best
// five, then the best candidates, by their places in the list.
TEST(Advice, RanksGuessesByHowTheySplitTheCandidates) {
    const std::vector<Word> list = {w(u"DRILL"), w(u"FRILL"), w(u"GRILL"), w(u"KRILL"),
                                    w(u"PRILL"), w(u"FUDGE"), w(u"FUDGE")};
    const struct {
        std::vector<Word> candidates;
        const char* ranks;
        double bits, left;
    } cases[] = {{{list.begin(), list.begin() + 5}, "53012 301", 1.922, 1.4},
                 {{list[3], list[4]}, "34012 34", 1, 1},
                 {{list[2]}, "20134 2", 0, 1}};
    for (const auto& c : cases) {
        const advice::Advice advice = adviceFor(list, c.candidates);
        std::string ranks;
        for (const advice::Entry& e : advice.best)
            ranks += static_cast<char>('0' + e.guess);
        ranks += ' ';
        for (const advice::Entry& e : advice.bestCandidates)
            ranks += static_cast<char>('0' + e.guess);
        EXPECT_EQ(ranks, c.ranks);
        EXPECT_NEAR(advice.best[0].bits, c.bits, 0.001);
        EXPECT_NEAR(advice.best[0].expectedLeft, c.left, 0.001);
    }
}

// Lists of few letters (many repeated) and of many (more than a byte holds),
// and guesses with letters that no answer has.
TEST(Advice, FastScoringAgreesWithThePlainOne) {
    std::mt19937 random(28);
    auto draw = [&](int letters, std::size_t count) {
        std::uniform_int_distribution<int> unit(0x3B0, 0x3B0 + letters - 1);
        std::vector<Word> list(count);
        for (Word& word : list)
            for (char16_t& u : word)
                u = static_cast<char16_t>(unit(random));
        return list;
    };
    for (const int letters : {3, 400}) {
        const std::vector<Word> list = draw(letters, 150);
        const advice::AnswerTable table(list);
        advice::PatternCounts fast, plain;
        for (const Word& guess : draw(letters + 2, 300)) {
            table.countPatterns(guess, fast);
            advice::countPatternsPlain(guess, list, plain);
            ASSERT_EQ(fast, plain);
        }
        for (const advice::Entry& e : adviceFor(list, list).best) {
            advice::countPatternsPlain(list[e.guess], list, plain);
            double bits = 0, left = 0;
            for (const double n : plain) {
                bits -= n > 0 ? n / 150 * std::log2(n / 150) : 0;
                left += n * n / 150;
            }
            EXPECT_NEAR(e.bits, bits, 1e-6);
            EXPECT_NEAR(e.expectedLeft, left, 1e-9);
        }
    }
}

} // namespace
