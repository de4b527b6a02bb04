#include "advice/group_score.h"

#include <cmath>

namespace advice {

GroupScale::GroupScale(std::size_t candidates) : nLogN_(candidates + 1) {
    for (std::size_t n = 2; n <= candidates; ++n) {
        const double value = static_cast<double>(n) * std::log2(static_cast<double>(n));
        nLogN_[n] = std::llround(value * kUnit);
    }
}

GroupScore scoreGroups(const PatternCounts& counts, const GroupScale& scale) {
    GroupScore score;
    for (std::uint32_t n : counts) {
        score.sumNLogN += scale.nLogN(n);
        score.sumSquares += std::uint64_t{n} * n;
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
