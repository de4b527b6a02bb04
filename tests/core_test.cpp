// The toolkit core's own rules, in milliseconds, on a null backend: a
// backend without a platform whose controls are records in memory and which
// logs every call the core makes of it. Like the most talkative platform, it
// reports the program's own changes of a control's text, tick or selection
// back to the core (which must suppress them); a test plays the user by
// calling ui::core as a backend does.
#include "ui/backend.h"
#include "ui/test_hooks.h"
#include "ui/toolkit.h"

#include <gtest/gtest.h>

#include <deque>
#include <utility>

namespace {

using namespace ui;
using Text = const std::u16string&;
using Control = std::pair<int, int>; // the number; a list's item or a tick box's tick

std::deque<Control> made;
std::string log; // "name number arguments; ..."
Native focused = nullptr;
int refusals = 0, platformMessage = 0;

Control& of(Native native) { return *static_cast<Control*>(native); }
std::string word(Native native) { return std::to_string(native ? of(native).first : 0); }
std::string word(int value) { return std::to_string(value); }
std::string word(Text text) { return std::string(text.begin(), text.end()); }
template <typename... Words> void note(const char* name, const Words&... words) {
    log += (log.empty() ? "" : "; ") + std::string(name);
    ((log += ' ' + word(words)), ...);
}
void echo(Native control, int type) { core::reportGadget(of(control).first, type); }
Native make(int number) {
    return refusals > 0 && refusals-- ? nullptr : &made.emplace_back(number, -1);
}

} // namespace

namespace ui::backend {

void start() { note("start"); }
void stop() { note("stop"), made.clear(), focused = nullptr; }
Native createWindow(int number, Box, Text, int) { return note("window", number), make(number); }
void destroyWindow(Native window) { note("close", window); }
// A text area reports a focus while it is set up, as a platform may.
Native createControl(Native, GadgetKind kind, int number, Box, Text, int, Face face) {
    const Native control = (note("make", number, int(face)), make(number));
    if (control && kind == GadgetKind::TextArea)
        echo(control, kFocus);
    return control;
}
void destroyControl(Native c) { note("destroy", c), echo(c, kFocusLost); }
void setFont(Native c, GadgetKind, Face face) { note("face", c, int(face)); }
void setText(Native c, GadgetKind, Text text) { note("text", c, text), echo(c, kChange); }
// The selection moves with its item.
void insertItem(Native l, int at, Text t) {
    note("insert", l, at, t), of(l).second += of(l).second >= at;
}
void selectItem(Native l, int i) { note("select", l, i), of(l).second = i, echo(l, kChange); }
int selectedItem(Native list) { return of(list).second; }
void setTicked(Native b, bool on) { note("tick", b, on), of(b).second = on, echo(b, kClick); }
bool ticked(Native box) { return of(box).second == 1; }
void setVisible(Native c, bool visible) { note("show", c, visible); }
Native focusedControl(Native) { return focused; }
void focus(Native, Native control) { note("focus", control), focused = control; }
bool isEditable(Native) { return true; }
Brush createBrush(int colour) { return note("brush", colour), new int(colour); }
void destroyBrush(Brush b) { note("free", *static_cast<int*>(b)), delete static_cast<int*>(b); }
void repaint(Native l, const LabelLook& look) {
    note("paint", l, look.fill, look.background, look.text);
}
void setAccessibleName(Native c, Text name, Text) { note("name", c, name); }
void setLabelledBy(Native control, Native label) { note("labelled", control, label); }
int waitForPlatform() { return note("wait"), platformMessage; }

} // namespace ui::backend

