// The next-guess engine: the colours as the game gives them, the ranking on
// a list small enough to work out by hand, and the fast way of scoring
// checked against the plain one.
#include "advice/advice.h"
#include "advice/group_score.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using advice::Word;

Word w(const char16_t* text) { return {text[0], text[1], text[2], text[3], text[4]}; }

// A slice at a time, as the page's worker asks for it.
advice::Advice adviceFor(const std::vector<Word>& list, const std::vector<Word>& candidates) {
    advice::Search search(list, candidates);
    int slices = 0;
    for (; !search.advance(1); ++slices)
        EXPECT_LT(search.progress(), 1);
    EXPECT_GT(slices, 0);
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
// five and the best candidates, by their places in the list, and the first's
// figures. GLOVE splits the -OVE words as well as the probe SCANT, and may
// win at once. Above 15,000 distinct guesses, or candidates, the advice is
// narrowed: 15,004 junk words that no guess tells apart.
TEST(Advice, RanksGuessesByHowTheySplitTheCandidates) {
    std::vector<Word> list = {w(u"DRILL"), w(u"FRILL"), w(u"GRILL"), w(u"KRILL"),
                              w(u"PRILL"), w(u"FUDGE"), w(u"FUDGE")};
    const std::vector<Word> five(list.begin(), list.begin() + 5), small = list;
    for (char16_t k = 0x1000; list.size() < 15011; ++k)
        list.push_back({k, k, k, k, k});
    const std::vector<Word> junk(list.begin() + 7, list.end()),
        oves = {w(u"GLOVE"), w(u"CLOVE"), w(u"ABOVE"), w(u"GROVE"), w(u"STOVE"), w(u"SCANT")};
    const struct {
        const std::vector<Word>&guesses, candidates;
        const char* advice;
    } cases[] = {{small, five, "53012 301 1.921928 1.400000"},
                 {small, {five[3], five[4]}, "34012 34 1.000000 1.000000"},
                 {small, {five[2]}, "20134 2 0.000000 1.000000"},
                 {small, {five[0], five[1], five[3]}, "50132 013 1.584963 1.000000"},
                 {oves, {oves.begin(), oves.begin() + 5}, "05123 012 1.921928 1.400000"},
                 {list, five, "53012 301 1.921928 1.400000 narrowed"},
                 {{list.begin(), list.begin() + 15001}, five, "53012 301 1.921928 1.400000"},
                 {{small[5]}, junk, "0  0.000000 15000.000000 narrowed"}};
    for (const auto& c : cases) {
        const advice::Advice advice = adviceFor(c.guesses, c.candidates);
        std::string text;
        for (const auto* entries : {&advice.best, &advice.bestCandidates}) {
            for (const advice::Entry& e : *entries)
                text += static_cast<char>('0' + e.guess);
            text += ' ';
        }
        EXPECT_EQ(text + std::to_string(advice.best[0].bits) + " " +
                      std::to_string(advice.best[0].expectedLeft) +
                      (advice.narrowed ? " narrowed" : ""),
                  c.advice);
    }
}

// Lists of few letters (many repeated) and of many (more than a byte holds),
// and guesses with letters that no answer has; over a thousand answers, the
// counting takes another way.
TEST(Advice, FastScoringAgreesWithThePlainOne) {
    std::mt19937 random(28);
    auto draw = [&](unsigned letters, std::size_t count) {
        std::vector<Word> list(count);
        for (std::size_t k = 0; k < 5 * count; ++k)
            list[k / 5][k % 5] = static_cast<char16_t>(0x3B0 + random() % letters);
        return list;
    };
    for (const auto& [letters, size] : {std::pair{3u, 150}, {400u, 150}, {20u, 1100}}) {
        const std::vector<Word> list = draw(letters, size);
        const advice::AnswerTable table(list);
        advice::PatternCounts fast, plain;
        for (const Word& guess : draw(letters + 2, 200)) {
            table.countPatterns(guess, fast);
            advice::countPatternsPlain(guess, list, plain);
            ASSERT_EQ(fast, plain);
        }
        for (const advice::Entry& e : adviceFor(list, list).best) {
            advice::countPatternsPlain(list[e.guess], list, plain);
            EXPECT_EQ(e.bits, advice::figures(plain).bits);
            EXPECT_EQ(e.expectedLeft, advice::figures(plain).expectedLeft);
        }
    }
}

} // namespace
