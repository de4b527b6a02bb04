// The toolkit core on a backend without a platform, where every native
// control is a plain record the test reads. Each case starts from a fresh
// toolkit with one window and seven gadgets, and ends by closing the
// toolkit, which must leave no brush behind.
#include "ui/backend.h"
#include "ui/core/event_queue.h"
#include "ui/toolkit.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace fake {

// Only what the core reads back from its platform, and what tells a live
// control from one the core destroyed.
struct Control {
    ui::GadgetKind kind;
    int font = 0, items = 0, selected = -1;
    bool ticked = false, destroyed = false;
};
struct Window {
    Control* focused = nullptr;
};

std::vector<std::unique_ptr<Window>> windows;
std::vector<std::unique_ptr<Control>> controls;
int liveBrushes = 0;
bool refuseNext = false; // the platform refuses the next creation
int changes = 0;         // controls made or changed, labels repainted
int platformCode = 0;    // what waiting for the platform returns
// While not 0, each change reports a change of this gadget, as a platform
// may do while the program changes a control.
int echo = 0;

Control& changed(ui::Native native) {
    ++changes;
    if (echo)
        ui::core::reportGadget(echo, ui::kChange);
    return *static_cast<Control*>(native);
}

} // namespace fake

namespace ui::backend {

void start() {}
void stop() {}
Native createWindow(int, Box, const std::u16string&, int) {
    if (std::exchange(fake::refuseNext, false))
        return nullptr;
    return fake::windows.emplace_back(std::make_unique<fake::Window>()).get();
}
void destroyWindow(Native) {
    for (const auto& control : fake::controls)
        control->destroyed = true;
}
Native createControl(Native, GadgetKind kind, int, Box, const std::u16string&, int, int font) {
    if (std::exchange(fake::refuseNext, false))
        return nullptr;
    Native made = fake::controls.emplace_back(new fake::Control{kind, font}).get();
    return &fake::changed(made);
}
void destroyControl(Native control) { fake::changed(control).destroyed = true; }
void setFont(Native control, GadgetKind, int) { fake::changed(control); }
void setText(Native control, GadgetKind, const std::u16string&) { fake::changed(control); }
void insertItem(Native list, int, const std::u16string&) { ++fake::changed(list).items; }
void selectItem(Native list, int index) {
    fake::Control& control = fake::changed(list);
    control.selected = index >= 0 && index < control.items ? index : -1;
}
int selectedItem(Native list) { return static_cast<fake::Control*>(list)->selected; }
void setTicked(Native box, bool ticked) { fake::changed(box).ticked = ticked; }
bool ticked(Native box) { return static_cast<fake::Control*>(box)->ticked; }
void setVisible(Native control, bool) { fake::changed(control); }
Native focusedControl(Native window) { return static_cast<fake::Window*>(window)->focused; }
void focus(Native window, Native control) {
    static_cast<fake::Window*>(window)->focused = static_cast<fake::Control*>(control);
}
bool isEditable(Native control) {
    return static_cast<fake::Control*>(control)->kind == GadgetKind::TextArea;
}
Brush createBrush(int) { return &++fake::liveBrushes; }
void destroyBrush(Brush) { --fake::liveBrushes; }
void repaint(Native label) { fake::changed(label); }
void setAccessibleName(Native, const std::u16string&, const std::u16string&) {}
void setLabelledBy(Native, Native) {}
int waitForPlatform() { return fake::platformCode; }

} // namespace ui::backend

