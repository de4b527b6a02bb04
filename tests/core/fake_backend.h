// A backend without a platform, for testing the toolkit core: every native
// control is a plain record whose state the test reads and whose user
// actions the test makes.
#pragma once

#include "ui/backend.h"

#include <string>
#include <vector>

namespace fake {

struct Control {
    ui::GadgetKind kind;
    int number = 0;
    ui::Box box{};
    std::u16string text;
    int flags = 0;
    int font = -1;
    std::vector<std::u16string> items;
    int selected = -1;
    bool ticked = false;
    bool visible = true;
    bool destroyed = false;
};

struct Window {
    int number = 0;
    Control* focused = nullptr;
    bool destroyed = false;
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
// While not 0: every change made to a control or label colour reports a
// change of this gadget, as a platform may do while the program changes it.
extern int echo;

Control* control(int number); // the live control of that number, or nullptr

} // namespace fake
