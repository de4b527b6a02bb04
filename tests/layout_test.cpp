// The main window as it stands right after start-up.
#include "tests/support/main_window_fixture.h"
#include "ui/toolkit.h"

namespace {

using Layout = MainWindowTest;

TEST_F(Layout, WindowHasItsTitleSizeAndPlace) {
    const driver::WindowLook window = driver::window(gadget::kMainWindow);
    EXPECT_TRUE(window.shown);
    EXPECT_EQ(window.clientWidth, 625);
    EXPECT_EQ(window.clientHeight, 770);
    EXPECT_EQ(window.frameX, 20);
    EXPECT_EQ(window.frameY, 20);
    EXPECT_TRUE(window.fixedSize);
    EXPECT_TRUE(window.maximiseBox);
    EXPECT_GE(window.iconSize, 32);
    EXPECT_EQ(window.title.rfind(u"Larkspin V1.EXE by ", 0), 0u);
    EXPECT_EQ(window.title.back(), u')');
}

// Number, x, y, width, height and text: the buttons, the count, the result
// area and rows A and Z; the rows between follow from the no-overlap test.
TEST_F(Layout, PlacesAndTexts) {
    const struct {
        int number;
        driver::Place place;
        std::u16string text;
    } expected[] = {
        {56, {40, 25, 150, 21}, u"Load 'words.txt' List"},
        {55, {40, 50, 150, 21}, u"Parse List"},
        {57, {40, 75, 150, 21}, u"Reset A-Z (below)"},
        {58, {325, 25, 150, 21}, u""},
        {2, {325, 50, 280, 700}, u""},
        {3, {40, 100, 150, 21}, u"?"},
        {29, {10, 100, 25, 21}, u"A"},
        {59, {200, 100, 25, 21}, u""},
        {63, {300, 100, 25, 21}, u""},
        {28, {40, 725, 150, 21}, u"?"},
        {54, {10, 725, 25, 21}, u"Z"},
        {184, {200, 725, 25, 21}, u""},
        {188, {300, 725, 25, 21}, u""},
    };
    for (const auto& control : expected) {
        EXPECT_EQ(driver::place(control.number), control.place) << control.number;
        EXPECT_EQ(driver::text(control.number), control.text) << control.number;
    }
}

bool overlap(const driver::Place& a, const driver::Place& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

TEST_F(Layout, All187ControlsFitTheClientAreaWithoutOverlapping) {
    int count = 0;
    for (int number = 0; number <= 400; ++number)
        count += driver::exists(number);
    EXPECT_EQ(count, 187);
    std::vector<driver::Place> places;
    for (int number = 2; number <= 188; ++number)
        places.push_back(driver::place(number));
    for (size_t a = 0; a < places.size(); ++a) {
        const driver::Place& p = places[a];
        EXPECT_TRUE(p.x >= 0 && p.y >= 0 && p.x + p.width <= 625 && p.y + p.height <= 770) << a + 2;
        for (size_t b = a + 1; b < places.size(); ++b)
            EXPECT_FALSE(overlap(p, places[b])) << a + 2 << " and " << b + 2;
    }
}

TEST_F(Layout, InitialStates) {
    const char16_t* items[] = {u"?",           u"Not Present (Grey)", u"Used (Yellow)",
                               u"1st (Green)", u"2nd (Green)",        u"3rd (Green)",
                               u"4th (Green)", u"5th (Green)"};
    const driver::Look plain = driver::labelLook(gadget::kCountLabel);
    for (int k = 0; k < gadget::kLetterCount; ++k) {
        ASSERT_EQ(driver::itemCount(gadget::letterList(k)), 8);
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(driver::itemText(gadget::letterList(k), i), items[i]);
        EXPECT_EQ(ui::getState(gadget::letterList(k)), 0);
        EXPECT_EQ(driver::labelLook(gadget::letterLabel(k)), plain) << k; // no colour yet
    }
    for (int number = gadget::kFirstTickBox; number <= gadget::kLastTickBox; ++number) {
        EXPECT_FALSE(driver::shown(number)) << number;
        EXPECT_EQ(ui::getState(number), 0) << number;
    }
}

} // namespace
