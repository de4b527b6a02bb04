// The next-guess engine's speed on one core: the plain and the fast way of
// scoring pairs (one guess against one candidate), and whole advices, from
// the lists to the advice, on the default list and on 15,000 random words.
// Run it on one core: taskset -c 0 build/bench/advice_bench
#include "advice/advice.h"
#include "advice/pattern_counts.h"
#include "bench/advice_words.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using advice::Word;

const std::vector<Word>& defaultList() {
    static const std::vector<Word> words = bench::defaultWords();
    return words;
}

const std::vector<Word>& randomList() {
    static const std::vector<Word> words = bench::randomWords(15000);
    return words;
}

const std::vector<Word>& list(int which) { return which == 0 ? defaultList() : randomList(); }

// `count` candidates spread evenly over the list: as varied as the list
// itself, so harder to split than what a row's colours leave.
std::vector<Word> spread(const std::vector<Word>& words, std::size_t count) {
    std::vector<Word> taken;
    for (std::size_t k = 0; k < count; ++k)
        taken.push_back(words[k * words.size() / count]);
    return taken;
}

void reportPerPair(benchmark::State& state, std::size_t pairs) {
    state.counters["per_pair"] = benchmark::Counter(static_cast<double>(pairs),
                                                    benchmark::Counter::kIsIterationInvariantRate |
                                                        benchmark::Counter::kInvert);
}

// One guess against every word of the default list, guess after guess.
void PairsPlain(benchmark::State& state) {
    const std::vector<Word>& words = defaultList();
    advice::PatternCounts counts;
    std::size_t guess = 0;
    for (auto _ : state) {
        advice::countPatternsPlain(words[guess], words, counts);
        benchmark::DoNotOptimize(counts);
        guess = (guess + 1) % words.size();
    }
    reportPerPair(state, words.size());
}
BENCHMARK(PairsPlain);

void PairsFast(benchmark::State& state) {
    const std::vector<Word>& words = defaultList();
    const advice::AnswerTable table(words);
    advice::PatternCounts counts;
    std::size_t guess = 0;
    for (auto _ : state) {
        table.countPatterns(words[guess], counts);
        benchmark::DoNotOptimize(counts);
        guess = (guess + 1) % words.size();
    }
    reportPerPair(state, words.size());
}
BENCHMARK(PairsFast);

// A whole advice, as the page's worker asks for it: every word of the list
// as a guess, against `candidates` of them (all of them: the opening).
void Advice(benchmark::State& state) {
    const std::vector<Word>& words = list(static_cast<int>(state.range(0)));
    const auto count = static_cast<std::size_t>(state.range(1));
    const std::vector<Word> candidates = count < words.size() ? spread(words, count) : words;
    for (auto _ : state) {
        advice::Search search(words, candidates);
        while (!search.advance(std::size_t{1} << 20)) {
        }
        benchmark::DoNotOptimize(search.advice().best.front().guess);
    }
    state.SetLabel(state.range(0) == 0 ? "default list" : "15,000 random words");
    reportPerPair(state, words.size() * candidates.size());
}
// 124 and 55: the most candidates that the best five are looked at one
// step further for after every guess, on each list; the dearest advices
// below 1,000, with 300 and 100 on either list, where they are looked at
// further after the best guesses only.
BENCHMARK(Advice)
    ->ArgNames({"list", "candidates"})
    ->Args({0, 6748})
    ->Args({0, 1000})
    ->Args({0, 300})
    ->Args({0, 124})
    ->Args({0, 100})
    ->Args({1, 15000})
    ->Args({1, 1000})
    ->Args({1, 100})
    ->Args({1, 55})
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
