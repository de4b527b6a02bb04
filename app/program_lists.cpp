#include "app/program_lists.h"

#include "filter/parse_list.h"
#include "layout/gadget_numbers.h"
#include "ui/toolkit.h"
#include "words/upper_case.h"
#include "words/word_store.h"

#include <algorithm>
#include <iterator>
#include <new>
#include <string_view>
#include <utility>

namespace program {

namespace {

constexpr std::size_t kUnits = 5;

// A store that holds these words as a load would have left them: every one a
// candidate, and the work array as large.
WordStore storeOf(const WordUnits& words) {
    const std::size_t count = words.size() / kUnits;
    WordStore store;
    store.candidates = TextArray(count);
    TextArray::Writer writer(store.candidates);
    for (std::size_t at = 0; at < words.size(); at += kUnits)
        writer.put(std::u16string_view(words.data() + at, kUnits));
    writer.finish();
    store.scratch = TextArray(count);
    store.lastIndex = static_cast<int>(count) - 1;
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

// Keeps a copy of an array, which shares its texts and so costs nothing, to
// tell whether the array was written since.
class Watched {
  public:
    bool changed(const TextArray& now, int count) {
        if (seen_.sharesTexts(now) && count_ == count)
            return false;
        seen_ = now;
        count_ = count;
        return true;
    }

  private:
    TextArray seen_;
    int count_ = -1;
};

} // namespace

bool loadedLinesChanged() {
    static Watched lines;
    return lines.changed(wordStore().rawLines, wordStore().lineCount);
}

bool candidatesChanged() {
    static Watched candidates;
    return candidates.changed(wordStore().candidates, wordStore().lastIndex);
}

std::vector<int> rowStates() {
    std::vector<int> states;
    for (int number = gadget::letterList(0); number < gadget::letterList(gadget::kLetterCount);
         ++number)
        states.push_back(ui::getState(number));
    for (int number = gadget::kFirstTickBox; number <= gadget::kLastTickBox; ++number)
        states.push_back(ui::getState(number));
    return states;
}

void readLoadedWords(WordUnits& words) {
    const WordStore& store = wordStore();
    words.clear();
    // A load that ran out of memory while resizing leaves fewer lines than
    // it counted.
    const std::size_t lines =
        std::min(static_cast<std::size_t>(store.lineCount), store.rawLines.size());
    // Upper-cased unit by unit, as the loader's upperCase does, without a
    // text made for each word.
    TextArray::Reader reader(store.rawLines);
    for (std::size_t j = 0; j < lines && !reader.atEnd(); ++j) {
        if (reader.nextSize() != kUnits) {
            reader.skip();
            continue;
        }
        const std::u16string_view line = reader.next();
        std::transform(line.begin(), line.end(), std::back_inserter(words), upperCaseUnit);
    }
}

void readCandidates(WordUnits& words) {
    const WordStore& store = wordStore();
    words.clear();
    TextArray::Reader reader(store.candidates);
    for (int i = 0; i <= store.lastIndex && !reader.atEnd(); ++i) {
        const std::u16string_view word = reader.next();
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

} // namespace program