namespace {

using namespace ui;

// In creation order, so also in Tab order.
constexpr int kButton = 10, kLabel = 11, kList = 12, kTick = 13, kArea = 14, kLabel2 = 15,
              kButton2 = 16, kUnknown = 99;

// The operation reaches the platform, which reports a change meanwhile:
// whether that comes out as an event.
int eventsDuring(const std::function<void()>& operation) {
    const int changes = fake::changes;
    fake::echo = kButton;
    operation();
    fake::echo = 0;
    EXPECT_GT(fake::changes, changes) << "the operation never reached the platform";
    const int events = detail::pendingEventCount();
    while (detail::pendingEventCount() > 0)
        nextEvent();
    return events;
}

class Core : public testing::Test {
  protected:
    void SetUp() override {
        initToolkit();
        fake::windows.clear();
        fake::controls.clear();
        ASSERT_EQ(newButton(kButton, 0, 0, 9, 9, u"b"), 0); // no window yet
        ASSERT_EQ(newWindow(1, 0, 0, 400, 300, u"w", 0), 1);
        newButton(kButton, 0, 0, 9, 9, u"b");
        newLabel(kLabel, 0, 0, 9, 9, u"l", 0);
        newDropDownList(kList, 0, 0, 9, 9);
        addItem(kList, -1, u"a");
        addItem(kList, -1, u"b");
        newTickBox(kTick, 0, 0, 9, 9, u"");
        newTextArea(kArea, 0, 0, 9, 9, 0);
        newLabel(kLabel2, 0, 0, 9, 9, u"l", 0);
        newButton(kButton2, 0, 0, 9, 9, u"b");
    }
    void TearDown() override {
        closeToolkit();
        EXPECT_EQ(fake::liveBrushes, 0);
        EXPECT_EQ(core::liveBrushCount(), 0);
    }
};

TEST_F(Core, UnknownNumbersAndKindsWithoutTheOperationDoNothingAndReadZero) {
    const int changes = fake::changes;
    for (int number : {kUnknown, 0, -5}) {
        setText(number, u"x");
        setState(number, 1);
        addItem(number, -1, u"x");
        setHidden(number, 1);
        setColour(number, kBackground, 0);
        setFont(number, 256);
        removeAllItems(number);
        setAccessibleName(number, u"x", u"");
        setLabelledBy(kList, number);
        EXPECT_EQ(getState(number), 0);
        EXPECT_EQ(core::nativeGadget(number), nullptr);
    }
    setText(kList, u"x");
    addItem(kTick, -1, u"x");
    setState(kButton, 1);
    setState(kArea, 1);
    setColour(kButton, kBackground, 0);
    removeAllItems(kList);
    for (int number : {kButton, kLabel, kArea})
        EXPECT_EQ(getState(number), 0);
    EXPECT_EQ(fake::changes, changes);
    EXPECT_EQ(core::labelLook(kButton).brush, nullptr);
}

// What the platform reports while the program writes a text, a state or
// an item, or makes a text area, is not the user's; the rest stays.
TEST_F(Core, OnlyTheProgramsOwnWritesAreSilenced) {
    const std::pair<std::function<void()>, int> operations[] = {
        {[] { setText(kArea, u"x"); }, 0},
        {[] { setState(kTick, 1); }, 0},
        {[] { setState(kList, 1); }, 0},
        {[] { addItem(kList, 0, u"z"); }, 0},
        {[] { newTextArea(20, 0, 0, 9, 9, kTextAreaWrap); }, 0},
        {[] { removeAllItems(kArea); }, 1},
        {[] { setColour(kLabel, kForeground, 0); }, 1},
        {[] { setHidden(kTick, 1); }, 1},
        {[] { setFont(kArea, 256); }, 1},
    };
    for (const auto& [operation, events] : operations)
        EXPECT_EQ(eventsDuring(operation), events) << &operation - &operations[0].first;
    EXPECT_EQ(getState(kTick) * 10 + getState(kList), 11);
}

TEST_F(Core, OnlyIdenticalReportsInARowMergeAndTheOldestComesFirst) {
    const std::pair<int, int> reports[] = {
        {kArea, kFocus}, {kArea, kChange}, {kArea, kChange}, {kButton, kChange}, {kArea, kChange}};
    for (const auto& [source, type] : reports)
        core::reportGadget(source, type);
    for (int i : {0, 1, 3, 4}) {
        EXPECT_EQ(nextEvent(), kGadgetEvent);
        EXPECT_EQ(std::pair(eventSource(), eventType()), reports[i]);
    }
    EXPECT_EQ(detail::pendingEventCount(), 0);
    // The platform's own numbers never pass for an event.
    for (const int code : {kGadgetEvent, kCloseRequest, 7}) {
        fake::platformCode = code;
        EXPECT_EQ(nextEvent(), code == 7 ? 7 : 0);
    }
    fake::platformCode = 0;
    core::reportGadget(kArea, kChange);
    closeToolkit(); // takes every waiting event with it
    initToolkit();
    EXPECT_EQ(nextEvent(), 0);
}

TEST_F(Core, AWindowNumberInUseOrRefusedStaysAsItWas) {
    EXPECT_EQ(newWindow(1, 0, 0, 50, 50, u"again", 0), 0);
    fake::refuseNext = true;
    EXPECT_EQ(newWindow(2, 0, 0, 50, 50, u"refused", 0), 0);
    EXPECT_EQ(fake::windows.size(), 1u);
    EXPECT_EQ(newButton(kUnknown, 0, 0, 9, 9, u"b"), 1); // still into window 1
    EXPECT_EQ(core::windowNumber(core::nativeWindow(1)), 1);
    EXPECT_EQ(newWindow(2, 0, 0, 50, 50, u"now", 0), 1);
    EXPECT_EQ(core::nativeWindow(1), fake::windows.front().get());
}

TEST_F(Core, EachCreatingOperationTellsWhetherItMadeItsObject) {
    const std::function<int(int)> makers[] = {
        [](int n) { return newButton(n, 0, 0, 9, 9, u"b"); },
        [](int n) { return newLabel(n, 0, 0, 9, 9, u"l", 0); },
        [](int n) { return newDropDownList(n, 0, 0, 9, 9); },
        [](int n) { return newTickBox(n, 0, 0, 9, 9, u""); },
        [](int n) { return newTextArea(n, 0, 0, 9, 9, 0); },
        [](int n) { return newWindow(n, 0, 0, 1, 1, u"w", 0); },
    };
    int number = 100;
    for (const auto& make : makers) {
        ++number;
        fake::refuseNext = true;
        EXPECT_EQ(make(number), 0) << number; // the platform refused
        EXPECT_EQ(make(-number), 0) << number;
        EXPECT_FALSE(core::nativeGadget(number) || core::nativeWindow(number)) << number;
        EXPECT_EQ(make(number), 1) << number;
        EXPECT_TRUE(core::nativeGadget(number) || core::nativeWindow(number)) << number;
    }
}

TEST_F(Core, AGadgetNumberAgainReplacesTheGadgetUnlessRefused) {
    Native old = core::nativeGadget(kButton);
    fake::refuseNext = true;
    EXPECT_EQ(newLabel(kButton, 0, 0, 9, 9, u"l", 0), 0);
    EXPECT_EQ(core::nativeGadget(kButton), old);
    EXPECT_EQ(newLabel(kButton, 0, 0, 9, 9, u"l", 0), 1);
    EXPECT_TRUE(static_cast<fake::Control*>(old)->destroyed);
    EXPECT_EQ(core::gadgetNumber(core::nativeGadget(kButton)), kButton);
    fake::windows.front()->focused = static_cast<fake::Control*>(core::nativeGadget(kButton2));
    ASSERT_TRUE(core::tabKey(1, false)); // the label in the button's place takes no focus
    EXPECT_EQ(core::gadgetNumber(fake::windows.front()->focused), kList);
}

// The focus comes back on activation, whatever hid meanwhile, but never
// to a gadget that hid itself; and the fonts asked for all new gadgets.
TEST_F(Core, TheFocusComesBackOnActivationAndNewGadgetsTakeTheFontAskedFor) {
    auto& window = *fake::windows.front();
    window.focused = static_cast<fake::Control*>(core::nativeGadget(kList));
    core::windowDeactivated(1);
    window.focused = nullptr;
    setHidden(kTick, 1);
    core::windowActivated(1);
    EXPECT_EQ(core::gadgetNumber(window.focused), kList);
    core::windowDeactivated(1);
    setHidden(kList, 1);
    core::windowActivated(1);
    EXPECT_EQ(window.focused, nullptr);
    setFont(kAllNewGadgets, 256);
    newTextArea(20, 0, 0, 9, 9, 0);
    EXPECT_EQ(static_cast<fake::Control*>(core::nativeGadget(20))->font, 256);
}

// Counting and filling are the toolkit test's, on the real platforms; here,
// what they cannot show.
TEST_F(Core, ABrushGoesWithTheLastLabelOfItsColour) {
    EXPECT_EQ(core::labelLook(kLabel).background, -1); // none yet
    setColour(kLabel, kBackground, 0xFF);
    setColour(kLabel2, kBackground, 0xFF);
    setColour(kLabel2, kForeground, 0xFF00); // a text colour needs no brush
    setColour(kLabel, kBackground, -7);      // any negative colour is none
    EXPECT_EQ(core::labelLook(kLabel).background, -1);
    EXPECT_EQ(fake::liveBrushes, 1);
    newButton(kLabel2, 0, 0, 9, 9, u"b"); // the label goes, and its brush
    EXPECT_EQ(fake::liveBrushes, 0);
}

} // namespace
