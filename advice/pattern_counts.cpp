#include "advice/pattern_counts.h"

namespace advice {

void countPatternsPlain(const Word& guess, const std::vector<Word>& answers,
                        PatternCounts& counts) {
    counts.fill(0);
    for (const Word& answer : answers)
        ++counts[static_cast<std::size_t>(colours(guess, answer))];
}

} // namespace advice
