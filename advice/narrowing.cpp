#include "advice/narrowing.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace advice {

namespace {

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

std::vector<Word> sample(const std::vector<Word>& candidates) {
    if (candidates.size() <= kExact)
        return candidates;
    std::vector<Word> taken(kExact);
    for (std::size_t k = 0; k < kExact; ++k)
        taken[k] = candidates[k * candidates.size() / kExact];
    return taken;
}

// How evenly one letter splits the answers: the share p that holds it
// (somewhere, or at one position) times the share that does not. A guess's
// letters that split best say the most, as a first, cheap guess of its score.
class LetterSplits {
  public:
    explicit LetterSplits(const std::vector<Word>& answers)
        : anywhere_(kUnits), at_(5 * kUnits), answers_(static_cast<double>(answers.size())) {
        for (const Word& answer : answers) {
            for (int i = 0; i < 5; ++i) {
                ++at_[static_cast<std::size_t>(i) * kUnits + answer[i]];
                if (std::find(answer.begin(), answer.begin() + i, answer[i]) == answer.begin() + i)
                    ++anywhere_[answer[i]];
            }
        }
    }

    double score(const Word& guess) const {
        double score = 0;
        for (int i = 0; i < 5; ++i) {
            score += evenness(at_[static_cast<std::size_t>(i) * kUnits + guess[i]]);
            if (std::find(guess.begin(), guess.begin() + i, guess[i]) == guess.begin() + i)
                score += evenness(anywhere_[guess[i]]);
        }
        return score;
    }

  private:
    static constexpr std::size_t kUnits = 1 << 16;
    double evenness(std::uint32_t holding) const {
        const double share = holding / answers_;
        return share * (1 - share);
    }
    std::vector<std::uint32_t> anywhere_;
    std::vector<std::uint32_t> at_;
    double answers_;
};

} // namespace

Narrowed narrow(const std::vector<Word>& guesses, const std::vector<Word>& candidates) {
    Narrowed narrowed;
    narrowed.guesses = distinctGuesses(guesses);
    narrowed.answers = sample(candidates);
    narrowed.narrowed = narrowed.guesses.size() > kExact || candidates.size() > kExact;
    if (narrowed.guesses.size() > kExact) {
        const LetterSplits splits(narrowed.answers);
        std::vector<double> score(guesses.size());
        for (std::size_t g : narrowed.guesses)
            score[g] = splits.score(guesses[g]);
        std::stable_sort(narrowed.guesses.begin(), narrowed.guesses.end(),
                         [&](std::size_t a, std::size_t b) { return score[a] > score[b]; });
        narrowed.guesses.resize(kExact);
        std::sort(narrowed.guesses.begin(), narrowed.guesses.end());
    }
    std::vector<Word> sorted = candidates;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t g : narrowed.guesses)
        narrowed.isCandidate.push_back(
            std::binary_search(sorted.begin(), sorted.end(), guesses[g]));
    return narrowed;
}

} // namespace advice
