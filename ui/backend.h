// What a platform provides to the toolkit, and what the toolkit offers back.
//
// The toolkit core (ui/core/) implements every operation of ui/toolkit.h:
// the gadget and window tables, number lookup, kind dispatch and the failure
// rules, event suppression, the label colours and their shared brushes, the
// fonts, when a drop-down list reports a change, the Tab walk, focus memory
// and the event queue. What touches the platform it hands to one backend,
// linked in at build time (ui/qt/, ui/win32/, ui/web/). A new platform
// implements the functions of namespace ui::backend below and nothing else;
// it reports what the user does through ui::core.
//
// A backend never decides what an operation means: it creates, changes and
// reads native controls when told to, draws what the core decided, and
// reports raw user actions. It is never asked about a number the core does
// not know.
#pragma once

#include <string>

namespace ui {

enum class GadgetKind { PushButton, TextLabel, DropDownList, TickBox, TextArea };

// A platform window or control (a widget, a window handle, an element), as
// the backend sees it. The core stores it and hands it back, never looks in.
using Native = void*;
// A platform brush for a label's background, or 0 for none.
using Brush = void*;

struct Box {
    int x, y, width, height;
};

// The two faces a control draws its text in: the toolkit's default gadget
// font, and the bold face of the system font.
enum class Face { Default, Bold };

// How a label is painted, as the core decided it (core::labelLook):
// - the platform's look (no colour set; text is -1);
// - the button face behind the text colour (only a text colour set);
// - the whole label filled with its own background colour, with the shared
//   brush of that colour, the text in the text colour (black unless set).
struct LabelLook {
    enum Fill { PlatformLook, ButtonFace, OwnColour } fill = PlatformLook;
    int background = -1; // OwnColour: the fill's colour and its brush
    Brush brush = nullptr;
    int text = -1;
};

// What the user did to a drop-down list, as the platform tells it. Which of
// these is a choice the core decides (core::reportList).
enum class ListReport {
    Opened,    // the list dropped open
    Stepped,   // the selection moved (in the closed list, or through the open one)
    Chosen,    // the user settled on the selected item, or the list closed on it
    Cancelled, // the open list closed without a choice (Escape, a click elsewhere)
};

namespace backend {

// Once at start-up and once at the end, after every window was destroyed.
void start();
void stop();

// A top-level window: width x height is its client area, (x, y) the outer
// top-left corner on the screen; flags as newWindow's. nullptr when the
// platform refuses (for example when no display can be reached).
Native createWindow(int number, Box box, const std::u16string& title, int flags);
void destroyWindow(Native window);

// A visible control of the given kind in the window, at the box, with the
// gadget number as its identifier, drawing in the face given. The text is
// for buttons, labels and tick boxes; flags are newLabel's (centred) and
// newTextArea's (wrap). nullptr when the platform refuses.
Native createControl(Native window, GadgetKind kind, int number, Box box,
                     const std::u16string& text, int flags, Face face);
// Destroys one control; its window is still open.
void destroyControl(Native control);

void setFont(Native control, GadgetKind kind, Face face);
// A label's, button's or tick box's text, or the text area's whole content
// (empty empties it).
void setText(Native control, GadgetKind kind, const std::u16string& text);

// Drop-down lists. The position is from 0 to the number of items (which
// adds after the last); the index names an item, or is -1 for none; -1
// reads as "none selected".
void insertItem(Native list, int position, const std::u16string& text);
void selectItem(Native list, int index);
int selectedItem(Native list);

// Tick boxes.
void setTicked(Native box, bool ticked);
bool ticked(Native box);

void setVisible(Native control, bool visible);

// The keyboard focus within one window: the control that has it (nullptr
// for none), and giving it to a control (nullptr: to no control).
Native focusedControl(Native window);
void focus(Native window, Native control);
// Whether the text area is one the user can type into: a plain Tab there is
// typed, not a move of the focus.
bool isEditable(Native area);

// Label colours. The core keeps one brush per background colour in use and
// asks the backend to make and free them; repaint draws the label again at
// once, in the look given (which core::labelLook() also answers later).
Brush createBrush(int colour);
void destroyBrush(Brush brush);
void repaint(Native label, const LabelLook& look);

// What a screen reader is told; an empty description means none. The
// relation names the label whose text names the control.
void setAccessibleName(Native control, const std::u16string& name,
                       const std::u16string& description);
void setLabelledBy(Native control, Native label);

// Blocks, without a time limit, until the platform has something, and
// handles it; what the user did arrives through ui::core meanwhile. Returns
// the platform's own number for what it handled (0 when it has none); the
// caller ignores it.
int waitForPlatform();

} // namespace backend

// What a backend calls.
namespace core {

// A user action on a control (kClick, kChange, kFocus, kFocusLost, or a
// platform notification code) and a request to close a window. Events are
// posted unless the program's own change caused them.
void reportGadget(int number, int type);
void reportClose(int window);
// What the user did to a drop-down list; the core posts the change, if any.
void reportList(int number, ListReport report);

// Tab or Shift+Tab pressed in a window: true when the core moved the focus,
// false when the key is the focused text area's to type.
bool tabKey(int window, bool backwards);
// Whether that key, from the focused control, would wrap round the window's
// controls (for a backend whose window sits among other controls).
bool tabLeavesWindow(int window, bool backwards);

// The window lost or gained activation: the focused control is remembered
// and given back.
void windowDeactivated(int window);
void windowActivated(int window);

// How a label is to be painted now.
LabelLook labelLook(int number);

// For the backend's own bookkeeping and for tests: the native control or
// window behind a number, and the number behind a native one (0 for none).
Native nativeGadget(int number);
Native nativeWindow(int number);
int gadgetNumber(Native control);
int windowNumber(Native window);
// The kind of the gadget of that number (a push button when none).
GadgetKind gadgetKind(int number);

} // namespace core

} // namespace ui
