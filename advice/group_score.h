// What the groups that a guess's colours split the candidates into say of
// the guess: the estimate of the guesses still to come that ranks it, and
// the two figures the panel shows.
#pragma once

#include "advice/pattern_counts.h"

#include <cstdint>
#include <vector>

namespace advice {

// n times the guesses that a group of n words still needs, for every n up
// to the number of candidates, in fixed point: two guesses whose groups have
// the same sizes then get exactly the same sum, whatever the order of the
// groups, and their tie is a real tie, which the candidates and the list's
// order break.
class GroupScale {
  public:
    explicit GroupScale(std::size_t candidates);
    std::int64_t guessesLeft(std::uint32_t n) const { return guessesLeft_[n]; }
    static constexpr std::int64_t kOneGuess = std::int64_t{1} << 20;

  private:
    std::vector<std::int64_t> guessesLeft_;
};

// The guesses still needed after this one, summed over the candidates: the
// ranking's measure (lower is better). The all-green group needs none.
std::int64_t guessesLeft(const PatternCounts& counts, const GroupScale& scale);

struct Figures {
    double bits;         // log2 N - (sum of n log2 n) / N
    double expectedLeft; // (sum of n squared) / N
};
Figures figures(const PatternCounts& counts);

} // namespace advice
