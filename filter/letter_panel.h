#pragma once

// Recolours all 26 letter labels by their state, shows the tick boxes of the
// yellow rows only, then runs the parse pass.
void refreshLetterPanel();

// Puts every letter row back to "?" and unticks all 130 tick boxes. Neither
// recolours nor filters: the refresh that follows does.
void resetLetterStates();
