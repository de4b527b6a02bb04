// Gadget states, label colours, fonts and keyboard focus.
#include "tests/support/main_window_fixture.h"
#include "ui/toolkit.h"

namespace {

using driver::Key;
using ToolkitGadgets = MainWindowTest;

TEST_F(ToolkitGadgets, DropDownListSelection) {
    const int list = 300;
    ASSERT_NE(ui::newDropDownList(list, 400, 5, 100, 21), 0);
    ui::addItem(list, -1, u"b");
    ui::addItem(list, 0, u"a");
    ui::addItem(list, 99, u"c");       // past the end: appended
    EXPECT_EQ(ui::getState(list), -1); // items alone select nothing
    EXPECT_EQ(driver::items(list), (std::vector<std::u16string>{u"a", u"b", u"c"}));
    ui::setState(list, 2);
    EXPECT_EQ(ui::getState(list), 2);
    ui::setState(list, 3); // outside the list: nothing selected
    EXPECT_EQ(ui::getState(list), -1);
}

TEST_F(ToolkitGadgets, NumbersWithoutGadgetOrStateDoNothingAndReadZero) {
    for (int number : {0, 1, 189, -7}) {
        ui::setState(number, 1);
        ui::setText(number, u"x");
        ui::setHidden(number, 1);
        ui::setColour(number, ui::kBackground, 0);
        ui::setFont(number, 256);
        ui::addItem(number, -1, u"x");
        ui::removeAllItems(number);
        EXPECT_EQ(ui::getState(number), 0);
    }
    for (int number : {gadget::kCountLabel, gadget::kResultText, gadget::kLoadButton})
        EXPECT_EQ(ui::getState(number), 0) << number;
}

TEST_F(ToolkitGadgets, SetTextReplacesTheWholeTextLiterally) {
    ui::setText(gadget::kResultText, u"CRANE   SLATE   ");
    ui::setText(gadget::kResultText, u"TRACE   ");
    EXPECT_EQ(resultTextContent(), u"TRACE   ");
    ui::setText(gadget::kResultText, u"");
    EXPECT_EQ(resultTextContent(), u"");
    ui::setText(gadget::kCountLabel, u"A&B <b>x</b>");
    EXPECT_EQ(countLabelText(), u"A&B <b>x</b>"); // as shown: no mnemonic, no markup
}

// Fill and text colour, packed 0x00BBGGRR.
TEST_F(ToolkitGadgets, LabelColours) {
    const int label = gadget::letterLabel(0);
    ui::setColour(label, ui::kBackground, 0x58B4C9);
    EXPECT_EQ(driver::labelLook(label), (driver::Look{0x58B4C9, 0})); // text defaults to black
    ui::setColour(label, ui::kForeground, 0xFFFFFF);
    EXPECT_EQ(driver::labelLook(label), (driver::Look{0x58B4C9, 0xFFFFFF}));
    // A text colour alone sits on the button face.
    ui::setColour(label, ui::kForeground, ui::rgb(200, 0, 0));
    ui::setColour(label, ui::kBackground, ui::kNoColour);
    EXPECT_EQ(driver::labelLook(label), (driver::Look{driver::buttonFace(), ui::rgb(200, 0, 0)}));

    // With no colour left a label looks as it did at creation.
    const int plain = gadget::letterLabel(1);
    const driver::Look before = driver::labelLook(plain);
    ui::setColour(plain, ui::kBackground, ui::rgb(1, 2, 3));
    ui::setColour(plain, ui::kBackground, ui::kNoColour);
    EXPECT_EQ(driver::labelLook(plain), before);
}

TEST_F(ToolkitGadgets, BrushesFollowTheDistinctBackgroundsInUse) {
    const int colours[] = {0xEDEFF1, 0x7E7C78, 0x58B4C9, 0x64AA6A};
    for (int round = 0; round < 50; ++round) {
        for (int k = 0; k < gadget::kLetterCount; ++k)
            ui::setColour(gadget::letterLabel(k), ui::kBackground, colours[(k + round) % 4]);
    }
    EXPECT_EQ(driver::liveBrushes(), 4);
    for (int k = 0; k < gadget::kLetterCount; ++k)
        ui::setColour(gadget::letterLabel(k), ui::kBackground, colours[1]);
    EXPECT_EQ(driver::liveBrushes(), 1);
    ui::closeToolkit(); // destroying the labels gives their brushes back
    EXPECT_EQ(driver::liveBrushes(), 0);
    ui::initToolkit();
}

TEST_F(ToolkitGadgets, LetterLabelsUseTheBoldStockFaceOthersTheDefault) {
    const driver::Font standard = driver::font(gadget::kLoadButton);
    EXPECT_FALSE(standard.bold);
    for (int k = 0; k < gadget::kLetterCount; ++k)
        EXPECT_TRUE(driver::font(gadget::letterLabel(k)).bold) << k;
    for (int number :
         {gadget::kCountLabel, gadget::letterList(25), gadget::kResultText, gadget::tickBox(25, 5)})
        EXPECT_EQ(driver::font(number), standard) << number;
}

// --- keyboard focus ---

using KeyboardFocus = MainWindowTest;

int pressing(Key key) {
    driver::press(key);
    return driver::focused();
}

// Buttons, lists, the text area: creation order, labels skipped; a plain
// Tab is typed into the text area, Shift+Tab leaves it; hidden tick boxes
// are skipped, shown ones are not, and the walk wraps.
TEST_F(KeyboardFocus, TabAndShiftTabWalkTheVisibleGadgetsInCreationOrder) {
    EXPECT_EQ(driver::focused(), 0); // nothing focused at first
    std::vector<int> order = {gadget::kLoadButton, gadget::kParseButton, gadget::kResetButton};
    for (int k = 0; k < gadget::kLetterCount; ++k)
        order.push_back(gadget::letterList(k));
    order.push_back(gadget::kResultText);
    for (int number : order)
        EXPECT_EQ(pressing(Key::Tab), number);
    EXPECT_EQ(pressing(Key::Tab), gadget::kResultText);
    EXPECT_EQ(resultTextContent(), driver::typingBlocked() ? u"" : u"\t");
    EXPECT_EQ(pressing(Key::ShiftTab), gadget::letterList(25));

    for (int p = 1; p <= 5; ++p)
        ui::setHidden(gadget::tickBox(4, p), 0);
    driver::focus(gadget::kLoadButton);
    EXPECT_EQ(pressing(Key::ShiftTab), gadget::tickBox(4, 5));
    EXPECT_EQ(pressing(Key::Tab), gadget::kLoadButton);
}

TEST_F(KeyboardFocus, ShiftTabFromNothingTakesTheLastFocusComesBackToTheWindow) {
    EXPECT_EQ(pressing(Key::ShiftTab), gadget::kResultText);
    EXPECT_EQ(pressing(Key::ShiftTab), gadget::letterList(25));
    driver::switchAwayAndBack(gadget::kMainWindow);
    EXPECT_EQ(driver::focused(), gadget::letterList(25));
}

} // namespace
