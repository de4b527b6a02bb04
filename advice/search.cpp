#include "advice/advice.h"

#include "advice/group_score.h"
#include "advice/narrowing.h"
#include "advice/pattern_counts.h"

#include <algorithm>
#include <numeric>

namespace advice {

namespace {

constexpr std::size_t kBest = 5;
constexpr std::size_t kBestCandidates = 3;
// The best few that are looked at one step further: the whole best list.
constexpr std::size_t kLookahead = kBest;
// Looking one step further scores every guess again, once for each of the
// best few: kLookahead times the first pass's pairs, each a little dearer.
// It is done where that stays within this many pairs.
constexpr std::size_t kMostLookaheadPairs = std::size_t{4} << 20;
// Beyond that, up to this many first-pass pairs' worth of work, the best few
// are followed only by the best guesses of the first pass, as many as what
// the first pass leaves of it pays for. The first pass costs, besides its
// pairs, about this many pairs' worth for each guess (the list laid out and
// each guess ranked); a pair scored one step further costs about five of the
// first pass (each group is counted on its own). The best next guesses of
// the groups are mostly among the best guesses of the whole: the second
// guess of a game, from a few hundred candidates, is where this matters, and
// the opening stays without.
constexpr std::size_t kMostWork = 7'000'000;
constexpr std::size_t kPairsPerGuess = 350;
constexpr std::size_t kLookFurtherCost = 5;

struct Scored {
    std::size_t guess; // index into the guesses as given
    bool candidate;
    std::int64_t rank; // guesses still needed, in GroupScale's fixed point: lower is better
};

// Better first: fewer guesses still needed, then a guess that may win at
// once, then the list's order.
bool better(const Scored& a, const Scored& b) {
    if (a.rank != b.rank)
        return a.rank < b.rank;
    if (a.candidate != b.candidate)
        return a.candidate;
    return a.guess < b.guess;
}

// One of the best few, looked at one step further: the guesses still needed
// after it, if each group its colours leave is followed by the best guess
// for that group. A group of one or two words needs one guess or one and a
// half; for a larger one every guess of the list is tried. The answers are
// laid out in the order of the probe's colours, so that each group is one
// run of them and one pass of a guess over all the answers scores it
// against every group at once.
class Probe {
  public:
    Probe(const Word& probe, const std::vector<Word>& answers, const GroupScale& scale)
        : scale_(&scale) {
        std::vector<int> colour(answers.size());
        std::vector<std::size_t> byColour(answers.size());
        for (std::size_t k = 0; k < answers.size(); ++k)
            colour[k] = colours(probe, answers[k]);
        std::iota(byColour.begin(), byColour.end(), std::size_t{0});
        std::stable_sort(byColour.begin(), byColour.end(),
                         [&](std::size_t a, std::size_t b) { return colour[a] < colour[b]; });
        std::vector<Word> laidOut;
        for (std::size_t begin = 0, end = 0; begin < byColour.size(); begin = end) {
            while (end < byColour.size() && colour[byColour[end]] == colour[byColour[begin]])
                laidOut.push_back(answers[byColour[end++]]);
            const auto size = static_cast<std::uint32_t>(end - begin);
            if (colour[byColour[begin]] == kAllGreen)
                continue;
            if (size <= 2)
                known_ += scale.guessesLeft(size);
            else
                groups_.push_back(
                    {begin, end, scale.guessesLeft(size), GroupScale::kOneGuess * (size - 1)});
        }
        table_ = AnswerTable(laidOut);
        patterns_.resize(table_.paddedSize());
        open_ = groups_.size();
    }

    // Nothing does better for a group than a word of it that splits the
    // others apart (each then needs one guess more): a group that has one
    // is done.
    bool complete() const { return open_ == 0; }

    // One more guess against every group still open.
    void score(const Word& guess) {
        table_.patterns(guess, patterns_.data());
        for (Group& group : groups_) {
            if (group.fewest <= group.floor)
                continue;
            group.fewest = std::min(group.fewest, guessesLeft(group));
            open_ -= group.fewest <= group.floor;
        }
    }

    // The probe's rank: the guesses still needed after it, summed over the
    // answers, counting the best next guess of each group.
    std::int64_t rank() const {
        std::int64_t rank = known_;
        for (const Group& group : groups_) {
            const auto size = static_cast<std::int64_t>(group.end - group.begin);
            rank += GroupScale::kOneGuess * size + group.fewest;
        }
        return rank;
    }

  private:
    struct Group {
        std::size_t begin, end;
        std::int64_t fewest; // after the best next guess so far
        std::int64_t floor;  // what nothing can beat
    };

    // What the groups that the last guess splits one group into still need.
    std::int64_t guessesLeft(const Group& group) {
        for (std::size_t k = group.begin; k < group.end; ++k)
            ++counts_[patterns_[k]];
        std::int64_t left = 0;
        for (std::size_t k = group.begin; k < group.end; ++k) {
            std::uint32_t& count = counts_[patterns_[k]];
            if (count != 0 && patterns_[k] != kAllGreen)
                left += scale_->guessesLeft(count);
            count = 0;
        }
        return left;
    }

