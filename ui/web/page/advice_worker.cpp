// The engine in the advice worker, fed through the module's memory by
// advice_worker.js: the words go straight into the arrays the search is made
// from, and its advice comes back as one array of numbers. Running out of
// memory throws through to the script, which fails as a worker.
#include "advice/advice.h"

#include <emscripten.h>

#include <optional>
#include <utility>
#include <vector>

namespace {

static_assert(sizeof(advice::Word) == 5 * sizeof(char16_t), "the script writes words as units");

std::vector<advice::Word> guesses, candidates;
std::optional<advice::Search> search;
std::vector<double> result;

// Room for that many words, to be written by the script.
char16_t* room(std::vector<advice::Word>& words, int count) {
    words.resize(static_cast<std::size_t>(count));
    return reinterpret_cast<char16_t*>(words.data());
}

void add(const advice::Entry& entry) {
    result.insert(result.end(), {static_cast<double>(entry.guess), entry.bits, entry.expectedLeft,
                                 entry.candidate ? 1.0 : 0.0});
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE char16_t* advice_guesses(int count) { return room(guesses, count); }
EMSCRIPTEN_KEEPALIVE char16_t* advice_candidates(int count) { return room(candidates, count); }

// A new search of the words written.
EMSCRIPTEN_KEEPALIVE void advice_start() { search.emplace(guesses, std::move(candidates)); }

// Whether the advice is complete.
EMSCRIPTEN_KEEPALIVE int advice_advance(int pairs) {
    return search->advance(static_cast<std::size_t>(pairs)) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE double advice_progress() { return search->progress(); }

// Whether it was narrowed, how many best guesses and best candidates, then
// for each the guess's index, its bits, the words expected left and whether
// it is a candidate.
EMSCRIPTEN_KEEPALIVE const double* advice_result() {
    const advice::Advice& advice = search->advice();
    result = {advice.narrowed ? 1.0 : 0.0, static_cast<double>(advice.best.size()),
              static_cast<double>(advice.bestCandidates.size())};
    for (const advice::Entry& entry : advice.best)
        add(entry);
    for (const advice::Entry& entry : advice.bestCandidates)
        add(entry);
    return result.data();
}

EMSCRIPTEN_KEEPALIVE const char16_t* advice_word(int guess) {
    return guesses[static_cast<std::size_t>(guess)].data();
}

} // extern "C"
