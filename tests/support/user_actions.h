// What a user does in the main window, done through simulated mouse and
// keyboard input on the real widgets. Each action ends by handling the
// events it raised, as the event loop would.
#pragma once

#include <string>
#include <vector>

// Writes the lines to words.txt in a scratch current directory and presses
// the load button.
void loadWordFile(const std::vector<std::u16string>& lines);

void pressButton(int number);

// Opens letter row k's list with the keyboard, highlights the state's item
// and chooses it with the Return key.
void chooseLetterState(int k, int state);

// Clicks the tick box of letter row k, position p, where it stands in the
// window: a hidden box is not there to be hit.
void clickTickBox(int k, int p);
