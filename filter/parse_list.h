#pragma once

// Runs, for the letters A to Z in turn, the filter that the letter row's state
// selects. The list only narrows: a row at "?" brings nothing back.
void applyLetterStates();

// Applies every letter row's state, A to Z, to the current candidate list,
// then shows the count and the list. Runs on the parse button and at the end
// of every panel refresh.
void parseList();
