// What a user does in the main window, done through simulated mouse and
// keyboard input on the real widgets. Each action ends by handling the
// events it raised, as the event loop would.
#pragma once

#include <QColor>

#include <string>
#include <vector>

// Writes the lines to words.txt in a fresh current directory and presses
// the load button.
void loadWordFile(const std::vector<std::u16string>& lines);

// Presses a push button; returns the number of events that were handled.
int pressButton(int number);

// Opens letter row k's list with the keyboard and chooses the item of the
// state from it: one selection, one event.
void chooseLetterState(int k, int state);

// Moves letter row k's closed list one item down with the arrow key.
void stepLetterStateDown(int k);

// Clicks the tick box of letter row k, position p, where it stands in the
// window: a hidden box is not there to be hit.
void clickTickBox(int k, int p);

bool tickBoxShown(int k, int p);
bool tickBoxTicked(int k, int p);
int shownLetterState(int k); // the list's current item

// How letter row k's label is painted.
struct LabelLook {
    bool filled = false;
    QColor background;
    QColor text;
};
LabelLook labelLook(int k);
