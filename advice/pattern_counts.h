// How one guess's colours split a list of answers: the number of answers
// that give each of the 243 patterns.
#pragma once

#include "advice/advice.h"

#include <array>
#include <cstdint>
#include <vector>

namespace advice {

using PatternCounts = std::array<std::uint32_t, kPatterns>;

// The plain way: colours() for every answer. Slow (about 20 ns an answer),
// obviously right, and the reference of the fast way.
void countPatternsPlain(const Word& guess, const std::vector<Word>& answers, PatternCounts& counts);

} // namespace advice
