#include "advice/program_lists.h"

#include "filter/parse_list.h"
#include "words/upper_case.h"
#include "words/word_store.h"

#include <algorithm>
#include <iterator>
#include <new>
#include <string>
#include <utility>

namespace advice {

namespace {

constexpr std::size_t kUnits = 5;

// A store that holds these words as a load would have left them: every one a
// candidate, and the work array as large.
WordStore storeOf(const WordUnits& words) {
    WordStore store;
    for (std::size_t at = 0; at < words.size(); at += kUnits)
        store.candidates.emplace_back(words.data() + at, kUnits);
    store.scratch.resize(store.candidates.size());
    store.lastIndex = static_cast<int>(store.candidates.size()) - 1;
    return store;
}

// Stands in for the program's store while it lives, and puts the program's
// back however the pass ends.
class StandIn {
  public:
    explicit StandIn(WordStore& store) : store_(store) { std::swap(wordStore(), store_); }
    ~StandIn() { std::swap(wordStore(), store_); }
    StandIn(const StandIn&) = delete;
    StandIn& operator=(const StandIn&) = delete;

  private:
    WordStore& store_;
};

} // namespace

void readLoadedWords(WordUnits& words) {
    const WordStore& store = wordStore();
    words.clear();
    // A load that ran out of memory while resizing leaves fewer lines than
    // it counted.
    const std::size_t lines =
        std::min(static_cast<std::size_t>(store.lineCount), store.rawLines.size());
    // Upper-cased unit by unit, as the loader's upperCase does, without a
    // text made for each word.
    for (std::size_t j = 0; j < lines; ++j) {
        const std::u16string& line = store.rawLines[j];
        if (line.size() == kUnits)
            std::transform(line.begin(), line.end(), std::back_inserter(words), upperCaseUnit);
    }
}

void readCandidates(WordUnits& words) {
    const WordStore& store = wordStore();
    words.clear();
    for (int i = 0; i <= store.lastIndex; ++i) {
        const std::u16string& word = store.candidates[static_cast<std::size_t>(i)];
        if (word.size() == kUnits)
            words.insert(words.end(), word.begin(), word.end());
    }
}

int wordsTheRowsKeep(const WordUnits& words) {
    try {
        WordStore pass = storeOf(words);
        const StandIn standIn(pass);
        applyLetterStates();
        return wordStore().lastIndex + 1;
    } catch (const std::bad_alloc&) {
        return -1;
    }
}

} // namespace advice
