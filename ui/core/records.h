// Private to the toolkit core: the record kept for every gadget and window,
// and the tables that map the program's numbers to them.
#pragma once

#include "ui/backend.h"

#include <vector>

namespace ui::detail {

struct GadgetRecord {
    int number = 0;
    int window = 0; // the number of the window that holds the gadget
    GadgetKind kind = GadgetKind::PushButton;
    Native native = nullptr;
    bool hidden = false;
    // Text labels: both colours start as "none"; while the background is
    // set, the label holds a reference on the shared brush of that colour.
    int textColour = -1;
    int backgroundColour = -1;
    // Drop-down lists: how many items, the item last set or chosen (-1 for
    // none), and whether the user has the list open.
    int items = 0;
    int item = -1;
    bool open = false;
};

struct WindowRecord {
    int number = 0;
    Native native = nullptr;
    // The gadget that had the keyboard focus when the window was last
    // deactivated, given back at the next activation; 0 for none.
    int savedFocus = 0;
};

// nullptr when the number names none.
GadgetRecord* findGadget(int number);
WindowRecord* findWindow(int number);
GadgetRecord* findGadget(Native native);

// Stores a new gadget's record under its number, after the platform made
// its control; an older gadget of that number is destroyed first.
GadgetRecord& addGadget(int number, int window, GadgetKind kind, Native native);
// The gadgets of one window, in creation order.
std::vector<GadgetRecord*> gadgetsOf(int window);
// Forgets every gadget, leaving the controls to their windows' destruction.
void forgetAllGadgets();

// Label colours (label_colours.cpp).
void setLabelColour(GadgetRecord& label, int which, int colour);
void releaseLabelBrush(GadgetRecord& label);

// Before a gadget is hidden (focus.cpp).
void giveUpFocusBeforeHiding(const GadgetRecord& gadget);

// The font for gadgets made from now on, and the face a font value draws
// in (toolkit.cpp).
void setGadgetFont(int font);
Face faceOf(int font);

} // namespace ui::detail
