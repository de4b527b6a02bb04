// The program's only output of results: the candidate list in the result
// text area and its count in the count label.
#pragma once

#include <string>

// Writes candidates 0 to lastIndex into the result text area, each word
// followed by three spaces, as one text. Callers set the count label to
// countText of the same count just before.
void showCandidates();

// "Words: " and n in plain decimal.
std::u16string countText(int n);
