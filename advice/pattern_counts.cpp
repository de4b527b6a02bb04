#include "advice/pattern_counts.h"

#include <algorithm>

namespace advice {

void countPatternsPlain(const Word& guess, const std::vector<Word>& answers,
                        PatternCounts& counts) {
    counts.fill(0);
    for (const Word& answer : answers)
        ++counts[static_cast<std::size_t>(colours(guess, answer))];
}

namespace {

// One byte a letter leaves 255 indexes for the alphabet and one that no
// answer holds: the padding's, and the guess's letters that no answer has.
constexpr std::size_t kMostNarrowLetters = 255;
constexpr std::uint8_t kNotInAlphabet = 255;
constexpr std::size_t kBlock = AnswerTable::kBlock;

// A pattern's digit for yellow at each position; green is twice it.
constexpr std::uint8_t kYellowDigit[5] = {1, 3, 9, 27, 81};

// What the guess alone decides about its yellows. A letter of the guess is
// yellow when it is not green and the answer holds more copies of it than
// the guess's earlier copies and its later green copies take: the earlier
// ones take theirs first, green or yellow, and a green one takes its own.
// Most guesses repeat no letter, and then a letter that is not green is
// yellow as soon as the answer holds it at all.
struct GuessShape {
    bool repeats = false;
    std::int8_t earlierCopies[5] = {};
    std::int8_t laterCopy[5][5] = {}; // [i][j]: 1 where j > i holds the same letter as i
};

GuessShape shapeOf(const Word& guess) {
    GuessShape shape;
    for (int i = 1; i < 5; ++i) {
        for (int j = 0; j < i; ++j) {
            if (guess[j] == guess[i]) {
                shape.repeats = true;
                ++shape.earlierCopies[i];
                shape.laterCopy[j][i] = 1;
            }
        }
    }
    return shape;
}

// The colours of one answer, from which of its letters are green and how
// often it holds each of the guess's letters. A letter that the answer
// holds (a copy left for it) adds its yellow digit, and one in its place
// adds it once more: green. No branch, and signed bytes that compare in one
// step, so that the loops over the answers become vector code.
// All ones for true: what a vector comparison gives, so that a digit is
// added through a mask rather than chosen.
inline std::uint8_t mask(bool b) { return static_cast<std::uint8_t>(-static_cast<int>(b)); }

template <bool kRepeats>
inline std::uint8_t patternOf(const std::int8_t (&green)[5], const std::int8_t (&count)[5],
                              const GuessShape& shape) {
    std::uint8_t pattern = 0;
#pragma GCC unroll 5
    for (int i = 0; i < 5; ++i) {
        bool held = count[i] > 0;
        if constexpr (kRepeats) {
            std::int8_t taken = shape.earlierCopies[i];
#pragma GCC unroll 5
            for (int j = i + 1; j < 5; ++j)
                taken += shape.laterCopy[i][j] & green[j];
            held = green[i] || count[i] > taken;
        }
        pattern += (mask(held) & kYellowDigit[i]) + (mask(green[i]) & kYellowDigit[i]);
    }
    return pattern;
}

// Counting is the one part of the work that no vector code does, and
// consecutive answers often give the same pattern (all grey, say): four
// tallies taken in turn keep one increment from waiting on the one before.
// For a few hundred answers, clearing and summing four costs more than that
// saves, and one does.
template <std::size_t kWays> struct Tallies {
    std::uint32_t counts[kWays][kPatterns] = {};

    void add(const std::uint8_t (&patterns)[kBlock], std::size_t n) {
        std::size_t k = 0;
        for (; k + kWays <= n; k += kWays) {
            for (std::size_t way = 0; way < kWays; ++way)
                ++counts[way][patterns[k + way]];
        }
        for (; k < n; ++k)
            ++counts[0][patterns[k]];
    }

    void sumInto(PatternCounts& sum) const {
        for (std::size_t p = 0; p < kPatterns; ++p) {
            sum[p] = 0;
            for (std::size_t way = 0; way < kWays; ++way)
                sum[p] += counts[way][p];
        }
    }
};

// What becomes of a block's patterns: counted, or kept one per answer.
// Kept whole blocks at a time, padding too: a copy of a fixed length is a
// few vector moves.
struct Kept {
    std::uint8_t* next;
    void add(const std::uint8_t (&patterns)[kBlock], std::size_t) {
        next = std::copy(patterns, patterns + kBlock, next);
    }
};

// One block of answers, as the narrow layout has it: each answer's letters
// as indexes, and how often it holds each of the guess's letters.
struct NarrowBlock {
    const std::uint8_t* letters[5];
    const std::int8_t* counts[5];
    const std::uint8_t* guess;
    bool green(int i, std::size_t k) const { return letters[i][k] == guess[i]; }
    std::int8_t count(int i, std::size_t k) const { return counts[i][k]; }
};

// As the wide layout has it: the code units, the guess's letters counted
// anew.
struct WideBlock {
    const char16_t* units[5];
    const Word* guess;
    bool green(int i, std::size_t k) const { return units[i][k] == (*guess)[i]; }
    std::int8_t count(int i, std::size_t k) const {
        std::int8_t count = 0;
        for (int p = 0; p < 5; ++p)
            count += units[p][k] == (*guess)[i];
        return count;
    }
};

// One block of answers, scored into an array of the block's own, so that
// nothing the loop writes can alias what it reads, then handed on.
template <bool kRepeats, class Block, class Sink>
void scoreBlock(const Block& block, const GuessShape& shape, std::size_t n, Sink& sink) {
    std::uint8_t patterns[kBlock];
    for (std::size_t k = 0; k < kBlock; ++k) {
        std::int8_t green[5];
        std::int8_t count[5];
#pragma GCC unroll 5
        for (int i = 0; i < 5; ++i) {
            green[i] = block.green(i, k);
            count[i] = block.count(i, k);
        }
        patterns[k] = patternOf<kRepeats>(green, count, shape);
    }
    sink.add(patterns, n);
}

template <class Block, class Sink>
void scoreBlock(const Block& block, const GuessShape& shape, std::size_t n, Sink& sink) {
    if (shape.repeats)
        scoreBlock<true>(block, shape, n, sink);
    else
        scoreBlock<false>(block, shape, n, sink);
}

} // namespace

AnswerTable::AnswerTable(const std::vector<Word>& answers)
    : size_(answers.size()), blocks_((answers.size() + kBlock - 1) / kBlock) {
    const std::size_t padded = blocks_ * kBlock;
    for (const Word& answer : answers)
        alphabet_.insert(alphabet_.end(), answer.begin(), answer.end());
    std::sort(alphabet_.begin(), alphabet_.end());
    alphabet_.erase(std::unique(alphabet_.begin(), alphabet_.end()), alphabet_.end());
    wide_ = alphabet_.size() > kMostNarrowLetters;
    if (wide_) {
        // The padding holds unit 0 and is never counted.
        for (int i = 0; i < 5; ++i) {
            units_[i].assign(padded, 0);
            for (std::size_t k = 0; k < size_; ++k)
                units_[i][k] = answers[k][i];
        }
        return;
    }
    indexOf_.assign(std::size_t{1} << 16, kNotInAlphabet);
    for (std::size_t index = 0; index < alphabet_.size(); ++index)
        indexOf_[alphabet_[index]] = static_cast<std::uint8_t>(index);
    letterCounts_.assign((alphabet_.size() + 1) * padded, 0);
    for (int i = 0; i < 5; ++i)
        letterIndexes_[i].assign(padded, kNotInAlphabet);
    for (std::size_t k = 0; k < size_; ++k) {
        for (int i = 0; i < 5; ++i) {
            const std::uint8_t index = indexOf_[answers[k][i]];
            letterIndexes_[i][k] = index;
            ++letterCounts_[index * padded + k];
        }
    }
}

void AnswerTable::countPatterns(const Word& guess, PatternCounts& counts) const {
    if (size_ >= kManyAnswers) {
        Tallies<4> tallies;
        score(guess, tallies);
        tallies.sumInto(counts);
    } else {
        Tallies<1> tallies;
        score(guess, tallies);
        tallies.sumInto(counts);
    }
}

void AnswerTable::patterns(const Word& guess, std::uint8_t* out) const {
    Kept kept{out};
    score(guess, kept);
}

template <class Sink> void AnswerTable::score(const Word& guess, Sink& sink) const {
    const GuessShape shape = shapeOf(guess);
    const std::size_t padded = blocks_ * kBlock;
    if (wide_) {
        for (std::size_t b = 0; b < blocks_; ++b) {
            const std::size_t first = b * kBlock;
            const WideBlock block{{&units_[0][first], &units_[1][first], &units_[2][first],
                                   &units_[3][first], &units_[4][first]},
                                  &guess};
            scoreBlock(block, shape, std::min(kBlock, size_ - first), sink);
        }
        return;
    }
    // The guess's letters as indexes, and the count rows they read: the
    // row after the alphabet's, all zeros, for a letter no answer has.
    std::uint8_t letters[5];
    std::size_t rowOf[5];
    for (int i = 0; i < 5; ++i) {
        letters[i] = indexOf_[guess[i]];
        rowOf[i] = letters[i] == kNotInAlphabet ? alphabet_.size() : letters[i];
    }
    for (std::size_t b = 0; b < blocks_; ++b) {
        const std::size_t first = b * kBlock;
        const NarrowBlock block{
            {&letterIndexes_[0][first], &letterIndexes_[1][first], &letterIndexes_[2][first],
             &letterIndexes_[3][first], &letterIndexes_[4][first]},
            {&letterCounts_[rowOf[0] * padded + first], &letterCounts_[rowOf[1] * padded + first],
             &letterCounts_[rowOf[2] * padded + first], &letterCounts_[rowOf[3] * padded + first],
             &letterCounts_[rowOf[4] * padded + first]},
            letters};
        scoreBlock(block, shape, std::min(kBlock, size_ - first), sink);
    }
}

} // namespace advice
