// The toolkit's behaviour seen through the main window: which user actions
// become events, gadget states, label colours, fonts, keyboard focus, and the
// window as it stands right after start-up.
#include "tests/support/main_window_fixture.h"
#include "ui/toolkit.h"

#include <array>
#include <sstream>
#include <string>
#include <vector>

namespace {

using driver::Key;
using driver::Place;
using Toolkit = MainWindowTest;

// One user action after another, each followed by the one event it should
// raise (code 0: none), by the state of a gadget and by the gadget that then
// has the keyboard focus (-1: any). The program's own changes raise none.
TEST_F(Toolkit, EachUserActionRaisesOneEventTheProgramsOwnChangesNone) {
    using namespace driver;
    using namespace gadget;
    using enum Key;
    using ui::kChange, ui::kClick, ui::kFocus, ui::kFocusLost;
    constexpr int box = tickBox(4, 2), list = letterList(4), area = kResultText, z = letterList(25);
    constexpr int event = ui::kGadgetEvent;
    const struct {
        void (*act)();
        int code, source, type, gadget, state, focused = -1;
    } steps[] = {
        // Tab from nothing goes to the first stop, and Shift+Tab from there
        // wraps round to the last, the word list, and leaves it for Z's list.
        {[] { press(Tab), press(ShiftTab); }, event, area, kFocus, box, 0, area},
        {[] { press(ShiftTab); }, event, area, kFocusLost, box, 0, z},
        {[] { click(kParseButton); }, event, kParseButton, kClick, box, 0},
        // Hidden, a tick box keeps its tick and a click hits nothing.
        {[] { ui::setState(box, 7), click(box); }, 0, 0, 0, box, 1},
        {[] { ui::setHidden(box, 0), click(box); }, event, box, kClick, box, 0},
        {[] { focus(box), press(Space); }, event, box, kClick, box, 1},
        // Items stepped through in the open list are no choice until it
        // closes on one, and closing on the item it showed is none; Escape
        // puts back the item it opened on. In the closed list a step is one.
        {[] { focus(list), press(F4), press(Down), press(Esc); }, 0, 0, 0, list, 0},
        {[] { press(Down); }, event, list, kChange, list, 1},
        {[] { press(F4), press(Down), press(Down), press(Down); }, 0, 0, 0, box, 1},
        {[] { press(Return); }, event, list, kChange, list, 4},
        {[] { chooseItem(list, 4); }, 0, 0, 0, list, 4},
        {[] { chooseItem(list, 7); }, event, list, kChange, list, 7},
        {[] {
             ui::setState(letterList(2), 5), ui::setState(tickBox(2, 3), 1);
             ui::addItem(letterList(2), -1, u"extra"), ui::setText(area, u"CRANE   ");
             ui::setText(kCountLabel, u"A&B <b>x</b>"), ui::setHidden(tickBox(2, 3), 0);
             ui::setColour(letterLabel(2), ui::kBackground, 0x010203);
         },
         0, 0, 0, letterList(2), 5},
        {[] { focus(area); }, event, area, kFocus, list, 7},
        // Two identical reports in a row wait as one. Keys with Ctrl are the
        // word list's: undo, select all and copy; a Tab is typed there
        // (over the selection), and Shift+Tab leaves it.
        {[] { type(u"ab"); }, event, area, kChange, list, 7},
        {[] { press(CtrlZ), type(u"x"); }, event, area, kChange, list, 7},
        {[] { press(CtrlA), press(CtrlC), press(Tab); }, event, area, kChange, list, 7, area},
        {[] { press(ShiftTab); }, event, area, kFocusLost, list, 7, z},
        // Alt+Down opens the closed list: the step is no choice, Escape none.
        {[] { press(AltDown), press(Down), press(Esc); }, 0, 0, 0, z, 0, z},
        {[] { press(Tab); }, event, area, kFocus, list, 7, area},
        {[] { focus(kLoadButton); }, event, area, kFocusLost, list, 7},
        // A focused gadget that hides leaves nothing focused, and Shift+Tab
        // then goes to the last stop, the tick box shown above.
        {[] { ui::setHidden(box, 0), focus(box), ui::setHidden(box, 1); }, 0, 0, 0, box, 1, 0},
        {[] { press(ShiftTab); }, 0, 0, 0, box, 1, tickBox(2, 3)},
        {[] { requestClose(kMainWindow); }, ui::kCloseRequest, kMainWindow, 0, list, 7},
        {[] { click(kResetButton); }, event, kResetButton, kClick, list, 7},
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
        EXPECT_TRUE(step.focused < 0 || driver::focused() == step.focused) << driver::focused();
    }
    EXPECT_TRUE(driver::window(kMainWindow).shown); // the close box only asked
    EXPECT_EQ(ui::getState(tickBox(2, 3)), 1);      // set by the program, as a 1
    EXPECT_EQ(countLabelText(), u"A&B <b>x</b>");   // as shown: no mnemonic, no markup
    EXPECT_EQ((std::array{resultTextContent(), driver::clipboard()}),
              (std::array<std::u16string, 2>{u"\t", u"xCRANE   "}));
    // Typing goes on past the 32,767 characters where a rich edit stops by default.
    std::u16string lines;
    for (int i = 0; i < 300; ++i)
        lines += std::u16string(119, u'x') + u"\n";
    ui::setText(area, lines);
    driver::focus(area), driver::type(u"y");
    EXPECT_EQ(resultTextContent()[0], u'y');
}

// The items as the list shows them, each chosen in turn, up to the first
// index that chooses nothing.
std::vector<std::u16string> itemsShown(int list) {
    std::vector<std::u16string> shown;
    for (int i = 0; ui::setState(list, i), ui::getState(list) == i; ++i)
        shown.push_back(driver::text(list));
    return shown;
}

// The items of tests/support/layout.txt on every list, then every control
// at its place, with its text, alignment and face (bold for the letters, the
// load button's for the others), shown or not; no label coloured yet (each
// sits on the button face, in black), no item chosen, no tick box ticked.
TEST_F(Toolkit, TheWindowAtStart) {
    const driver::Font standard = driver::font(gadget::kLoadButton);
    EXPECT_FALSE(standard.bold);
    std::vector<std::u16string> items;
    for (const auto& row : readTable("tests/support/layout.txt")) {
        const int number = std::stoi(row[1]);
        const auto shown = [](const std::string& text) {
            return text == "-" ? u"" : std::u16string(text.begin(), text.end());
        };
        const auto has = [&](const char* look) { return row[4].find(look) != std::string::npos; };
        SCOPED_TRACE(number);
        if (row[0] == "item") {
            items.push_back(shown(row[2]));
            continue;
        }
        Place box;
        std::istringstream(row[2]) >> box.x >> box.y >> box.width >> box.height;
        if (row[0] == "window") {
            EXPECT_EQ(driver::window(number), (driver::WindowLook{true, true, true, true}));
            continue;
        }
        EXPECT_EQ(driver::place(number), box);
        EXPECT_EQ(driver::text(number), shown(row[3]));
        EXPECT_EQ(driver::shown(number), !has("hidden"));
        // A rich edit does not tell the font it was given.
        const bool plain = row[0] == "textarea" || driver::font(number) == standard;
        EXPECT_TRUE(has("bold") ? driver::font(number).bold : plain);
        EXPECT_EQ(ui::getState(number), 0);
        if (row[0] == "label") {
            EXPECT_EQ(driver::centred(number), has("centred"));
            EXPECT_EQ(driver::labelLook(number), (driver::Look{driver::buttonFace(), 0}));
        } else if (row[0] == "list") {
            EXPECT_EQ(itemsShown(number), items);
        }
    }
}

} // namespace
