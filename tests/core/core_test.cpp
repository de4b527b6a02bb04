// The toolkit core on the fake backend: each case starts from a fresh
// toolkit with one window and seven gadgets, and ends by closing the
// toolkit, which must leave no brush behind.
#include "tests/core/fake_backend.h"
#include "ui/core/event_queue.h"
#include "ui/toolkit.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace {

using namespace ui;

// In creation order, so also in Tab order.
constexpr int kButton = 10, kLabel = 11, kList = 12, kTick = 13, kArea = 14, kLabel2 = 15,
              kButton2 = 16, kUnknown = 99;

fake::Control& control(int number) { return *fake::control(number); }

int focused() {
    const fake::Control* focus = fake::windows.front()->focused;
    return focus ? focus->number : 0;
}

void focus(int number) { fake::windows.front()->focused = number ? &control(number) : nullptr; }

// The operation reaches the platform, which reports a change meanwhile:
// whether that comes out as an event.
int eventsDuring(const std::function<void()>& operation) {
    const int changes = fake::changes;
    fake::echo = kButton;
    operation();
    fake::echo = 0;
    EXPECT_GT(fake::changes, changes) << "the operation never reached the platform";
    return detail::pendingEventCount();
}

// Tab (or Shift+Tab) in the window: the gadget focused after it, negative
// when the key was left to the text area.
int tab(bool backwards = false) { return core::tabKey(1, backwards) ? focused() : -focused(); }

struct Case {
    const char* name;
    std::function<void()> run;
};

