// The next-guess engine: how a guess's colours would split the candidates
// left, and which guesses split them best. Standard C++ only: the page's
// worker builds it to WebAssembly on its own, the desktop builds it for the
// benchmarks and tests.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <vector>

namespace advice {

// A word as the word store holds it: five UTF-16 code units, compared
// exactly (any code units, not only A-Z).
using Word = std::array<char16_t, 5>;

// The colours of a guess against an answer: one base-3 digit per position,
// position 1 the lowest digit; 0 grey, 1 yellow, 2 green. 243 patterns, 242
// is all green.
constexpr int kPatterns = 243;
constexpr int kAllGreen = kPatterns - 1;
int colours(const Word& guess, const Word& answer);

struct Entry {
    std::size_t guess;   // index into the guesses the search was given
    double bits;         // expected information of the guess's colours over the candidates, in bits
    double expectedLeft; // expected words left after it: sum of squared group sizes / candidates
    bool candidate;      // the guess is one of the candidates, so it may win at once
};

// Best first means fewest guesses still needed after it, by the engine's
// estimate (not the most bits), ties to a candidate, then to the list's
// order. A word listed twice is one guess, at its first place. With no
// candidate both lists are empty.
struct Advice {
    // Up to five, from the whole list, best first (the probe words).
    std::vector<Entry> best;
    // Up to three, from the candidates only, best first.
    std::vector<Entry> bestCandidates;
    // Above the exact size (15,000 distinct guesses or 15,000 candidates):
    // guesses narrowed and/or candidates sampled.
    bool narrowed = false;
};

// One advice, worked out a slice at a time so that a newer request can cut
// it short.
class Search {
  public:
    // guesses: every five-unit word of the loaded list, in the list's order
    // (duplicates possible); candidates: the current list (every entry
    // counts).
    Search(std::vector<Word> guesses, std::vector<Word> candidates);
    ~Search();
    Search(Search&&) noexcept;
    Search& operator=(Search&&) noexcept;

    // Does about that many scored pairs of work (at least one guess's);
    // true once complete. The constructor only lays the lists out (a sort
    // of each); all the scoring is done here.
    bool advance(std::size_t pairs);
    // 0 to 1, for a "working" indicator.
    double progress() const;
    // Complete once advance() has returned true.
    const Advice& advice() const;

  private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace advice
