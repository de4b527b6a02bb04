// What the game revealed about one letter. The value is the index of the item
// chosen in the letter's drop-down list, so the item order fixes the codes.
#pragma once

enum LetterState {
    Unmarked = 0, // "?"
    Absent,       // "Not Present (Grey)"
    Present,      // "Used (Yellow)": in the answer, not at the ticked positions
    Green1,       // "1st (Green)" ... "5th (Green)": at that position
    Green2,
    Green3,
    Green4,
    Green5,
};

// A drop-down list with no selection reads as -1, which is no state at all.
constexpr bool isLetterState(int state) { return state >= Unmarked && state <= Green5; }

// The position, 1 to 5, that a green state stands for.
constexpr int greenPosition(int state) { return state - Green1 + 1; }
