#include "filter/letter_filters.h"

#include "filter/text_match.h"
#include "layout/gadget_numbers.h"
#include "ui/toolkit.h"
#include "words/word_store.h"

namespace {

using WordTest = bool (*)(std::u16string_view word, const std::u16string& letter, int position);

bool lacksLetter(std::u16string_view word, const std::u16string& letter, int) {
    return !contains(word, letter);
}

bool hasLetter(std::u16string_view word, const std::u16string& letter, int) {
    return contains(word, letter);
}

bool letterAt(std::u16string_view word, const std::u16string& letter, int position) {
    return charAt(word, position) == letter;
}

bool letterNotAt(std::u16string_view word, const std::u16string& letter, int position) {
    return charAt(word, position) != letter;
}

// The words of candidates 0 to last that pass go to scratch in their order.
// It owns nothing and stays out of its caller, which does, as the loader's
// loops (words/load_word_list.cpp).
[[gnu::noinline]] int keepIn(TextArray::Reader& words, TextArray::Writer& survivors, int last,
                             WordTest test, const std::u16string& letter, int position) {
    int kept = 0;
    for (int i = 0; i <= last; ++i) {
        const std::u16string_view word = words.next();
        if (test(word, letter, position)) {
            survivors.put(word);
            ++kept;
        }
    }
    return kept;
}

// One survivor pass: the commit makes the survivors the new list even when
// nothing was removed.
void keepWordsWhere(WordTest test, const std::u16string& letter, int position) {
    WordStore& store = wordStore();
    TextArray::Reader words(store.candidates);
    TextArray::Writer survivors(store.scratch);
    const int kept = keepIn(words, survivors, store.lastIndex, test, letter, position);
    survivors.finish();
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
