// The program's only output of results: the candidate list in the result
// text area and its count in the count label.
#pragma once

#include <string>

// Writes candidates 0 to lastIndex into the result text area, each word
// followed by three spaces, as one text. Callers set the count label to
// countText of the same count just before. Out of memory, the area is left
// empty: the label already says how many words there are.
void showCandidates();

// "Words: " and n in plain decimal.
std::u16string countText(int n);

// The count label's text: countText(n), or a reason why there is no count.
// Where even that finds no memory, the label is left as it was.
void showCount(int n);
void showReason(const std::u16string& whyNot);
