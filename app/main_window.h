// The main window and every control on it, at fixed pixel positions.
#pragma once

#include <string>

namespace layout {

constexpr int kClientWidth = 625;
constexpr int kClientHeight = 770;
constexpr int kWindowX = 20;
constexpr int kWindowY = 20;

constexpr int kLeftColumnX = 40;
constexpr int kControlWidth = 150;
constexpr int kControlHeight = 21;
constexpr int kRowPitch = 25;
constexpr int kFirstButtonY = 25;
constexpr int kFirstLetterRowY = 100;
constexpr int kLabelX = 10;
constexpr int kLabelWidth = 25;
constexpr int kFirstTickBoxX = 200;
constexpr int kTickBoxWidth = 25;
constexpr int kRightColumnX = 325;
constexpr int kResultTextY = 50;
constexpr int kResultTextWidth = 280;
constexpr int kResultTextHeight = 700;

// The font value given to each letter label. It names no font of the
// program's, so the toolkit draws those labels in its stock bold face.
constexpr int kLetterLabelFont = 256;

constexpr int letterRowY(int k) { return kFirstLetterRowY + kRowPitch * k; }
constexpr int tickBoxX(int p) { return kFirstTickBoxX + kTickBoxWidth * (p - 1); }

} // namespace layout

// The items of every letter list; an item's index is the letter's state.
extern const char16_t* const kLetterStateItems[8];

extern const std::u16string kWindowTitle;

// Opens the main window; returns 0 when it cannot be opened.
int openMainWindow();

// Creates all 187 controls into the main window, in their fixed order.
void createMainWindowControls();
