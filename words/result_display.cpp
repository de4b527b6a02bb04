#include "words/result_display.h"

#include "layout/gadget_numbers.h"
#include "ui/toolkit.h"
#include "words/word_store.h"

#include <cstddef>

void showCandidates() {
    ui::removeAllItems(gadget::kResultText);

    const WordStore& store = wordStore();
    const std::u16string separator = u"   ";
    // Sized up front: the list can run to hundreds of thousands of words,
    // and the area gets it in one setText rather than word by word.
    std::size_t units = 0;
    for (int i = 0; i <= store.lastIndex; ++i)
        units += store.candidates[i].size() + separator.size();
    std::u16string text;
    text.reserve(units);
    for (int i = 0; i <= store.lastIndex; ++i) {
        text += store.candidates[i];
        text += separator;
    }
    ui::setText(gadget::kResultText, text);
}

std::u16string countText(int n) {
    const std::string digits = std::to_string(n);
    return u"Words: " + std::u16string(digits.begin(), digits.end());
}
