// A backend without a platform, for testing the toolkit core: every native
// control is a plain record whose state the test reads and whose user
// actions the test makes.
#pragma once

#include "ui/backend.h"

#include <vector>

namespace fake {

// Only what the core reads back from its platform, and what tells a live
// control from one the core destroyed.
struct Control {
    ui::GadgetKind kind;
    int number = 0;
    int items = 0;
    int selected = -1;
    bool ticked = false;
    bool destroyed = false;
};

struct Window {
    Control* focused = nullptr;
};

// What the fake platform holds now.
extern std::vector<Window*> windows;
extern std::vector<Control*> controls;
extern int liveBrushes;
// The next creation the platform refuses.
extern bool refuseNext;
// How many times the core made or changed a control or repainted a label.
extern int changes;
// While not 0, each of those changes reports a change of this gadget, as a
// platform may do while the program changes a control.
extern int echo;

Control* control(int number); // the live control of that number, or nullptr

} // namespace fake
