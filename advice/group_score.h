// The two figures the panel shows for a guess, worked out from the sizes of
// the groups its colours split the candidates into.
#pragma once

#include "advice/pattern_counts.h"

#include <cstdint>
#include <vector>

namespace advice {

// n log2 n for every group size up to the number of candidates, in fixed
// point, so that two guesses whose groups have the same sizes get exactly
// the same sum whatever the order of the groups: their tie is then a real
// tie, which the candidates and the list's order break.
class GroupScale {
  public:
    explicit GroupScale(std::size_t candidates);
    std::int64_t nLogN(std::uint32_t n) const { return nLogN_[n]; }
    static constexpr double kUnit = 1 << 20;

  private:
    std::vector<std::int64_t> nLogN_;
};

struct GroupScore {
    std::int64_t sumNLogN = 0;    // over the groups, in GroupScale's fixed point
    std::uint64_t sumSquares = 0; // of the group sizes
};

GroupScore scoreGroups(const PatternCounts& counts, const GroupScale& scale);

// Bits: log2 N - (sum of n log2 n) / N. Words left: (sum of n squared) / N.
double bits(const GroupScore& score, std::size_t candidates);
double expectedLeft(const GroupScore& score, std::size_t candidates);

} // namespace advice