    const GroupScale* scale_;
    AnswerTable table_{{}};
    std::vector<std::uint8_t> patterns_;
    std::vector<Group> groups_;
    std::size_t open_ = 0;
    std::int64_t known_ = 0;
    std::uint32_t counts_[kPatterns] = {};
};

} // namespace

struct Search::State {
    State(std::vector<Word> guessList, std::vector<Word> candidateList)
        : guesses(std::move(guessList)), candidates(std::move(candidateList)),
          narrowed(narrow(guesses, candidates)), table(narrowed.answers),
          scale(narrowed.answers.size()) {
        result.narrowed = narrowed.narrowed;
        scored.reserve(order().size());
        totalPairs = order().size() * answers().size();
        const std::size_t perGuess = kLookahead * answers().size();
        if (kLookahead * totalPairs <= kMostLookaheadPairs)
            nextCount = order().size();
        else if (const std::size_t work = totalPairs + kPairsPerGuess * order().size();
                 work < kMostWork)
            nextCount = std::min(order().size(), (kMostWork - work) / kLookFurtherCost / perGuess);
        lookahead = nextCount > 0;
        totalPairs += nextCount * perGuess;
    }

    const std::vector<std::size_t>& order() const { return narrowed.guesses; }
    const std::vector<Word>& answers() const { return narrowed.answers; }

    // One step of the work, about `pairs` scored pairs or a little more;
    // true once the advice is complete.
    bool work(std::size_t pairs) {
        // No candidate: nothing to advise.
        if (answers().empty()) {
            complete = true;
            return true;
        }
        const std::size_t start = donePairs;
        while (donePairs - start < pairs || donePairs == start) {
            if (next < order().size()) {
                scoreNextGuess();
            } else if (lookahead && !planned) {
                planLookahead();
            } else if (lookahead && nextGuess < nextGuesses.size() && !lookedFurther()) {
                lookFurther();
            } else {
                finish();
                return true;
            }
        }
        return false;
    }

    // The first pass: one guess against every answer.
    void scoreNextGuess() {
        PatternCounts counts;
        const std::size_t g = order()[next];
        table.countPatterns(guesses[g], counts);
        scored.push_back({g, narrowed.isCandidate[next], guessesLeft(counts, scale)});
        ++next;
        donePairs += answers().size();
    }

    // The best few, each with the groups it leaves. Their next guesses
    // (every guess, or the best nextCount of the first pass) are tried
    // candidates first, as a candidate is the most likely to split a small
    // group apart and end its search.
    void planLookahead() {
        planned = true;
        const std::size_t few = std::min(kLookahead, scored.size());
        const bool every = nextCount == order().size();
        const std::size_t sorted = every ? few : std::max(few, nextCount);
        std::partial_sort(scored.begin(), scored.begin() + static_cast<std::ptrdiff_t>(sorted),
                          scored.end(), better);
        for (std::size_t k = 0; k < few; ++k)
            probes.emplace_back(guesses[scored[k].guess], answers(), scale);
        for (const bool candidatesFirst : {true, false}) {
            for (std::size_t k = 0; k < nextCount; ++k) {
                if (every && narrowed.isCandidate[k] == candidatesFirst)
                    nextGuesses.push_back(order()[k]);
                else if (!every && scored[k].candidate == candidatesFirst)
                    nextGuesses.push_back(scored[k].guess);
            }
        }
        donePairs += few * answers().size();
    }

    // One more guess after each of the best few.
    void lookFurther() {
        const Word& guess = guesses[nextGuesses[nextGuess++]];
        for (Probe& probe : probes) {
            if (!probe.complete())
                probe.score(guess);
        }
        donePairs += probes.size() * answers().size();
    }

    bool lookedFurther() const {
        return std::all_of(probes.begin(), probes.end(),
                           [](const Probe& probe) { return probe.complete(); });
    }

    // The figures are worked out again for the few guesses shown.
    Entry entry(const Scored& s) const {
        PatternCounts counts;
        table.countPatterns(guesses[s.guess], counts);
        const Figures shown = figures(counts);
        return {s.guess, shown.bits, shown.expectedLeft, s.candidate};
    }

    // The best few (looked at further, if they were) ahead of the rest.
    void finish() {
        for (std::size_t k = 0; k < probes.size(); ++k)
            scored[k].rank = probes[k].rank();
        const auto few = static_cast<std::ptrdiff_t>(probes.size());
        std::sort(scored.begin(), scored.begin() + few, better);
        std::sort(scored.begin() + few, scored.end(), better);
        for (const Scored& s : scored) {
            if (result.best.size() < kBest)
                result.best.push_back(entry(s));
            if (s.candidate && result.bestCandidates.size() < kBestCandidates)
                result.bestCandidates.push_back(entry(s));
        }
        complete = true;
    }

    std::vector<Word> guesses;
    std::vector<Word> candidates;
    Narrowed narrowed;
    AnswerTable table;
    GroupScale scale;
    std::vector<Scored> scored;
    std::size_t next = 0;      // in order()
    std::size_t nextCount = 0; // the guesses tried after the best few
    bool lookahead = false;
    bool planned = false;
    std::vector<Probe> probes; // one for each of the first scored, once the first pass is done
    std::vector<std::size_t> nextGuesses; // the guesses tried after the probes, in that order
    std::size_t nextGuess = 0;            // in nextGuesses
    std::size_t donePairs = 0;
    std::size_t totalPairs = 0;
    bool complete = false;
    Advice result;
};

Search::Search(std::vector<Word> guesses, std::vector<Word> candidates)
    : state_(std::make_unique<State>(std::move(guesses), std::move(candidates))) {}

Search::~Search() = default;
Search::Search(Search&&) noexcept = default;
Search& Search::operator=(Search&&) noexcept = default;

bool Search::advance(std::size_t pairs) { return state_->complete || state_->work(pairs); }

double Search::progress() const {
    const State& s = *state_;
    if (s.complete)
        return 1;
    if (s.totalPairs == 0)
        return 0;
    // Short of 1 until the advice is there.
    return std::min(0.99, static_cast<double>(s.donePairs) / static_cast<double>(s.totalPairs));
}

const Advice& Search::advice() const { return state_->result; }

} // namespace advice
