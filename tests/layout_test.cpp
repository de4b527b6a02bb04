// The main window as it stands right after start-up.
#include "tests/support/main_window_fixture.h"
#include "ui/toolkit.h"

namespace {

using driver::Place;
using Layout = MainWindowTest;

TEST_F(Layout, WindowHasItsTitleSizeAndPlace) {
    const driver::WindowLook window = driver::window(gadget::kMainWindow);
    EXPECT_TRUE(window.shown && window.fixedSize && window.maximiseBox);
    EXPECT_EQ(window.client, (Place{0, 0, 625, 770}));
    EXPECT_EQ(window.frame.x, 20);
    EXPECT_EQ(window.frame.y, 20);
    EXPECT_GE(window.iconSize, 32);
    EXPECT_EQ(window.title.rfind(u"Larkspin V1.EXE by ", 0), 0u);
    EXPECT_EQ(window.title.back(), u')');
}

// The buttons, the count, the result area and rows A and Z; the rows between
// follow from the no-overlap test.
TEST_F(Layout, PlacesAndTexts) {
    const struct {
        int number;
        Place place;
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

TEST_F(Layout, All187ControlsFitTheClientAreaWithoutOverlapping) {
    int count = 0;
    for (int number = 0; number <= 400; ++number)
        count += driver::exists(number);
    EXPECT_EQ(count, 187);
    std::vector<Place> places;
    for (int number = 2; number <= 188; ++number)
        places.push_back(driver::place(number));
    for (size_t a = 0; a < places.size(); ++a) {
        const Place& p = places[a];
        EXPECT_TRUE(p.x >= 0 && p.y >= 0 && p.x + p.width <= 625 && p.y + p.height <= 770) << a + 2;
        for (size_t b = a + 1; b < places.size(); ++b) {
            const Place& q = places[b];
            EXPECT_FALSE(p.x < q.x + q.width && q.x < p.x + p.width && p.y < q.y + q.height &&
                         q.y < p.y + p.height)
                << a + 2 << " and " << b + 2;
        }
    }
}

TEST_F(Layout, InitialStates) {
    const std::vector<std::u16string> items = {
        u"?",           u"Not Present (Grey)", u"Used (Yellow)", u"1st (Green)",
        u"2nd (Green)", u"3rd (Green)",        u"4th (Green)",   u"5th (Green)"};
    const driver::Look plain = driver::labelLook(gadget::kCountLabel);
    for (int k = 0; k < gadget::kLetterCount; ++k) {
        EXPECT_EQ(driver::items(gadget::letterList(k)), items) << k;
        EXPECT_EQ(ui::getState(gadget::letterList(k)), 0);
        EXPECT_EQ(driver::labelLook(gadget::letterLabel(k)), plain) << k; // no colour yet
    }
    for (int number = gadget::kFirstTickBox; number <= gadget::kLastTickBox; ++number) {
        EXPECT_FALSE(driver::shown(number)) << number;
        EXPECT_EQ(ui::getState(number), 0) << number;
    }
}

} // namespace