namespace {

using R = ListReport;

// The user leaves list 12 at an item (by default where it is), and the
// platform tells the core so.
int list(R report, int item = -2) {
    if (item != -2)
        of(core::nativeGadget(12)).second = item;
    return core::reportList(12, report), getState(12);
}
int tab(bool backwards) { return core::tabKey(1, backwards); }
int make(int (*maker)(int, int, int, int, int, Text), int number) {
    return maker(number, 0, 0, 9, 9, u"");
}

// Each step reads "what it returns | the calls it made | each event it left
// (code source type)", in order, each on what the ones before left: a
// window 1 with a button 10, a label 11, a list 12, a tick box 13, a text
// area 14 and a label 15. Faces: 0 default, 1 bold; label fills: 0 the
// platform's look, 1 the button face, 2 its own colour.
TEST(Core, RulesStepByStep) {
    const std::pair<int (*)(), const char*> steps[] = {
        // A window number in use, a window under a pixel, a gadget number
        // below zero: nothing is made. The text area's focus while it is
        // made is not the user's.
        {[] {
             initToolkit(), newWindow(1, 0, 0, 1, 1, u"", 0), newWindow(1, 0, 0, 9, 9, u"", 0);
             newWindow(2, 0, 0, 0, 9, u"", 0), make(newButton, -1), make(newButton, 10);
             newLabel(11, 0, 0, 9, 9, u"", 0), newDropDownList(12, 0, 0, 9, 9);
             return make(newTickBox, 13), newTextArea(14, 0, 0, 9, 9, 0);
         },
         "1 | start; window 1; make 10 0; make 11 0; make 12 0; make 13 0; make 14 0"},
        // Refused by the platform, a gadget keeps its older namesake; made
        // again, it replaces it. Any font value but the default draws bold.
        {[] { return refusals = 1, make(newButton, 10); }, "0 | make 10 0"},
        {[] {
             setFont(kAllNewGadgets, 256), make(newButton, 10), setFont(kAllNewGadgets, -1);
             return setFont(10, -1), newLabel(15, 0, 0, 9, 9, u"", 0);
         },
         "1 | make 10 1; destroy 10; face 10 0; make 15 0"},
        // Numbers that name no gadget, and kinds that do not define the
        // operation, do nothing and read as 0. The program's own changes
        // come back as no event; emptying the text area is not wrapped.
        {[] {
             setText(99, u"x"), setState(99, 1), setColour(99, kBackground, 5), setHidden(99, 1);
             setFont(99, 1), setState(11, 1), addItem(11, 0, u"x"), removeAllItems(11);
             setText(12, u"x"), setColour(12, kBackground, 5), setLabelledBy(12, 13);
             setText(14, u"a"), setState(13, 2), removeAllItems(14);
             return getState(99) + getState(11) + getState(14) + getState(13);
         },
         "1 | text 14 a; tick 13 1; text 14  | 13100 14 768"},
        // Items go in at their place, past the end after the last; a list
        // without a selection keeps none; an index outside selects none; the
        // selection moves with its item.
        {[] {
             addItem(12, -1, u"a"), addItem(12, 0, u"b"), addItem(12, 9, u"c"), setState(12, 3);
             return getState(12) == -1 ? (setState(12, 1), addItem(12, 0, u"z"), getState(12)) : 0;
         },
         "2 | insert 12 0 a; select 12 -1; insert 12 0 b; select 12 -1; insert 12 2 c; "
         "select 12 -1; select 12 -1; select 12 1; insert 12 0 z"},
        // In the closed list each step is a choice, and told again none. In
        // the open one, steps are none; cancelling puts back the item it
        // opened on; the item it closes on is one, once; closing on the item
        // it showed is none.
        {[] { return list(R::Stepped, 3); }, "3 |  | 13100 12 768"},
        {[] { return list(R::Chosen); }, "3 | "},
        {[] { return list(R::Opened), list(R::Stepped, 0), list(R::Cancelled); },
         "3 | select 12 3"},
        {[] { return list(R::Opened), list(R::Stepped, 1), list(R::Chosen); },
         "1 |  | 13100 12 768"},
        {[] { return list(R::Opened), list(R::Chosen); }, "1 | "},
        // Identical reports in a row wait as one; reports of unknown numbers
        // are dropped. nextEvent hands on the platform's own number, never
        // as an event.
        {[] {
             core::reportGadget(10, kClick), core::reportGadget(10, kClick);
             core::reportGadget(13, kClick), core::reportGadget(10, kClick);
             core::reportGadget(99, kClick), core::reportClose(1), core::reportClose(2);
             return core::windowNumber(core::nativeWindow(1));
         },
         "1 |  | 13100 10 0 | 13100 13 0 | 13100 10 0 | 13116 1 0"},
        {[] {
             platformMessage = kGadgetEvent;
             return nextEvent() == 0 ? (platformMessage = 15, nextEvent()) : -1;
         },
         "15 | wait; wait"},
        // A background fills with a brush shared by its colour, the text
        // black unless set; a text colour alone sits on the button face; no
        // colour is the platform's look.
        {[] {
             setColour(11, kBackground, 5), setColour(11, kForeground, 7);
             setColour(15, kBackground, 5), setColour(11, kBackground, -7);
             return test::liveBrushCount();
         },
         "1 | brush 5; paint 11 2 5 0; paint 11 2 5 7; paint 15 2 5 0; paint 11 1 -1 7"},
        {[] {
             setColour(15, kBackground, -1), setColour(11, kForeground, -1), setColour(11, 3, 1);
             return test::liveBrushCount();
         },
         "0 | free 5; paint 15 0 -1 -1; paint 11 0 -1 -1"},
        // Tab walks the visible gadgets but labels in creation order (10,
        // made again, comes last) and wraps; a plain Tab in the text area is
        // its own. Activated, the window gives the focus back to the gadget
        // that had it, unless that hid meanwhile; a focused gadget gives it
        // up before it hides.
        {[] { return setHidden(13, 1), tab(false), tab(false), tab(false); },
         "0 | show 13 0; focus 12; focus 14"},
        {[] { return tab(true), tab(true), tab(false); }, "1 | focus 12; focus 10; focus 12"},
        {[] {
             core::windowDeactivated(1), tab(false), core::windowActivated(1);
             return core::windowDeactivated(1), setHidden(12, 1), core::windowActivated(1), 0;
         },
         "0 | focus 14; focus 12; focus 0; show 12 0"},
        // Closing gives back every brush and drops every event.
        {[] {
             setColour(11, kBackground, 9), core::reportClose(1), closeToolkit();
             return test::liveBrushCount() + test::pendingEventCount();
         },
         "0 | brush 9; paint 11 2 9 0; free 9; close 1; stop"},
    };
    for (const auto& [act, outcome] : steps) {
        std::string seen = word(act()) + " | "; // then what it logged
        seen += std::exchange(log, "");
        while (test::pendingEventCount() > 0) {
            const int code = nextEvent();
            seen += " | " + word(code) + ' ' + word(eventSource()) + ' ' + word(eventType());
        }
        EXPECT_EQ(seen, outcome);
    }
}

} // namespace
