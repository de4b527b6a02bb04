// The three letter filters. Each narrows the word store's candidate list in
// place, keeping the survivors in order, and ends every pass with
// commitSurvivors. None ever adds a word back.
//
// A letter is a one-character text "A" to "Z"; a position counts from 1.
#pragma once

#include <string>

// The tick box of the letter's row for position 1 to 5.
int tickBoxNumber(const std::u16string& letter, int position);

// Keeps the words that do not contain the letter (grey).
void filterAbsent(std::u16string letter);

// Keeps the words with the letter at the position (green).
void filterAtPosition(std::u16string letter, int position);

// Keeps the words that contain the letter, but not at any position ticked in
// the letter's row (yellow).
void filterPresent(std::u16string letter);
