#include "words/result_display.h"

#include "app/gadget_numbers.h"
#include "ui/toolkit.h"
#include "words/word_store.h"

void showCandidates() {
    const WordStore& store = wordStore();
    ui::removeAllItems(gadget::kResultText);
    std::u16string text;
    for (int i = 0; i <= store.lastIndex; ++i) {
        text += store.candidates[static_cast<size_t>(i)];
        text += u"   ";
    }
    ui::setText(gadget::kResultText, text);
}

std::u16string countText(int n) {
    const std::string digits = std::to_string(n);
    return u"Words: " + std::u16string(digits.begin(), digits.end());
}
