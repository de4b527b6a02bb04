// The one word store of the program: the word file's lines as last read, the
// current candidate list and the filters' work array.
#pragma once

#include <string>
#include <vector>

using StringArray = std::vector<std::u16string>;

struct WordStore {
    int lineCount = 0; // lines counted by the last load, whatever their length
    int lastIndex = 0; // last valid index of candidates; -1 for an empty list
    StringArray rawLines;
    StringArray candidates;
    StringArray scratch;
};

// The program-wide store. It lives from start-up to exit.
WordStore& wordStore();

// Puts the store into its state before any load: 11 empty elements in each
// array and one valid (empty) candidate.
void initWordStore();

// Resizes one array to n elements (n >= 1), keeping the texts below both the
// old and the new count; new elements are empty.
void resizeArray(StringArray& array, int n);

// Gives rawLines, candidates and scratch n + 1 elements each.
void resizeForLoad(int n);

// Makes destination an element-by-element copy of the whole of source.
void copyArray(const StringArray& source, StringArray& destination);

// Ends a filter pass that kept k words: candidates becomes a copy of the
// whole scratch array and lastIndex becomes k - 1.
void commitSurvivors(int k);

inline int candidateCount() { return wordStore().lastIndex + 1; }
