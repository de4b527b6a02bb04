#include "tests/support/candidates.h"

#include "words/word_store.h"

void storeCandidates(const std::vector<std::u16string>& words) {
    const int count = static_cast<int>(words.size());
    WordStore& store = wordStore();
    resizeForLoad(count);
    store.lineCount = count;
    for (int i = 0; i < count; ++i) {
        store.rawLines[static_cast<size_t>(i)] = words[static_cast<size_t>(i)];
        store.candidates[static_cast<size_t>(i)] = words[static_cast<size_t>(i)];
    }
    store.lastIndex = count - 1;
}

std::vector<std::u16string> currentCandidates() {
    const WordStore& store = wordStore();
    return std::vector<std::u16string>(store.candidates.begin(),
                                       store.candidates.begin() + (store.lastIndex + 1));
}