const Case cases[] = {
    {"UnknownNumbersAndKindsWithoutTheOperationDoNothingAndReadZero",
     [] {
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
     }},
    {"SetTextIsNoEvent", [] { EXPECT_EQ(eventsDuring([] { setText(kArea, u"x"); }), 0); }},
    {"SetStateIsNoEvent",
     [] {
         EXPECT_EQ(eventsDuring([] { setState(kTick, 1); }), 0);
         EXPECT_EQ(eventsDuring([] { setState(kList, 1); }), 0);
         EXPECT_EQ(getState(kTick) * 10 + getState(kList), 11);
     }},
    {"AddItemIsNoEvent", [] { EXPECT_EQ(eventsDuring([] { addItem(kList, 0, u"z"); }), 0); }},
    {"NewTextAreaIsNoEvent",
     [] { EXPECT_EQ(eventsDuring([] { newTextArea(20, 0, 0, 9, 9, kTextAreaWrap); }), 0); }},
    {"RemoveAllItemsIsAnEvent", [] { EXPECT_EQ(eventsDuring([] { removeAllItems(kArea); }), 1); }},
    {"SetColourIsAnEvent",
     [] { EXPECT_EQ(eventsDuring([] { setColour(kLabel, kForeground, 0); }), 1); }},
    {"SetHiddenIsAnEvent", [] { EXPECT_EQ(eventsDuring([] { setHidden(kTick, 1); }), 1); }},
    {"SetFontIsAnEvent", [] { EXPECT_EQ(eventsDuring([] { setFont(kArea, 256); }), 1); }},
    {"OnlyIdenticalReportsInARowMergeAndTheOldestComesFirst",
     [] {
         const int reports[][2] = {{kArea, kFocus},
                                   {kArea, kChange},
                                   {kArea, kChange},
                                   {kButton, kChange},
                                   {kArea, kChange}};
         for (const auto& [source, type] : reports)
             core::reportGadget(source, type);
         for (const auto& [source, type] :
              {std::pair{kArea, kFocus}, std::pair{kArea, kChange}, std::pair{kButton, kChange},
               std::pair{kArea, kChange}}) {
             EXPECT_EQ(nextEvent(), kGadgetEvent);
             EXPECT_EQ(std::pair(eventSource(), eventType()), std::pair(source, type));
         }
         EXPECT_EQ(detail::pendingEventCount(), 0);
     }},
    {"ClosingRaisesNoEvents",
     [] {
         eventsDuring([] { removeAllItems(kArea); });
         closeToolkit();
         initToolkit();
         EXPECT_EQ(nextEvent(), 0);
     }},
    {"AWindowNumberInUseOrRefusedStaysAsItWas",
     [] {
         EXPECT_EQ(newWindow(1, 0, 0, 50, 50, u"again", 0), 0);
         fake::refuseNext = true;
         EXPECT_EQ(newWindow(2, 0, 0, 50, 50, u"refused", 0), 0);
         EXPECT_EQ(fake::windows.size(), 1u);
         EXPECT_EQ(newButton(kUnknown, 0, 0, 9, 9, u"b"), 1); // still into window 1
         EXPECT_EQ(core::windowNumber(core::nativeWindow(1)), 1);
         EXPECT_EQ(newWindow(2, 0, 0, 50, 50, u"now", 0), 1);
         EXPECT_EQ(core::nativeWindow(1), fake::windows.front());
     }},
    {"EachCreatingOperationTellsWhetherItMadeItsObject",
     [] {
         const std::function<int(int)> makers[] = {
             [](int n) { return newButton(n, 0, 0, 9, 9, u"b"); },
             [](int n) { return newLabel(n, 0, 0, 9, 9, u"l", 0); },
             [](int n) { return newDropDownList(n, 0, 0, 9, 9); },
             [](int n) { return newTickBox(n, 0, 0, 9, 9, u""); },
             [](int n) { return newTextArea(n, 0, 0, 9, 9, 0); },
             [](int n) { return newWindow(n, 0, 0, 50, 50, u"w", 0); },
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
     }},
    {"AGadgetNumberAgainReplacesTheGadgetUnlessRefused",
     [] {
         Native old = core::nativeGadget(kButton);
         fake::refuseNext = true;
         EXPECT_EQ(newLabel(kButton, 0, 0, 9, 9, u"l", 0), 0);
         EXPECT_EQ(core::nativeGadget(kButton), old);
         EXPECT_EQ(newLabel(kButton, 0, 0, 9, 9, u"l", 0), 1);
         EXPECT_TRUE(static_cast<fake::Control*>(old)->destroyed);
         EXPECT_EQ(core::gadgetNumber(core::nativeGadget(kButton)), kButton);
         focus(kButton2);
         EXPECT_EQ(tab(), kList); // the label that replaced the button takes no focus
     }},
    {"OneBrushPerBackgroundColourInUse",
     [] {
         const int red = rgb(255, 0, 0), blue = rgb(0, 0, 255);
         setColour(kLabel, kBackground, red);
         setColour(kLabel2, kBackground, red);
         setColour(kLabel2, kForeground, blue);
         EXPECT_EQ(fake::liveBrushes, 1);
         setColour(kLabel2, kBackground, blue);
         EXPECT_EQ(fake::liveBrushes, 2);
         EXPECT_EQ(core::labelLook(kLabel2).background, blue);
         EXPECT_NE(core::labelLook(kLabel2).brush, nullptr);
         setColour(kLabel, kBackground, -7); // "none"
         EXPECT_EQ(core::labelLook(kLabel).background, -1);
         EXPECT_EQ(fake::liveBrushes, 1);
         EXPECT_EQ(core::liveBrushCount(), 1);
         newButton(kLabel2, 0, 0, 9, 9, u"b"); // the label goes, and its brush
         EXPECT_EQ(fake::liveBrushes, 0);
     }},
    {"TabWrapsOverTheVisibleFocusableGadgetsInCreationOrder",
     [] {
         setHidden(kTick, 1);
         // From no focus, forwards; the text area keeps a plain Tab.
         for (int expected : {kButton, kList, kArea, -kArea})
             EXPECT_EQ(tab(), expected);
         for (int expected : {kList, kButton, kButton2, kArea})
             EXPECT_EQ(tab(true), expected);
         focus(kButton2);
         EXPECT_EQ(tab(), kButton);
         focus(0);
         EXPECT_EQ(tab(true), kButton2);
     }},
    {"TheFocusComesBackOnActivationAndNeverToAHiddenGadget",
     [] {
         focus(kList);
         core::windowDeactivated(1);
         focus(0);
         core::windowActivated(1);
         EXPECT_EQ(focused(), kList);
         core::windowDeactivated(1);
         setHidden(kList, 1);
         core::windowActivated(1);
         EXPECT_EQ(focused(), 0);
         focus(kTick);
         setHidden(kTick, 1);
         EXPECT_EQ(focused(), 0);
     }},
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

class Core : public testing::TestWithParam<Case> {
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

TEST_P(Core, Case) { GetParam().run(); }

INSTANTIATE_TEST_SUITE_P(Cases, Core, testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
