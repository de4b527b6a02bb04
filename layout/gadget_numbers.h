// The number of every control in the main window. Letter rows are indexed
// k = 0 (A) to 25 (Z); yellow positions p run from 1 to 5.
#pragma once

namespace gadget {

constexpr int kMainWindow = 1; // window numbers are counted apart from gadgets

constexpr int kResultText = 2;
constexpr int kFirstLetterList = 3;   // letterList of row k is 3 + k
constexpr int kFirstLetterLabel = 29; // letterLabel of row k is 29 + k
constexpr int kParseButton = 55;
constexpr int kLoadButton = 56;
constexpr int kResetButton = 57;
constexpr int kCountLabel = 58;
constexpr int kFirstTickBox = 59; // tickBox of row k, position p is 59 + 5k + (p - 1)
constexpr int kLastTickBox = 188;

constexpr int kLetterCount = 26;
constexpr int kPositions = 5;

constexpr int letterList(int k) { return kFirstLetterList + k; }
constexpr int letterLabel(int k) { return kFirstLetterLabel + k; }
constexpr int tickBox(int k, int p) { return kFirstTickBox + kPositions * k + (p - 1); }

} // namespace gadget
