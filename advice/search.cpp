#include "advice/advice.h"

#include "advice/group_score.h"
#include "advice/pattern_counts.h"

#include <algorithm>
#include <numeric>

namespace advice {

namespace {

constexpr std::size_t kBest = 5;
constexpr std::size_t kBestCandidates = 3;

struct Scored {
    std::size_t guess; // index into the guesses as given
    bool candidate;
    GroupScore score;
};

// Better first: more information, then a guess that may win at once, then
// the list's order.
bool better(const Scored& a, const Scored& b) {
    if (a.score.sumNLogN != b.score.sumNLogN)
        return a.score.sumNLogN < b.score.sumNLogN;
    if (a.candidate != b.candidate)
        return a.candidate;
    return a.guess < b.guess;
}

// The first occurrence of every word, in the list's order: a word listed
// twice is one guess.
std::vector<std::size_t> distinctGuesses(const std::vector<Word>& guesses) {
    std::vector<std::size_t> byWord(guesses.size());
    std::iota(byWord.begin(), byWord.end(), std::size_t{0});
    std::stable_sort(byWord.begin(), byWord.end(),
                     [&](std::size_t a, std::size_t b) { return guesses[a] < guesses[b]; });
    std::vector<std::size_t> first;
    for (std::size_t k = 0; k < byWord.size(); ++k) {
        if (k == 0 || guesses[byWord[k]] != guesses[byWord[k - 1]])
            first.push_back(byWord[k]);
    }
    std::sort(first.begin(), first.end());
    return first;
}

} // namespace

struct Search::State {
    State(std::vector<Word> guessList, std::vector<Word> candidateList)
        : guesses(std::move(guessList)), candidates(std::move(candidateList)),
          order(distinctGuesses(guesses)), scale(candidates.size()) {
        std::vector<Word> sorted = candidates;
        std::sort(sorted.begin(), sorted.end());
        for (std::size_t g : order)
            isCandidate.push_back(std::binary_search(sorted.begin(), sorted.end(), guesses[g]));
        scored.reserve(order.size());
    }

    Entry entry(const Scored& s) const {
        return {s.guess, bits(s.score, candidates.size()), expectedLeft(s.score, candidates.size()),
                s.candidate};
    }

    void finish() {
        const std::size_t top = std::min(kBest, scored.size());
        std::partial_sort(scored.begin(), scored.begin() + static_cast<std::ptrdiff_t>(top),
                          scored.end(), better);
        for (std::size_t k = 0; k < top; ++k)
            result.best.push_back(entry(scored[k]));
        std::vector<Scored> fromCandidates;
        std::copy_if(scored.begin(), scored.end(), std::back_inserter(fromCandidates),
                     [](const Scored& s) { return s.candidate; });
        const std::size_t topCandidates = std::min(kBestCandidates, fromCandidates.size());
        std::partial_sort(fromCandidates.begin(),
                          fromCandidates.begin() + static_cast<std::ptrdiff_t>(topCandidates),
                          fromCandidates.end(), better);
        for (std::size_t k = 0; k < topCandidates; ++k)
            result.bestCandidates.push_back(entry(fromCandidates[k]));
        complete = true;
    }

    std::vector<Word> guesses;
    std::vector<Word> candidates;
    std::vector<std::size_t> order; // the distinct guesses, in the list's order
    std::vector<bool> isCandidate;  // for each of order
    GroupScale scale;
    std::vector<Scored> scored;
    std::size_t next = 0; // in order
    bool complete = false;
    Advice result;
};

Search::Search(std::vector<Word> guesses, std::vector<Word> candidates)
    : state_(std::make_unique<State>(std::move(guesses), std::move(candidates))) {}

Search::~Search() = default;
Search::Search(Search&&) noexcept = default;
Search& Search::operator=(Search&&) noexcept = default;

bool Search::advance(std::size_t pairs) {
    State& s = *state_;
    if (s.complete)
        return true;
    if (s.candidates.empty()) {
        s.finish();
        return true;
    }
    PatternCounts counts;
    // At least one guess a call, so that any slice makes progress.
    std::size_t done = 0;
    do {
        if (s.next == s.order.size()) {
            s.finish();
            return true;
        }
        const std::size_t g = s.order[s.next];
        countPatternsPlain(s.guesses[g], s.candidates, counts);
        s.scored.push_back({g, s.isCandidate[s.next], scoreGroups(counts, s.scale)});
        ++s.next;
        done += s.candidates.size();
    } while (done < pairs);
    return false;
}

double Search::progress() const {
    const State& s = *state_;
    if (s.complete || s.order.empty())
        return s.complete ? 1.0 : 0.0;
    return static_cast<double>(s.next) / static_cast<double>(s.order.size());
}

const Advice& Search::advice() const { return state_->result; }

} // namespace advice
