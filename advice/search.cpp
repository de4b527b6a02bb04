#include "advice/advice.h"

#include "advice/group_score.h"
#include "advice/narrowing.h"
#include "advice/pattern_counts.h"

#include <algorithm>
#include <memory>

namespace advice {

namespace {

constexpr std::size_t kBest = 5;
constexpr std::size_t kBestCandidates = 3;
// The best few that are looked at one step further: the whole best list.
constexpr std::size_t kLookahead = kBest;
// The lookahead scores every guess again against the groups that each of
// the best few leaves: up to kLookahead times the first pass's work. It is
// done where that much stays affordable.
constexpr std::size_t kMostLookaheadPairs = std::size_t{8} << 20;
// A group this small is scored with colours() itself: laying it out for the
// fast way would cost more than its pairs.
constexpr std::size_t kSmallGroup = 24;

struct Scored {
    std::size_t guess; // index into the guesses as given
    bool candidate;
    GroupScore score;
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

// The guesses a few words still need after the next guess, summed over
// them: what the groups its colours split them into still need. For a
// handful of words, without the fast way's set-up.
std::int64_t guessesLeftAmongFew(const Word& guess, const std::vector<Word>& words,
                                 const GroupScale& scale) {
    std::uint8_t patterns[kSmallGroup];
    const std::size_t n = words.size();
    for (std::size_t k = 0; k < n; ++k)
        patterns[k] = static_cast<std::uint8_t>(colours(guess, words[k]));
    std::sort(patterns, patterns + n);
    std::int64_t left = 0;
    for (std::size_t k = 0, end = 0; k < n; k = end) {
        end = k + 1;
        while (end < n && patterns[end] == patterns[k])
            ++end;
        if (patterns[k] != kAllGreen)
            left += scale.guessesLeft(static_cast<std::uint32_t>(end - k));
    }
    return left;
}

// A group of answers that one of the best few leaves, with the search for
// its own best next guess: every guess of the list is scored against it,
// its own words first, as one of them is often the best and may end the
// search at once (nothing does better than a word that splits the others
// apart: each of them then needs one guess more).
class GroupSearch {
  public:
    GroupSearch(std::vector<Word> words, const GroupScale& scale)
        : words_(std::move(words)), scale_(&scale),
          fewest_(scale.guessesLeft(static_cast<std::uint32_t>(words_.size()))),
          floor_(scale.guessesLeft(1) * static_cast<std::int64_t>(words_.size() - 1)) {
        if (words_.size() > kSmallGroup)
            table_ = std::make_unique<AnswerTable>(words_);
    }

    std::size_t size() const { return words_.size(); }
    bool complete(std::size_t guesses) const {
        return next_ == words_.size() + guesses || fewest_ <= floor_;
    }
    // The guesses this group needs from the next one on, summed over its words.
    std::int64_t needed() const {
        return scale_->guessesLeft(1) * static_cast<std::int64_t>(words_.size()) + fewest_;
    }

    void scoreNext(const std::vector<Word>& guesses, const std::vector<std::size_t>& order) {
        const Word& guess =
            next_ < words_.size() ? words_[next_] : guesses[order[next_ - words_.size()]];
        ++next_;
        std::int64_t left;
        if (table_) {
            PatternCounts counts;
            table_->countPatterns(guess, counts);
            left = scoreGroups(counts, *scale_).guessesLeft;
        } else {
            left = guessesLeftAmongFew(guess, words_, *scale_);
        }
        fewest_ = std::min(fewest_, left);
    }

  private:
    std::vector<Word> words_;
    const GroupScale* scale_;
    std::unique_ptr<AnswerTable> table_;
    std::size_t next_ = 0; // its own words, then the list's guesses
    std::int64_t fewest_;  // the fewest guesses still needed after the next, so far
    std::int64_t floor_;   // what nothing can beat
};

// One of the best few, looked at one step further: what its one- and
// two-word groups need is known, the larger ones are searched.
struct Probe {
    std::size_t scored; // index into the scored guesses
    std::int64_t known = 0;
    std::vector<GroupSearch> groups;
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
        lookahead = kLookahead * totalPairs <= kMostLookaheadPairs;
        if (lookahead)
            totalPairs += kLookahead * totalPairs;
    }

