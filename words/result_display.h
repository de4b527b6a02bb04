// The program's only output of results: the count label's text and the
// candidate list in the text area.
#pragma once

#include <string>

// Writes candidates 0 to lastIndex into the text area, each followed by three
// spaces, in one set-text operation.
void showCandidates();

// "Words: " followed by n in plain decimal.
std::u16string countText(int n);
