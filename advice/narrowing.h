// Which guesses a search tries and which candidates it scores them
// against: all of them up to kExact of each, else a fixed share.
#pragma once

#include "advice/advice.h"

#include <cstddef>
#include <vector>

namespace advice {

// Up to this many distinct guesses and this many candidates every pair is
// scored; above it the guesses are narrowed and the candidates sampled to
// this many each, which bounds a search's work and memory whatever the list.
constexpr std::size_t kExact = 15000;

struct Narrowed {
    std::vector<std::size_t> guesses; // the guesses tried: indexes, in the list's order
    std::vector<bool> isCandidate;    // for each of guesses: it is among the candidates
    std::vector<Word> answers;        // the candidates scored against
    bool narrowed = false;
};

// A word listed twice is one guess, tried at its first place. A sample
// takes candidates evenly spread over the list, the same ones every time;
// narrowed guesses are those whose letters split the sample most evenly,
// one letter and one position at a time.
Narrowed narrow(const std::vector<Word>& guesses, const std::vector<Word>& candidates);

} // namespace advice
