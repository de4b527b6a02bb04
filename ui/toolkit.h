// The toolkit layer: one window, five kinds of gadget and one event queue.
//
// Everything above this layer names controls only by the numbers it chose
// when it created them; no platform handle ever leaves this layer. An
// operation on a number that names no gadget does nothing and reads as 0.
//
// Positions and sizes are plain device pixels, never scaled by the screen's
// DPI. Colours are packed 0x00BBGGRR; -1 means "none" (the platform's look).
#pragma once

#include <string>

namespace ui {

// Event codes returned by nextEvent().
constexpr int kGadgetEvent = 13100;  // a gadget reports a user action
constexpr int kCloseRequest = 13116; // the user asked to close the window

// Event types.
constexpr int kClick = 0;         // push button or tick box clicked
constexpr int kChange = 768;      // user changed a list's selection or the text area's text
constexpr int kFocus = 14000;     // the text area gained the keyboard focus
constexpr int kFocusLost = 14001; // the text area lost the keyboard focus

// setColour's "which".
constexpr int kForeground = 1;
constexpr int kBackground = 2;

// Creation flags.
constexpr int kLabelCentred = 1;          // newLabel: centre the text horizontally
constexpr int kTextAreaWrap = 0x10000000; // newTextArea: wrap lines at the area's width
// newWindow: a title bar with system menu, minimise and maximise boxes, no sizing border.
constexpr int kWindowCaption = 0xC00000;
constexpr int kWindowSystemMenu = 0x80000;
constexpr int kWindowSizingBorder = 0x40000;
constexpr int kWindowMinimiseBox = 0x20000;
constexpr int kWindowMaximiseBox = 0x10000;

constexpr int kDefaultFont = -1;   // setFont: the toolkit's default gadget font
constexpr int kAllNewGadgets = -1; // setFont: gadget number meaning "gadgets created from now on"
constexpr int kNoColour = -1;

// Packs an RGB triple into the 0x00BBGGRR layout that setColour takes.
constexpr int rgb(int red, int green, int blue) {
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

void initToolkit();
void closeToolkit();

// Creation. Each returns non-zero on success and 0 when the gadget could not
// be made. Gadgets go into the window opened last.
int newWindow(int number, int x, int y, int width, int height, const std::u16string& title,
              int flags);
int newButton(int number, int x, int y, int width, int height, const std::u16string& text);
int newLabel(int number, int x, int y, int width, int height, const std::u16string& text,
             int flags);
int newDropDownList(int number, int x, int y, int width, int height);
int newTickBox(int number, int x, int y, int width, int height, const std::u16string& text);
int newTextArea(int number, int x, int y, int width, int height, int flags);

// Operations on existing gadgets. setText, setState and addItem never come
// back to the program as events.
void setFont(int number, int font);
void addItem(int number, int position, const std::u16string& text);
void setState(int number, int value);
int getState(int number);
void setText(int number, const std::u16string& text);
void removeAllItems(int number);
void setHidden(int number, int hidden);
void setColour(int number, int which, int colour);

// Accessibility: what a screen reader is told about a gadget; nothing on
// screen changes. An empty description leaves the gadget without one.
void setAccessibleName(int number, const std::u16string& name, const std::u16string& description);
// The text label whose text names the gadget for a screen reader.
void setLabelledBy(int number, int label);

// Events. nextEvent waits without a time limit and returns an event code;
// codes other than kGadgetEvent and kCloseRequest are to be ignored.
int nextEvent();
int eventSource(); // gadget number (gadget events) or window number (close request)
int eventType();   // kClick, kChange, kFocus or kFocusLost
int eventWindow(); // the number of the window the event belongs to

} // namespace ui
