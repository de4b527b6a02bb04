#include "words/result_display.h"

#include "layout/gadget_numbers.h"
#include "ui/toolkit.h"
#include "words/word_store.h"

#include <cstddef>
#include <new>

namespace {

constexpr std::u16string_view kSeparator = u"   ";

// Neither owns anything, and both stay out of their caller, which does, as
// the loader's loops (load_word_list.cpp).
[[gnu::noinline]] std::size_t unitsOf(TextArray::Reader& words, int last) {
    std::size_t units = 0;
    for (int i = 0; i <= last; ++i)
        units += words.next().size() + kSeparator.size();
    return units;
}

[[gnu::noinline]] void appendTo(std::u16string& text, TextArray::Reader& words, int last) {
    for (int i = 0; i <= last; ++i) {
        text += words.next();
        text += kSeparator;
    }
}

} // namespace

void showCandidates() {
    ui::removeAllItems(gadget::kResultText);

    const WordStore& store = wordStore();
    try {
        // Sized up front: the list can run to millions of words, and the
        // area gets it in one setText rather than word by word.
        TextArray::Reader sizes(store.candidates);
        std::u16string text;
        text.reserve(unitsOf(sizes, store.lastIndex));
        TextArray::Reader words(store.candidates);
        appendTo(text, words, store.lastIndex);
        ui::setText(gadget::kResultText, text);
    } catch (const std::bad_alloc&) {
        // Here or in the backend's copy of the text, before it reached the
        // area.
    }
}

std::u16string countText(int n) {
    const std::string digits = std::to_string(n);
    return u"Words: " + std::u16string(digits.begin(), digits.end());
}

void showCount(int n) {
    try {
        ui::setText(gadget::kCountLabel, countText(n));
    } catch (const std::bad_alloc&) {
    }
}

void showReason(const std::u16string& whyNot) {
    try {
        ui::setText(gadget::kCountLabel, whyNot);
    } catch (const std::bad_alloc&) {
    }
}
