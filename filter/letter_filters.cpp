#include "filter/letter_filters.h"

#include "filter/text_match.h"
#include "layout/gadget_numbers.h"
#include "ui/toolkit.h"
#include "words/word_store.h"

namespace {

using WordTest = bool (*)(const std::u16string& word, const std::u16string& letter, int position);

bool lacksLetter(const std::u16string& word, const std::u16string& letter, int) {
    return !contains(word, letter);
}

bool hasLetter(const std::u16string& word, const std::u16string& letter, int) {
    return contains(word, letter);
}

bool letterAt(const std::u16string& word, const std::u16string& letter, int position) {
    return charAt(word, position) == letter;
}

bool letterNotAt(const std::u16string& word, const std::u16string& letter, int position) {
    return charAt(word, position) != letter;
}

// One survivor pass: the words that pass go to scratch in their order, and
// the commit makes them the new list even when nothing was removed.
void keepWordsWhere(WordTest test, const std::u16string& letter, int position) {
    WordStore& store = wordStore();
    int kept = 0;
    for (int i = 0; i <= store.lastIndex; ++i) {
        const std::u16string& word = store.candidates[static_cast<size_t>(i)];
        if (test(word, letter, position)) {
            store.scratch[static_cast<size_t>(kept)] = word;
            ++kept;
        }
    }
    commitSurvivors(kept);
}

} // namespace

int tickBoxNumber(const std::u16string& letter, int position) {
    // An empty letter reads as code 0, which gives numbers that name no gadget.
    return gadget::tickBox(letter[0] - u'A', position);
}

void filterAbsent(std::u16string letter) { keepWordsWhere(lacksLetter, letter, 0); }

void filterAtPosition(std::u16string letter, int position) {
    keepWordsWhere(letterAt, letter, position);
}

void filterPresent(std::u16string letter) {
    // The ticks are read before any word is tested, shown or hidden alike;
    // only a 1 counts as ticked.
    int ticks[gadget::kPositions];
    for (int p = 1; p <= gadget::kPositions; ++p)
        ticks[p - 1] = ui::getState(tickBoxNumber(letter, p));

    keepWordsWhere(hasLetter, letter, 0);
    for (int p = 1; p <= gadget::kPositions; ++p) {
        if (ticks[p - 1] == 1)
            keepWordsWhere(letterNotAt, letter, p);
    }
}
