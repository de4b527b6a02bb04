// What a platform provides to the toolkit, and what the toolkit offers back.
//
// The toolkit core (ui/core/) implements every operation of ui/toolkit.h:
// the gadget and window tables, number lookup, kind dispatch and the failure
// rules, event suppression, the label colours and their shared brushes, the
// Tab walk, focus memory and the event queue. What touches the platform it
// hands to one backend, linked in at build time (ui/qt/, ui/win32/, ui/web/).
// A new platform implements the functions of namespace ui::backend below and
// nothing else; it reports what the user does through ui::core.
//
// A backend never decides what an operation means: it creates, changes and
// reads native controls when told to, and reports raw user actions. It is
// never asked about a number the core does not know.
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
// gadget number as its identifier, drawing with the font given (kDefaultFont
// or any other value: see setFont). The text is for buttons, labels and tick
// boxes; flags are newLabel's (centred) and newTextArea's (wrap). nullptr
// when the platform refuses.
Native createControl(Native window, GadgetKind kind, int number, Box box,
                     const std::u16string& text, int flags, int font);
// Destroys one control; its window is still open.
void destroyControl(Native control);

// -1 is the toolkit's default gadget font; any other value is handed on
// unchecked: one that names no font gives the bold face of the system font.
void setFont(Native control, GadgetKind kind, int font);
// A label's, button's or tick box's text, or the text area's whole content
// (empty empties it).
void setText(Native control, GadgetKind kind, const std::u16string& text);

// Drop-down lists. Position -1 adds after the last item; an index outside
// the list leaves no item selected; -1 reads as "none selected".
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
// Whether the control is a text area the user can type into: a plain Tab
// there is typed, not a move of the focus.
bool isEditable(Native control);

// Label colours. The core keeps one brush per background colour in use and
// asks the backend to make and free them; repaint draws the label again at
// once, reading its colours through core::labelLook().
Brush createBrush(int colour);
void destroyBrush(Brush brush);
void repaint(Native label);

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

// How a label is to be painted: its text and background colours (-1 for
// none) and the shared brush of the background (0 when none is set).
struct LabelLook {
    int text = -1;
    int background = -1;
    Brush brush = nullptr;
};
LabelLook labelLook(int number);

// For the backend's own bookkeeping and for tests: the native control or
// window behind a number, and the number behind a native one (0 for none).
Native nativeGadget(int number);
Native nativeWindow(int number);
int gadgetNumber(Native control);
int windowNumber(Native window);
int liveBrushCount();

} // namespace core

} // namespace ui
