// The toolkit's behaviour seen through the main window: which user actions
// become events, gadget states, label colours, fonts, keyboard focus, and the
// window as it stands right after start-up.
#include "tests/support/main_window_fixture.h"
#include "ui/toolkit.h"

#include <array>
#include <string>
#include <vector>

namespace {

using driver::Key;
using driver::Place;
using Toolkit = MainWindowTest;

// One user action after another, each followed by the one event it should
// raise (code 0: none) and by the state of a gadget. The program's own
// changes raise none.
TEST_F(Toolkit, EachUserActionRaisesOneEventTheProgramsOwnChangesNone) {
    using namespace gadget;
    using driver::press;
    constexpr int box = tickBox(4, 2), list = letterList(4), area = kResultText;
    constexpr int gadgetEvent = ui::kGadgetEvent;
    const struct {
        void (*act)();
        int code, source, type, gadget, state;
    } steps[] = {
        {[] { driver::click(kParseButton); }, gadgetEvent, kParseButton, ui::kClick, box, 0},
        // Hidden, a tick box keeps its tick and a click hits nothing.
        {[] { ui::setState(box, 7), driver::click(box); }, 0, 0, 0, box, 1},
        {[] { ui::setHidden(box, 0), driver::click(box); }, gadgetEvent, box, ui::kClick, box, 0},
        {[] { driver::focus(box), press(Key::Space); }, gadgetEvent, box, ui::kClick, box, 1},
        // Items stepped through in the open list are no choice until it
        // closes on one, and closing on the item it showed is none; Escape
        // puts back the item it opened on. In the closed list a step is one.
        {[] { driver::focus(list), press(Key::F4), press(Key::Down), press(Key::Escape); }, 0, 0, 0,
         list, 0},
        {[] { press(Key::Down); }, gadgetEvent, list, ui::kChange, list, 1},
        {[] { press(Key::F4), press(Key::Down), press(Key::Down), press(Key::Down); }, 0, 0, 0, box,
         1},
        {[] { press(Key::Return); }, gadgetEvent, list, ui::kChange, list, 4},
        {[] { driver::chooseItem(list, 4); }, 0, 0, 0, list, 4},
        {[] { driver::chooseItem(list, 7); }, gadgetEvent, list, ui::kChange, list, 7},
        {[] {
             ui::setState(letterList(2), 5), ui::setState(tickBox(2, 3), 1);
             ui::addItem(letterList(2), -1, u"extra"), ui::setText(area, u"CRANE   ");
             ui::setText(kCountLabel, u"A&B <b>x</b>"), ui::setHidden(tickBox(2, 3), 0);
             ui::setColour(letterLabel(2), ui::kBackground, 0x010203);
         },
         0, 0, 0, letterList(2), 5},
        {[] { driver::focus(area); }, gadgetEvent, area, ui::kFocus, list, 7},
        // Two identical reports in a row wait as one.
        {[] { driver::type(u"ab"); }, gadgetEvent, area, ui::kChange, list, 7},
        {[] { driver::focus(kLoadButton); }, gadgetEvent, area, ui::kFocusLost, list, 7},
        {[] { driver::requestClose(kMainWindow); }, ui::kCloseRequest, kMainWindow, 0, list, 7},
        {[] { driver::click(kResetButton); }, gadgetEvent, kResetButton, ui::kClick, list, 7},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(&step - steps);
        step.act();
        driver::settle();
        ASSERT_EQ(driver::pendingEvents(), step.code ? 1 : 0);
        if (step.code) {
            const int code = ui::nextEvent();
            EXPECT_EQ((std::array{code, ui::eventSource(), ui::eventType(), ui::eventWindow()}),
                      (std::array{step.code, step.source, step.type, int(kMainWindow)}));
        }
        EXPECT_EQ(ui::getState(step.gadget), step.state);
    }
    EXPECT_TRUE(driver::window(kMainWindow).shown); // the close box only asked
    EXPECT_EQ(ui::getState(tickBox(2, 3)), 1);      // set by the program, as a 1
    EXPECT_EQ(countLabelText(), u"A&B <b>x</b>");   // as shown: no mnemonic, no markup
    EXPECT_EQ(resultTextContent(), u"abCRANE   ");
}

// The items as the list shows them, each chosen in turn, up to the first
// index that chooses nothing.
std::vector<std::u16string> itemsShown(int list) {
    std::vector<std::u16string> shown;
    for (int i = 0; ui::setState(list, i), ui::getState(list) == i; ++i)
        shown.push_back(driver::text(list));
    return shown;
}

TEST_F(Toolkit, LetterLabelsUseTheBoldStockFaceOthersTheDefault) {
    const driver::Font standard = driver::font(gadget::kLoadButton);
    EXPECT_FALSE(standard.bold);
    for (int k = 0; k < 26; ++k)
        EXPECT_TRUE(driver::font(gadget::letterLabel(k)).bold) << k;
    for (int number : {58, 28, 188}) // and so the text area, made between them
        EXPECT_EQ(driver::font(number), standard) << number;
}

// The window, the buttons, the count, the result area and rows A and Z (the
// rows between follow the same formulas), then every list's items, state and
// label, and every tick box.
TEST_F(Toolkit, TheWindowAtStart) {
    EXPECT_EQ(driver::window(gadget::kMainWindow),
              (driver::WindowLook{625, 770, true, true, true, true, true}));
    // align: how a label sets its text, 'C' centred, 'L' from the left; '-'
    // for the other gadgets.
    const struct {
        int number;
        Place place;
        std::u16string text;
        char align;
    } expected[] = {
        {56, {40, 25, 150, 21}, u"Load 'words.txt' List", '-'},
        {55, {40, 50, 150, 21}, u"Parse List", '-'},
        {57, {40, 75, 150, 21}, u"Reset A-Z (below)", '-'},
        {58, {325, 25, 150, 21}, u"", 'L'},
        {2, {325, 50, 280, 700}, u"", '-'},
        {3, {40, 100, 150, 21}, u"?", '-'},
        {29, {10, 100, 25, 21}, u"A", 'C'},
        {59, {200, 100, 25, 21}, u"", '-'},
        {28, {40, 725, 150, 21}, u"?", '-'},
        {54, {10, 725, 25, 21}, u"Z", 'C'},
        {188, {300, 725, 25, 21}, u"", '-'},
    };
    for (const auto& control : expected) {
        EXPECT_EQ(driver::place(control.number), control.place) << control.number;
        EXPECT_EQ(driver::text(control.number), control.text) << control.number;
        if (control.align != '-') {
            EXPECT_EQ(driver::centred(control.number), control.align == 'C') << control.number;
        }
    }
    const std::vector<std::u16string> items = {
        u"?",           u"Not Present (Grey)", u"Used (Yellow)", u"1st (Green)",
        u"2nd (Green)", u"3rd (Green)",        u"4th (Green)",   u"5th (Green)"};
    // No label is coloured yet: each sits on the button face, in black.
    const driver::Look plain{driver::buttonFace(), 0};
    for (int k = 0; k < 26; ++k) {
        EXPECT_EQ(ui::getState(gadget::letterList(k)), 0);
        EXPECT_EQ(itemsShown(gadget::letterList(k)), items) << k;
        EXPECT_EQ(driver::labelLook(gadget::letterLabel(k)), plain) << k;
    }
    for (int number = gadget::kFirstTickBox; number <= gadget::kLastTickBox; ++number)
        EXPECT_FALSE(driver::shown(number) || ui::getState(number)) << number;
}

} // namespace
