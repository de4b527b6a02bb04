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

// The fast way, for many guesses against the same answers: the answers are
// laid out once as five arrays of letters (one per position) and, for every
// letter of the list's own alphabet, an array of how often each answer holds
// it. A guess is then scored by plain loops over those arrays, which the
// compiler turns into vector code, natively and in WebAssembly alike.
//
// An alphabet of up to 255 code units (any list of one script) goes in one
// byte a letter, and its letter counts are worked out once. A list with more
// distinct code units keeps them whole and counts the guess's letters for
// each guess anew: slower, but just as right.
class AnswerTable {
  public:
    explicit AnswerTable(const std::vector<Word>& answers);
    std::size_t size() const { return size_; }
    // The same counts as countPatternsPlain over the answers.
    void countPatterns(const Word& guess, PatternCounts& counts) const;
    // The colours of the guess against each answer, in the answers' order,
    // from out on, and then up to the end of the last block: out must have
    // room for paddedSize() of them.
    void patterns(const Word& guess, std::uint8_t* out) const;
    std::size_t paddedSize() const { return blocks_ * kBlock; }

    // The answers are scored a block at a time, in arrays of the block's
    // size, so that the loops have a fixed length and nothing aliases.
    static constexpr std::size_t kBlock = 64;

  private:
    // From this many answers on, the counting takes four tallies in turn.
    static constexpr std::size_t kManyAnswers = 1024;
    template <class Sink> void score(const Word& guess, Sink& sink) const;

    std::size_t size_;
    std::size_t blocks_;
    // The narrow layout: the alphabet, sorted, and for each position the
    // answers' letters as indexes into it (kNotInAlphabet for padding).
    std::vector<char16_t> alphabet_;
    std::vector<std::uint8_t> indexOf_; // for every code unit

    std::array<std::vector<std::uint8_t>, 5> letterIndexes_;
    // How often each answer holds each letter of the alphabet, a row a
    // letter, and one row of zeros for the guess's letters that no answer
    // has.
    std::vector<std::int8_t> letterCounts_;
    // The wide layout: the code units themselves.
    std::array<std::vector<char16_t>, 5> units_;
    bool wide_;
};

} // namespace advice
