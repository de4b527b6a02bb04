// Simulated user input on the real controls, and what the user would see of
// them, for the tests that run on every toolkit layer. Each layer has its own
// implementation (tests/support/qt/driver.cpp, tests/support/win32/driver.cpp)
// on top of the hooks in its private header: the platform handle behind a
// gadget or window number, the number of pending toolkit events and of live
// label brushes. The Win32 driver also needs the step that nextEvent takes
// for one platform message (accelerators, translate, dispatch), so that Tab
// reaches the window's accelerators as it does in the program.
//
// Input goes where the platform would deliver it: a click to whatever stands
// at that point of the window (a hidden control is not there to be hit), a key
// to the focused control or to the list that is open. Every input ends by
// handling the platform messages it caused; the toolkit events they raised
// stay queued for the test to take.
#pragma once

#include <string>

namespace driver {

enum class Key { Tab, ShiftTab, Space, Home, Down, Return, Escape, F4, AltDown };

void settle();                          // handles the platform messages that wait
void click(int number);                 // left click at the centre of the gadget's place
void clickAt(int window, int x, int y); // left click at a point of the window's client area
void press(Key key);
void type(const std::u16string& text); // into the focused control
void focus(int number);                // gives the gadget the keyboard focus
int focused();                         // the focused gadget's number; 0 for none
void requestClose(int window);         // as the close box does
void switchAwayAndBack(int window);    // activates another window, then this one again
// Opens the list with the keyboard, walks from its first item down to the
// index and chooses it with Return, as a user does.
void chooseItem(int list, int index);

struct Place {
    int x, y, width, height;
    bool operator==(const Place&) const = default;
};
// How a text label is painted: its fill and its text colour, each packed
// 0x00BBGGRR. A label with no colour of its own reads as the platform paints
// it by default.
struct Look {
    int fill, text;
    bool operator==(const Look&) const = default;
};
struct WindowLook {
    std::u16string title;
    int frameX, frameY, clientWidth, clientHeight;
    int iconSize; // width of the window's largest icon image
    bool shown, maximiseBox, fixedSize;
};

bool exists(int number);
bool shown(int number);
Place place(int number);         // in the client coordinates of its window
std::u16string text(int number); // as shown: a list shows its selected item
int itemCount(int list);
std::u16string itemText(int list, int index);
// Opens the list, checks that it drops below its field with all its items in
// view at once, and closes it again without choosing.
bool dropsBelowShowingAll(int list);
Look labelLook(int label);
int buttonFace(); // the platform's button-face colour, packed
bool boldFont(int number);
bool sameFont(int a, int b);
WindowLook window(int number);
// Whether the platform keeps the user from typing into the text area: true
// only under Wine, whose rich edit reads "no limit" as a limit of -1.
bool typingBlocked();
int pendingEvents();
int liveBrushes();

} // namespace driver
