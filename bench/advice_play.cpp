// How well the advice plays: every word of the default list is played once
// as the answer, from an empty panel, and the games' lengths are tallied,
// for five players: one who takes the first word left; one who takes the
// best among the candidates alone; two who take, from the whole list, the
// guess of most information and the one that leaves the fewest guesses
// still needed, by the engine's own estimate, but look no further; and one
// who follows the top advice. The two in the middle measure what each of
// the advice's refinements buys.
//
// After each guess the candidates are narrowed by the answer's exact
// colours, as the game shows them. Games that share their guesses so far
// share their candidates and so their next guess: the run walks that tree
// once, a search per node, rather than replaying every game from the start.
//   advice_play [NAME]   (NAME: play only the players whose name holds it)
#include "advice/advice.h"
#include "advice/group_score.h"
#include "advice/pattern_counts.h"
#include "bench/advice_words.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <vector>

namespace {

using advice::Word;

struct Player {
    const char* name;
    // The next guess for these candidates, as an index into the list.
    std::size_t (*pick)(const std::vector<Word>& list, const std::vector<std::size_t>& left);
};

const advice::Advice& adviceFor(const std::vector<Word>& list,
                                const std::vector<std::size_t>& left) {
    static advice::Search search({}, {});
    search = advice::Search(list, bench::wordsOf(list, left));
    while (!search.advance(std::size_t{1} << 24)) {
    }
    return search.advice();
}

std::size_t firstLeft(const std::vector<Word>&, const std::vector<std::size_t>& left) {
    return left.front();
}

std::size_t bestCandidate(const std::vector<Word>& list, const std::vector<std::size_t>& left) {
    return adviceFor(list, left).bestCandidates.front().guess;
}

std::size_t topAdvice(const std::vector<Word>& list, const std::vector<std::size_t>& left) {
    return adviceFor(list, left).best.front().guess;
}

// The guess of the list with the lowest cost, ties to a candidate, then to
// the list's order; the cost from the pattern counts over the candidates.
std::size_t cheapest(const std::vector<Word>& list, const std::vector<std::size_t>& left,
                     const std::function<double(advice::PatternCounts&)>& cost) {
    const advice::AnswerTable table(bench::wordsOf(list, left));
    std::vector<bool> candidate(list.size());
    for (std::size_t k : left)
        candidate[k] = true;
    std::size_t best = 0;
    double lowest = 0;
    advice::PatternCounts counts;
    for (std::size_t g = 0; g < list.size(); ++g) {
        table.countPatterns(list[g], counts);
        const double c = cost(counts);
        if (g == 0 || c < lowest || (c == lowest && candidate[g] && !candidate[best])) {
            best = g;
            lowest = c;
        }
    }
    return best;
}

// The sum of n log2 n over the groups, summed from the smallest group up,
// so that the same group sizes give the same sum.
std::size_t mostInformation(const std::vector<Word>& list, const std::vector<std::size_t>& left) {
    return cheapest(list, left, [](advice::PatternCounts& counts) {
        std::sort(counts.begin(), counts.end());
        double sum = 0;
        for (const double n : counts)
            sum += n > 1 ? n * std::log2(n) : 0;
        return sum;
    });
}

std::size_t fewestStillNeeded(const std::vector<Word>& list, const std::vector<std::size_t>& left) {
    const advice::GroupScale scale(left.size());
    return cheapest(list, left, [&](advice::PatternCounts& counts) {
        return static_cast<double>(advice::guessesLeft(counts, scale));
    });
}

struct Tally {
    std::map<int, int> games; // by their number of guesses
    void add(int guesses, std::size_t count) { games[guesses] += static_cast<int>(count); }
};

// Plays the games of every answer among `left`, `guesses` guesses in.
void play(const Player& player, const std::vector<Word>& list, const std::vector<std::size_t>& left,
          int guesses, Tally& tally) {
    const std::size_t guess = player.pick(list, left);
    for (const auto& [colours, group] : bench::byColours(list, guess, left)) {
        if (colours == advice::kAllGreen) {
            tally.add(guesses + 1, group.size());
        } else if (group.size() == left.size()) {
            std::fprintf(stderr, "%s: a guess that tells nothing apart\n", player.name);
            std::exit(1);
        } else {
            play(player, list, group, guesses + 1, tally);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<Word> list = bench::defaultWords();
    std::vector<std::size_t> all(list.size());
    for (std::size_t k = 0; k < all.size(); ++k)
        all[k] = k;
    const Player players[] = {{"first word left", firstLeft},
                              {"best among the candidates", bestCandidate},
                              {"most information, any word", mostInformation},
                              {"fewest guesses still needed, any word", fewestStillNeeded},
                              {"top advice", topAdvice}};
    std::printf("%zu games, one per word of data/words.txt\n\n", list.size());
    std::printf("| player | average | worst | over six | games by guesses |\n");
    std::printf("|---|---|---|---|---|\n");
    for (const Player& player : players) {
        if (argc > 1 && !std::strstr(player.name, argv[1]))
            continue;
        const auto start = std::chrono::steady_clock::now();
        Tally tally;
        play(player, list, all, 0, tally);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        long total = 0;
        int overSix = 0;
        std::printf("| %s | ", player.name);
        for (const auto& [guesses, games] : tally.games) {
            total += static_cast<long>(guesses) * games;
            overSix += guesses > 6 ? games : 0;
        }
        std::printf("%.3f | %d | %d | ",
                    static_cast<double>(total) / static_cast<double>(list.size()),
                    tally.games.rbegin()->first, overSix);
        for (const auto& [guesses, games] : tally.games)
            std::printf("%d: %d  ", guesses, games);
        std::printf("|\n");
        std::fprintf(stderr, "(%s: %.1f s)\n", player.name, seconds);
    }
}
