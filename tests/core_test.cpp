// The toolkit core's own rules, in milliseconds, on a null backend: a
// platform without a screen, whose controls are records in memory. Like the
// most talkative platform, it reports the program's own changes of a
// control's text, tick or selection back to the core (which must suppress
// them), reports a focus while a text area is set up, and selects the first
// item that goes into an empty list. A test plays the user by calling
// ui::core as a backend does.
#include "ui/backend.h"
#include "ui/test_hooks.h"
#include "ui/toolkit.h"

#include <gtest/gtest.h>

#include <deque>
#include <set>
#include <vector>

namespace {

using namespace ui;
using Text = const std::u16string&;

// A window or control as the platform shows it.
struct Control {
    int number = 0;
    bool gone = false, bold = false, hidden = false, ticked = false;
    std::u16string text;
    std::vector<std::u16string> items;
    int item = -1; // the selected one
    LabelLook look;
};

std::deque<Control> made;
std::multiset<int> brushes; // the colour of every brush alive
int refusals = 0, platformMessage = 0;

Control& of(Native native) { return *static_cast<Control*>(native); }
void echo(Native control, int type) { core::reportGadget(of(control).number, type); }
Control* make(int number) {
    if (refusals > 0 && refusals--)
        return nullptr;
    made.emplace_back().number = number;
    return &made.back();
}

} // namespace

namespace ui::backend {

void start() {}
void stop() {}
Native createWindow(int number, Box, Text, int) { return make(number); }
void destroyWindow(Native) {
    for (Control& control : made)
        control.gone = true;
}
Native createControl(Native, GadgetKind kind, int number, Box, Text text, int, Face face) {
    Control* control = make(number);
    if (control && (control->text = text, control->bold = face == Face::Bold, true) &&
        kind == GadgetKind::TextArea)
        echo(control, kFocus);
    return control;
}
void destroyControl(Native c) { of(c).gone = true, echo(c, kFocusLost); }
void setFont(Native c, GadgetKind, Face face) { of(c).bold = face == Face::Bold; }
void setText(Native c, GadgetKind, Text text) { of(c).text = text, echo(c, kChange); }
// The selection moves with its item.
void insertItem(Native l, int at, Text text) {
    Control& list = of(l);
    list.items.insert(list.items.begin() + at, text);
    list.item = list.items.size() == 1 ? 0 : list.item + (list.item >= at);
}
void selectItem(Native l, int i) { of(l).item = i, echo(l, kChange); }
int selectedItem(Native list) { return of(list).item; }
void setTicked(Native b, bool on) { of(b).ticked = on, echo(b, kClick); }
bool ticked(Native box) { return of(box).ticked; }
void setVisible(Native c, bool visible) { of(c).hidden = !visible; }
Native focusedControl(Native) { return nullptr; }
void focus(Native, Native) {}
bool isEditable(Native) { return true; }
Brush createBrush(int colour) { return brushes.insert(colour), new int(colour); }
void destroyBrush(Brush b) {
    brushes.erase(brushes.find(*static_cast<int*>(b)));
    delete static_cast<int*>(b);
}
void repaint(Native label, const LabelLook& look) { of(label).look = look; }
void setAccessibleName(Native, Text, Text) {}
void setLabelledBy(Native control, Native) { of(control).text += u" labelled"; }
int waitForPlatform() { return platformMessage; }

} // namespace ui::backend

