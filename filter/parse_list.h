#pragma once

// Applies every letter row's state, A to Z, to the current candidate list,
// then shows the count and the list. Runs on the parse button and at the end
// of every panel refresh.
void parseList();
