// The least that any way of playing can average on the default list after a
// given opening: a lower bound, where advice_search gives what one good way
// of playing reaches. Every word of the list is the answer once. Each group
// of answers that the opening's colours leave is bounded on its own: the
// least, over every word of the list as the next guess (not only the best
// few by the estimate), of what the groups it leaves need, and so on LEVELS
// guesses deep (one fewer where a group would take too long), with a floor
// below that no play can beat. Three levels take about five minutes an
// opening on two cores, two levels a minute and a quarter on one.
//   advice_bound [LEVELS [OPENING...]]   (by default 3 TARES; in capitals)
#include "advice/advice.h"
#include "bench/advice_words.h"

#include <algorithm>
#include <atomic>
#include <bitset>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <thread>
#include <utility>
#include <vector>

namespace {

using Group = std::vector<int>; // answers, as places in the list, in order

struct TooLong {};

// The table of colours, by answer then guess.
struct Colours {
    const std::vector<std::uint8_t>& table;
    int words;
    int of(int guess, int answer) const {
        return table[static_cast<std::size_t>(answer) * words + guess];
    }
};

// The groups the guess splits the answers into, the all-green one left out,
// largest first: in a bound the one that costs most is then added first, so
// a guess that cannot win is dropped soonest.
std::vector<Group> split(const Colours& colours, int guess, const Group& answers) {
    std::map<int, Group> byColours;
    for (const int answer : answers) {
        if (colours.of(guess, answer) != advice::kAllGreen)
            byColours[colours.of(guess, answer)].push_back(answer);
    }
    std::vector<Group> groups;
    for (auto& [pattern, left] : byColours)
        groups.push_back(std::move(left));
    std::stable_sort(groups.begin(), groups.end(),
                     [](const Group& a, const Group& b) { return a.size() > b.size(); });
    return groups;
}

// One group's bound. Its memory goes with it: the groups an opening leaves
// share no answer, so nothing learnt of one serves another.
class Bound {
  public:
    Bound(const Colours& colours, long work) : colours_(colours), work_(work) {}

    // The least guesses that the group's answers need in all, this one
    // first; at least `cutoff` when that cannot be less. Exact over every
    // guess for `levels` guesses, the floor below them.
    long least(const Group& group, int levels, long cutoff) {
        const long n = static_cast<long>(group.size());
        if (n <= 2)
            return 2 * n - 1;
        if (levels == 0)
            return floor(group);
        std::map<Group, long>& known = known_[levels - 1];
        if (const auto found = known.find(group); found != known.end()) {
            // A negative entry says only "at least this much".
            if (found->second > 0 || -found->second >= cutoff)
                return std::abs(found->second);
        }
        if (++nodes_ > work_)
            throw TooLong{};
        // Each guess, by the least its groups could need at all (2m - 1
        // each): past the first that cannot beat the best, none can.
        std::vector<std::pair<long, int>> guesses;
        for (int guess = 0; guess < colours_.words; ++guess) {
            const long answer = std::binary_search(group.begin(), group.end(), guess);
            guesses.emplace_back(3 * n - 2 * answer - groupsOf(guess, group), guess);
        }
        std::sort(guesses.begin(), guesses.end());
        if (guesses.front().first == 2 * n - 1)
            return known[group] = 2 * n - 1; // one of them tells the others apart
        long best = cutoff;
        bool exact = false;
        for (const auto& [atLeast, guess] : guesses) {
            if (atLeast >= best)
                break;
            const std::vector<Group> groups = split(colours_, guess, group);
            long total = n, rest = atLeast - n;
            bool cut = false;
            for (const Group& left : groups) {
                rest -= 2 * static_cast<long>(left.size()) - 1;
                total += least(left, levels - 1, best - total - rest);
                if ((cut = total + rest >= best))
                    break;
            }
            if (!cut) {
                best = total;
                exact = true;
            }
        }
        known[group] = exact ? best : -best;
        return best;
    }

  private:
    // The groups the guess splits the answers into, the all-green one left out.
    int groupsOf(int guess, const Group& answers) const {
        std::bitset<advice::kPatterns> seen;
        for (const int answer : answers)
            seen.set(colours_.of(guess, answer));
        return static_cast<int>(seen.reset(advice::kAllGreen).count());
    }

    // Below the levels searched: n answers need 2n - 1 guesses at the least
    // (the next guess may be one of them, each other needs two), and 2n
    // unless one of them tells all the others apart.
    long floor(const Group& group) const {
        const long n = static_cast<long>(group.size());
        for (const int guess : group) {
            if (groupsOf(guess, group) == n - 1)
                return 2 * n - 1;
        }
        return 2 * n;
    }

    const Colours colours_;
    const long work_;
    long nodes_ = 0;
    std::map<Group, long> known_[3];
};

// The levels asked for where they take up to this many positions searched,
// one fewer past it: that keeps a run to minutes and its figure the same on
// every machine.
constexpr long kWork = 200'000;
constexpr long kNone = long{1} << 40; // no limit

} // namespace

int main(int argc, char** argv) {
    const std::vector<advice::Word> list = bench::defaultWords();
    const int words = static_cast<int>(list.size());
    std::vector<std::uint8_t> colours(static_cast<std::size_t>(words) * words);
    for (int answer = 0; answer < words; ++answer) {
        for (int guess = 0; guess < words; ++guess)
            colours[static_cast<std::size_t>(answer) * words + guess] =
                static_cast<std::uint8_t>(advice::colours(list[guess], list[answer]));
    }
    const int levels = argc > 1 ? std::clamp(std::atoi(argv[1]), 1, 3) : 3;
    const std::vector<const char*> openings(argv + std::min(argc, 2), argv + argc);
    for (const char* opening : openings.empty() ? std::vector<const char*>{"TARES"} : openings) {
        const auto first = std::find_if(list.begin(), list.end(), [&](const advice::Word& word) {
            return std::equal(word.begin(), word.end(), opening, opening + 5);
        });
        if (std::strlen(opening) != 5 || first == list.end()) {
            std::fprintf(stderr, "%s is not a word of the list (in capitals)\n", opening);
            return 1;
        }
        Group all(words);
        for (int answer = 0; answer < words; ++answer)
            all[answer] = answer;
        const Colours table{colours, words};
        const std::vector<Group> groups = split(table, static_cast<int>(first - list.begin()), all);

        // The groups are bounded apart, one per core at a time.
        std::vector<long> least(groups.size());
        std::atomic<std::size_t> next = 0, shallower = 0;
        std::vector<std::thread> workers;
        for (unsigned k = 0; k < std::max(1u, std::thread::hardware_concurrency()); ++k) {
            workers.emplace_back([&] {
                for (std::size_t g; (g = next++) < groups.size();) {
                    try {
                        least[g] = Bound(table, kWork).least(groups[g], levels, kNone);
                    } catch (TooLong) {
                        least[g] = Bound(table, kNone).least(groups[g], levels - 1, kNone);
                        ++shallower;
                    }
                }
            });
        }
        for (std::thread& worker : workers)
            worker.join();
        long total = words; // the opening, in every game
        for (const long guesses : least)
            total += guesses;
        std::printf("%s: no play needs fewer than %ld guesses in all, %.4f on average "
                    "(%d guesses deep, %zu of the %zu groups one fewer)\n",
                    opening, total, double(total) / words, levels, shallower.load(), groups.size());
    }
}