    const std::vector<std::size_t>& order() const { return narrowed.guesses; }
    const std::vector<Word>& answers() const { return narrowed.answers; }

    // One step of the work, about `pairs` scored pairs or a little more;
    // true once the advice is complete.
    bool work(std::size_t pairs) {
        const std::size_t start = donePairs;
        while (donePairs - start < pairs || donePairs == start) {
            if (next < order().size()) {
                donePairs += scoreNextGuess();
            } else if (lookahead && !planned) {
                planLookahead();
            } else if (lookahead && currentProbe < probes.size()) {
                donePairs += searchNextGroup();
            } else {
                finish();
                return true;
            }
        }
        return false;
    }

    // The first pass: one guess against every answer.
    std::size_t scoreNextGuess() {
        PatternCounts counts;
        const std::size_t g = order()[next];
        table.countPatterns(guesses[g], counts);
        const GroupScore score = scoreGroups(counts, scale);
        scored.push_back({g, narrowed.isCandidate[next], score, score.guessesLeft});
        ++next;
        return answers().size();
    }

    // The best few, and the groups that each leaves: one or two words need
    // one guess or one and a half, larger groups a search of their own.
    void planLookahead() {
        planned = true;
        const std::size_t few = std::min(kLookahead, scored.size());
        std::partial_sort(scored.begin(), scored.begin() + static_cast<std::ptrdiff_t>(few),
                          scored.end(), better);
        for (std::size_t k = 0; k < few; ++k) {
            std::vector<std::vector<Word>> byPattern(kPatterns);
            for (const Word& answer : answers())
                byPattern[static_cast<std::size_t>(colours(guesses[scored[k].guess], answer))]
                    .push_back(answer);
            Probe probe{k, 0, {}};
            for (std::size_t p = 0; p < kAllGreen; ++p) {
                const std::size_t size = byPattern[p].size();
                if (size <= 2)
                    probe.known += scale.guessesLeft(static_cast<std::uint32_t>(size));
                else
                    probe.groups.emplace_back(std::move(byPattern[p]), scale);
            }
            probes.push_back(std::move(probe));
        }
        // Now the work left is known: at most every guess and the group's
        // own words, against each group.
        donePairs += few * answers().size();
        totalPairs = donePairs;
        for (const Probe& probe : probes) {
            for (const GroupSearch& group : probe.groups)
                totalPairs += (order().size() + group.size()) * group.size();
        }
    }

    std::size_t searchNextGroup() {
        Probe& current = probes[currentProbe];
        if (currentGroup == current.groups.size()) {
            std::int64_t rank = current.known;
            for (const GroupSearch& g : current.groups)
                rank += g.needed();
            scored[current.scored].rank = rank;
            current.groups.clear();
            ++currentProbe;
            currentGroup = 0;
            return 0;
        }
        GroupSearch& search = current.groups[currentGroup];
        search.scoreNext(guesses, order());
        if (search.complete(order().size()))
            ++currentGroup;
        return search.size();
    }

    Entry entry(const Scored& s) const {
        return {s.guess, bits(s.score, answers().size()), expectedLeft(s.score, answers().size()),
                s.candidate};
    }

    // The best few (looked at further, if they were) ahead of the rest.
    void finish() {
        const std::size_t few = lookahead ? probes.size() : 0;
        std::sort(scored.begin(), scored.begin() + static_cast<std::ptrdiff_t>(few), better);
        std::sort(scored.begin() + static_cast<std::ptrdiff_t>(few), scored.end(), better);
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
    std::size_t next = 0; // in order()
    bool lookahead = false;
    bool planned = false;
    std::vector<Probe> probes;
    std::size_t currentProbe = 0; // the probe whose groups are being searched
    std::size_t currentGroup = 0; // its group being searched
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
    // Short of 1 until the advice is there: a search of a group may stop
    // early, never late.
    return std::min(0.99, static_cast<double>(s.donePairs) / static_cast<double>(s.totalPairs));
}

const Advice& Search::advice() const { return state_->result; }

} // namespace advice
