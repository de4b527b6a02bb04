#pragma once

// Reads words.txt from the current directory into the word store, taking
// every line of exactly five UTF-16 code units, upper-cased, and shows the
// new list and its count. Runs on the load button.
void loadWordList();
