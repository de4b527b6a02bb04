#include "advice/group_score.h"

#include <algorithm>
#include <cmath>

namespace advice {

namespace {

// The guesses a group of n words still needs, counting the one that finds
// the answer: one word needs one. Beyond that an estimate, fitted to how the
// advice itself plays out on the default list: each further guess splits
// less than the one before, so the need grows more slowly than log2 n. Two
// words need one and a half on average, but one game in two takes the
// second guess, and near the sixth that loses it: the estimate, 1.64, makes
// a pair a little dearer than that, so that the advice does not leave pairs
// where splitting them costs nothing more. Its exact shape matters little
// once the best few are looked at one step further.
double guessesNeeded(std::size_t n) {
    if (n <= 1)
        return 1;
    const double bits = std::log2(static_cast<double>(n));
    return 1 + 0.8 * bits / (1 + 0.25 * bits);
}

} // namespace

GroupScale::GroupScale(std::size_t candidates) : guessesLeft_(candidates + 1) {
    for (std::size_t n = 1; n <= candidates; ++n) {
        const double sum = static_cast<double>(n) * guessesNeeded(n);
        guessesLeft_[n] = std::llround(sum * static_cast<double>(kOneGuess));
    }
}

std::int64_t guessesLeft(const PatternCounts& counts, const GroupScale& scale) {
    std::int64_t left = 0;
    for (std::size_t p = 0; p < kAllGreen; ++p)
        left += scale.guessesLeft(counts[p]);
    return left;
}

Figures figures(const PatternCounts& counts) {
    double candidates = 0, sumNLogN = 0, sumSquares = 0;
    for (const double n : counts) {
        candidates += n;
        sumNLogN += n > 0 ? n * std::log2(n) : 0;
        sumSquares += n * n;
    }
    if (candidates == 0)
        return {0, 0};
    // Rounding may leave a hair below zero for a guess that splits nothing.
    return {std::max(0.0, std::log2(candidates) - sumNLogN / candidates), sumSquares / candidates};
}

} // namespace advice
