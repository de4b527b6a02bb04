#include "advice/group_score.h"

#include <cmath>

namespace advice {

namespace {

// The guesses a group of n words still needs, found one is the next guess
// that wins; one word needs one, two need one and a half (either may win
// first). Beyond that an estimate, fitted to how the advice itself plays
// out on the default list: each further guess splits less than the one
// before, so the need grows more slowly than log2 n. Its exact shape
// matters little once the best few are looked at one step further.
double guessesNeeded(std::size_t n) {
    if (n <= 2)
        return static_cast<double>(n + 1) / 2;
    const double bits = std::log2(static_cast<double>(n));
    return 1 + 0.7 * bits / (1 + 0.25 * bits);
}

} // namespace

GroupScale::GroupScale(std::size_t candidates)
    : nLogN_(candidates + 1), guessesLeft_(candidates + 1) {
    for (std::size_t n = 1; n <= candidates; ++n) {
        const double size = static_cast<double>(n);
        nLogN_[n] = std::llround(size * std::log2(size) * kUnit);
        guessesLeft_[n] = std::llround(size * guessesNeeded(n) * kUnit);
    }
}

GroupScore scoreGroups(const PatternCounts& counts, const GroupScale& scale) {
    GroupScore score;
    for (std::size_t p = 0; p < kPatterns; ++p) {
        const std::uint32_t n = counts[p];
        score.sumNLogN += scale.nLogN(n);
        score.sumSquares += std::uint64_t{n} * n;
        // The answers of the all-green group are found: they need no more.
        if (p != kAllGreen)
            score.guessesLeft += scale.guessesLeft(n);
    }
    return score;
}

double bits(const GroupScore& score, std::size_t candidates) {
    if (candidates == 0)
        return 0;
    const double n = static_cast<double>(candidates);
    const double bits = std::log2(n) - static_cast<double>(score.sumNLogN) / GroupScale::kUnit / n;
    // The fixed point may leave a hair below zero for a guess that splits
    // nothing.
    return bits > 0 ? bits : 0;
}

double expectedLeft(const GroupScore& score, std::size_t candidates) {
    if (candidates == 0)
        return 0;
    return static_cast<double>(score.sumSquares) / static_cast<double>(candidates);
}

} // namespace advice
