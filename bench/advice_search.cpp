// How far a search without a time limit gets on the default list: what the
// top advice's playing figure (advice_play) is measured against. Every word
// of the list is the answer once. After the opening, each group of
// candidates that its colours leave is played by a search that tries, at
// every position, the best few guesses by the engine's own estimate (K1 of
// them over 100 candidates, K2 over 15, K3 up to 15) and follows each one
// exactly, down to single words, dropping a guess as soon as it cannot beat
// the best one found. It prints the average guesses per game. It takes
// seconds to minutes, thousands of times the work of one advice.
//   advice_search [K1 K2 K3 [OPENING]]   (by default 8 15 30 TARES)
#include "advice/advice.h"
#include "advice/group_score.h"
#include "advice/pattern_counts.h"
#include "bench/advice_words.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <utility>
#include <vector>

namespace {

using advice::Word;
using Group = std::vector<std::size_t>; // indices into the list

std::vector<Word> list;
std::size_t tried[3] = {8, 15, 30};
std::map<Group, long> solved; // the least guesses each group needs, in all

std::map<int, Group> split(std::size_t guess, const Group& group) {
    return bench::byColours(list, guess, group);
}

long solve(const Group& group, long bound);

// The guesses that the group's answers need in all, this one first; at
// least the bound when they cannot do better than it. Each group of n words
// that it leaves needs 2n - 1 more at the least: one of them can be guessed
// next, each other needs two.
long cost(std::size_t guess, const Group& group, long bound) {
    const std::map<int, Group> groups = split(guess, group);
    if (groups.size() == 1 && !groups.contains(advice::kAllGreen))
        return bound; // it tells nothing
    long total = static_cast<long>(group.size()), least = 0;
    for (const auto& [colours, left] : groups)
        least += colours == advice::kAllGreen ? 0 : 2 * static_cast<long>(left.size()) - 1;
    for (const auto& [colours, left] : groups) {
        if (colours == advice::kAllGreen)
            continue;
        least -= 2 * static_cast<long>(left.size()) - 1;
        if (total + least >= bound)
            return bound;
        total += solve(left, bound - total - least);
    }
    return std::min(total, bound);
}

// The least guesses the group needs, or at least the bound.
long solve(const Group& group, long bound) {
    const long n = static_cast<long>(group.size());
    if (n <= 2)
        return 2 * n - 1;
    if (const auto found = solved.find(group); found != solved.end())
        return found->second;
    // A candidate that tells the others apart needs the least there is.
    for (const std::size_t guess : group) {
        if (static_cast<long>(split(guess, group).size()) == n)
            return solved[group] = 2 * n - 1;
    }
    const std::vector<Word> words = bench::wordsOf(list, group);
    const advice::AnswerTable table(words);
    const advice::GroupScale scale(words.size());
    advice::PatternCounts counts;
    std::vector<std::pair<std::int64_t, std::size_t>> ranked;
    for (std::size_t guess = 0; guess < list.size(); ++guess) {
        table.countPatterns(list[guess], counts);
        if (std::count_if(counts.begin(), counts.end(), [](auto c) { return c > 0; }) == n)
            return solved[group] = 2 * n; // no candidate does it, this guess does
        const bool candidate = std::find(group.begin(), group.end(), guess) != group.end();
        ranked.emplace_back(advice::guessesLeft(counts, scale) - candidate, guess);
    }
    const std::size_t k = std::min(tried[n > 100 ? 0 : n > 15 ? 1 : 2], ranked.size());
    std::partial_sort(ranked.begin(), ranked.begin() + k, ranked.end());
    long best = bound;
    for (std::size_t i = 0; i < k; ++i)
        best = std::min(best, cost(ranked[i].second, group, best));
    if (best < bound)
        solved[group] = best;
    return best;
}

} // namespace

int main(int argc, char** argv) {
    list = bench::defaultWords();
    for (int i = 1; i < std::min(argc, 4); ++i)
        tried[i - 1] = std::strtoul(argv[i], nullptr, 10);
    const char* opening = argc > 4 ? argv[4] : "TARES";
    Group all(list.size());
    for (std::size_t k = 0; k < all.size(); ++k)
        all[k] = k;
    const auto first = std::find_if(all.begin(), all.end(), [&](std::size_t k) {
        return std::strlen(opening) == 5 && std::equal(list[k].begin(), list[k].end(), opening);
    });
    if (first == all.end()) {
        std::fprintf(stderr, "%s is not a word of the list (in capitals)\n", opening);
        return 1;
    }
    long total = static_cast<long>(list.size()); // the opening, in every game
    for (const auto& [colours, group] : split(*first, all)) {
        if (colours != advice::kAllGreen)
            total += solve(group, long{1} << 40);
    }
    std::printf("%s, the best %zu, %zu and %zu guesses searched: %.4f guesses on average\n",
                opening, tried[0], tried[1], tried[2], double(total) / double(list.size()));
}
