// What the page's advice panel reads of the program: the words the last load
// took, the current list, and how many words one pass of the current letter
// rows over the loaded words would leave. Every read of the word store is in
// program_lists.cpp; the engine itself never sees the store.
#pragma once

#include <vector>

namespace program {

// Words of five UTF-16 code units each, one after another.
using WordUnits = std::vector<char16_t>;

// Whether the loaded lines or the current list may have changed since the
// last call: false only when the store holds the very same texts.
bool loadedLinesChanged();
bool candidatesChanged();

// What the rows' filters read: every letter row's item and tick.
std::vector<int> rowStates();

// The five-unit lines of the last load, upper-cased as the loader takes them,
// in the file's order (duplicates too); none before any load.
void readLoadedWords(WordUnits& words);

// The current list's words (before any load its one entry is empty, which is
// no word).
void readCandidates(WordUnits& words);

// How many of these words the filters would keep in one pass of the letter
// rows as they are now; -1 when there is not the memory to find out. The
// program's own store is left as it was.
int wordsTheRowsKeep(const WordUnits& words);

} // namespace program