namespace {

std::string word(int value) { return std::to_string(value); }
std::string word(Text text) { return std::string(text.begin(), text.end()); }

// What the platform shows: the brushes alive, then every window
// and control made, each by its number and what it shows beyond a fresh one.
// Labels paint as "look FILL BRUSH'S-COLOUR TEXT".
std::vector<std::string> platform() {
    std::vector<std::string> shown{"brushes"};
    for (const int colour : brushes)
        shown[0] += ' ' + word(colour);
    for (const Control& c : made) {
        std::string& s = shown.emplace_back(word(c.number));
        if (c.gone) {
            s += " gone";
            continue;
        }
        s += std::string(c.bold ? " bold" : "") + (c.hidden ? " hidden" : "") +
             (c.ticked ? " ticked" : "") + (c.text.empty() ? "" : " '" + word(c.text) + "'");
        for (Text item : c.items)
            s += ' ' + word(item);
        s += c.items.empty() ? "" : " @" + word(c.item);
        if (c.look.fill != LabelLook::PlatformLook)
            s += " look " + word(c.look.fill) + ' ' +
                 (c.look.brush ? word(*static_cast<int*>(c.look.brush)) : "-") + ' ' +
                 word(c.look.text);
    }
    return shown;
}

int make(int (*maker)(int, int, int, int, int, Text), int number) {
    return maker(number, 0, 0, 9, 9, u"");
}

// What a step did: "what it returns | what the platform shows that it did not
// show after the step before | each event it left (code source type)".
std::vector<std::string> shownBefore = platform();
std::string outcome(int result) {
    std::string seen = word(result) + " | ";
    const std::vector<std::string> after = platform();
    for (std::size_t i = 0, changes = 0; i < after.size(); ++i)
        if (i >= shownBefore.size() || after[i] != shownBefore[i])
            seen += (changes++ ? "; " : "") + after[i];
    shownBefore = after;
    while (test::pendingEventCount() > 0) {
        const int code = nextEvent();
        seen += " | " + word(code) + ' ' + word(eventSource()) + ' ' + word(eventType());
    }
    return seen;
}

// Each step on what the ones before left: a window 1 with a button 10, a
// label 11, a list 12, a tick box 13, a text area 14 and a label 15. Label
// fills: 1 the button face, 2 its own colour.
TEST(Core, RulesStepByStep) {
    // A window of a pixel is made, but none with a number in use or under a
    // pixel, nor one the platform refuses, and no gadget with a number below
    // zero (each result a digit). The text area's focus while it is made is
    // not the user's.
    initToolkit();
    const int refused = (refusals = 1, newWindow(3, 0, 0, 9, 9, u"", 0));
    const int windows = 1000 * refused + 100 * newWindow(1, 0, 0, 1, 1, u"", 0) +
                        10 * newWindow(1, 0, 0, 9, 9, u"", 0) + newWindow(2, 0, 0, 0, 9, u"", 0);
    make(newButton, -1), make(newButton, 10), newLabel(11, 0, 0, 9, 9, u"", 0);
    newDropDownList(12, 0, 0, 9, 9), make(newTickBox, 13);
    EXPECT_EQ(outcome(windows * 10 + newTextArea(14, 0, 0, 9, 9, 0)),
              "1001 | 1; 10; 11; 12; 13; 14");
    // Refused by the platform, a gadget keeps its older namesake; made again,
    // it replaces it. Any font value but the default draws bold.
    EXPECT_EQ(outcome((refusals = 1, make(newButton, 10))), "0 | ");
    EXPECT_EQ(outcome((setFont(kAllNewGadgets, 256), make(newButton, 10))), "1 | 10 gone; 10 bold");
    setFont(kAllNewGadgets, -1), setFont(10, -1);
    EXPECT_EQ(outcome(newLabel(15, 0, 0, 9, 9, u"", 0)), "1 | 10; 15");
    // Numbers that name no gadget, and kinds that do not define the
    // operation, do nothing and read as 0. The program's own changes come
    // back as no event; emptying the text area is not wrapped.
    setText(99, u"x"), setState(99, 1), setColour(99, kBackground, 5), setHidden(99, 1);
    setFont(99, 1), setState(11, 1), addItem(11, 0, u"x"), removeAllItems(11);
    setText(12, u"x"), setColour(12, kBackground, 5), setLabelledBy(12, 13);
    setText(14, u"a"), setState(13, 2), removeAllItems(14);
    EXPECT_EQ(outcome(getState(99) + getState(11) + getState(14) + getState(13)),
              "1 | 13 ticked | 13100 14 768");
    // Items go in at their place, past the end after the last; a list
    // without a selection keeps none; an index outside selects none; the
    // selection moves with its item.
    addItem(12, -1, u"a"), addItem(12, 0, u"b"), addItem(12, 9, u"c"), setState(12, 3);
    const int none = getState(12);
    setState(12, 1), addItem(12, 0, u"z");
    EXPECT_EQ(outcome(10 * none + getState(12)), "-8 | 12 z b a c @2");
    // Identical reports in a row wait as one; reports of unknown numbers are
    // dropped. nextEvent hands on the platform's own number, never as an
    // event.
    core::reportGadget(10, kClick), core::reportGadget(10, kClick);
    core::reportGadget(13, kClick), core::reportGadget(10, kClick);
    core::reportGadget(99, kClick), core::reportClose(1), core::reportClose(2);
    EXPECT_EQ(outcome(core::windowNumber(core::nativeWindow(1))),
              "1 |  | 13100 10 0 | 13100 13 0 | 13100 10 0 | 13116 1 0");
    platformMessage = kGadgetEvent;
    const int handedOn = nextEvent() == 0 ? (platformMessage = 15, nextEvent()) : -1;
    EXPECT_EQ(outcome(handedOn), "15 | ");
    // A background fills with a brush, the text black unless set; a text
    // colour alone sits on the button face. A second label of that
    // background shares the brush; no colour is the platform's look.
    setColour(11, kBackground, 5), setColour(15, kForeground, 7);
    EXPECT_EQ(outcome(test::liveBrushCount()), "1 | brushes 5; 11 look 2 5 0; 15 look 1 - 7");
    setColour(15, kBackground, 5), setColour(11, kBackground, -7), setColour(11, kForeground, 7);
    EXPECT_EQ(outcome(test::liveBrushCount()), "1 | 11 look 1 - 7; 15 look 2 5 7");
    setColour(15, kBackground, -1), setColour(11, kForeground, -1), setColour(11, 3, 1);
    EXPECT_EQ(outcome(test::liveBrushCount()), "0 | brushes; 11; 15 look 1 - 7");
    // Closing gives back every brush and drops every event.
    setColour(11, kBackground, 9), core::reportClose(1), closeToolkit();
    EXPECT_EQ(outcome(test::liveBrushCount() + test::pendingEventCount()),
              "0 | 1 gone; 11 gone; 12 gone; 13 gone; 14 gone; 10 gone; 15 gone");
}

} // namespace
