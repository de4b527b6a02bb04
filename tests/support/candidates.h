// Reading and filling the word store's candidate list directly, for tests
// below the level of the load button.
#pragma once

#include <string>
#include <vector>

// Fills the store as a load of exactly these lines would.
void storeCandidates(const std::vector<std::u16string>& words);

// Candidates 0 to lastIndex.
std::vector<std::u16string> currentCandidates();
