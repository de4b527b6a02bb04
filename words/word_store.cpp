#include "words/word_store.h"

namespace {
constexpr int kInitialElements = 11;
}

WordStore& wordStore() {
    static WordStore store;
    return store;
}

void initWordStore() {
    WordStore& store = wordStore();
    store.lineCount = 0;
    store.lastIndex = 0;
    store.rawLines.assign(kInitialElements, std::u16string());
    store.candidates.assign(kInitialElements, std::u16string());
    store.scratch.assign(kInitialElements, std::u16string());
}

void resizeArray(StringArray& array, int n) { array.resize(static_cast<size_t>(n)); }

void resizeForLoad(int n) {
    WordStore& store = wordStore();
    resizeArray(store.rawLines, n + 1);
    resizeArray(store.candidates, n + 1);
    resizeArray(store.scratch, n + 1);
}

void copyArray(const StringArray& source, StringArray& destination) { destination = source; }

void commitSurvivors(int k) {
    WordStore& store = wordStore();
    copyArray(store.scratch, store.candidates);
    store.lastIndex = k - 1;
}
