// What the groups that a guess's colours split the candidates into say of
// the guess: the two figures the panel shows, and the estimate of the
// guesses still to come that ranks it.
#pragma once

#include "advice/pattern_counts.h"

#include <cstdint>
#include <vector>

namespace advice {

// Per group size, up to the number of candidates: n log2 n, for the bits,
// and n times the guesses a group of n words still needs, for the ranking.
// Both in fixed point, so that two guesses whose groups have the same sizes
// get exactly the same sums whatever the order of the groups: their tie is
// then a real tie, which the candidates and the list's order break.
class GroupScale {
  public:
    explicit GroupScale(std::size_t candidates);
    std::int64_t nLogN(std::uint32_t n) const { return nLogN_[n]; }
    std::int64_t guessesLeft(std::uint32_t n) const { return guessesLeft_[n]; }
    static constexpr double kUnit = 1 << 20;

  private:
    std::vector<std::int64_t> nLogN_;
    std::vector<std::int64_t> guessesLeft_;
};

struct GroupScore {
    std::int64_t sumNLogN = 0;    // over the groups, in GroupScale's fixed point
    std::uint64_t sumSquares = 0; // of the group sizes
    // The guesses still needed after this one, summed over the candidates,
    // in GroupScale's fixed point: the ranking's measure (lower is better).
    std::int64_t guessesLeft = 0;
};

GroupScore scoreGroups(const PatternCounts& counts, const GroupScale& scale);

// Bits: log2 N - (sum of n log2 n) / N. Words left: (sum of n squared) / N.
double bits(const GroupScore& score, std::size_t candidates);
double expectedLeft(const GroupScore& score, std::size_t candidates);

} // namespace advice
