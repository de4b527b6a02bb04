// The letter labels' colours, one pair per letter state. All five green
// states share one pair: the label shows that the letter is placed, the list
// shows where.
#pragma once

#include "filter/letter_state.h"
#include "ui/toolkit.h"

struct LetterColours {
    int background;
    int text;
};

constexpr int kWhite = ui::rgb(255, 255, 255);
constexpr int kBlack = ui::rgb(0, 0, 0);
constexpr int kLightGrey = ui::rgb(0xF1, 0xEF, 0xED);
constexpr int kGrey = ui::rgb(0x78, 0x7C, 0x7E);
constexpr int kYellow = ui::rgb(0xC9, 0xB4, 0x58);
constexpr int kGreen = ui::rgb(0x6A, 0xAA, 0x64);

// Indexed by LetterState.
constexpr LetterColours kLetterColours[Green5 + 1] = {
    {kLightGrey, kBlack}, // Unmarked
    {kGrey, kWhite},      // Absent
    {kYellow, kWhite},    // Present
    {kGreen, kWhite},     // Green1
    {kGreen, kWhite},     // Green2
    {kGreen, kWhite},     // Green3
    {kGreen, kWhite},     // Green4
    {kGreen, kWhite},     // Green5
};
