// Simulated user input on the real controls, and what the user would see of
// them, for the tests that run on every toolkit backend. Each backend has its
// own implementation (tests/support/qt/driver.cpp, tests/support/win32/driver.cpp)
// on the native controls behind the numbers (ui::core::nativeGadget).
//
// Input goes where the platform would deliver it: a click to whatever stands
// at that point of the window (a hidden control is not there to be hit), a key
// to the focused control or to the list that is open. Every input ends by
// handling the platform messages it caused, as the program's message loop
// would; the toolkit events they raised stay queued for the test to take.
#pragma once

#include "ui/backend.h"
#include "ui/test_hooks.h"

#include <string>

namespace driver {

// With Ctrl or Alt held: select all, copy, undo; open a closed list.
enum class Key { Tab, ShiftTab, Space, Home, Down, Return, Esc, F4, CtrlA, CtrlC, CtrlZ, AltDown };

void settle();          // handles the platform messages that wait
void click(int number); // left click at the centre of the gadget's place
void press(Key key);
void type(const std::u16string& text); // into the focused control
void focus(int number);
int focused();                 // the focused gadget's number; 0 for none
void requestClose(int window); // as the close box does
std::u16string clipboard();    // the text on the clipboard

// Opens the list with the keyboard, walks from its first item down to the
// index and chooses it with Return, as a user does.
inline void chooseItem(int list, int index) {
    focus(list);
    press(Key::F4);
    press(Key::Home);
    for (int i = 0; i < index; ++i)
        press(Key::Down);
    press(Key::Return);
}

struct Place {
    int x, y, width, height;
    bool operator==(const Place&) const = default;
};
// How a text label is painted: its fill and its text colour, each packed
// 0x00BBGGRR; a label with no colour of its own reads as the platform paints
// it by default.
struct Look {
    int fill, text;
    bool operator==(const Look&) const = default;
};
struct Font {
    std::u16string face;
    int pixels;
    bool bold;
    bool operator==(const Font&) const = default;
};
// Its title, size, place on the screen and frame are what the smoke tests
// find and check it by.
struct WindowLook {
    bool shown, minimiseBox, maximiseBox;
    bool titleIcon; // its icon in the title bar
    bool operator==(const WindowLook&) const = default;
};

bool shown(int number);
Place place(int number);         // in the client coordinates of its window
std::u16string text(int number); // as shown: a list shows its selected item
bool centred(int label);         // its text centred across its box, not from the left
Look labelLook(int label);
int buttonFace(); // the platform's button-face colour, packed
Font font(int number);
WindowLook window(int number);
inline int pendingEvents() { return ui::test::pendingEventCount(); }

} // namespace driver
