// The main window as it stands right after start-up.
#include "app/gadget_numbers.h"
#include "tests/support/main_window_fixture.h"
#include "ui/qt/gadget_record.h"
#include "ui/toolkit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>

namespace {

class LayoutTest : public MainWindowTest {};

QRect placeOf(int number) { return widgetOf(number)->geometry(); }
QString textOf(int number) {
    if (auto* label = qobject_cast<QLabel*>(widgetOf(number)))
        return label->text();
    return static_cast<QAbstractButton*>(widgetOf(number))->text();
}

TEST_F(LayoutTest, WindowHasItsTitleSizeAndPlace) {
    QWidget* window = ui::windowWidget(gadget::kMainWindow);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->size(), QSize(625, 770));
    EXPECT_EQ(window->minimumSize(), QSize(625, 770)); // never smaller, yet maximisable
    EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(20, 20));
    EXPECT_TRUE(window->windowTitle().startsWith("Larkspin V1.EXE by "));
    EXPECT_TRUE(window->windowTitle().endsWith(")"));
    EXPECT_EQ(window->windowIcon().availableSizes().value(0), QSize(64, 64));
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
}

// Number, x, y, width, height: the buttons, the count, the result area and
// rows A and Z; the rows between follow from the no-overlap test.
TEST_F(LayoutTest, PlacesAndTexts) {
    const int expected[][5] = {
        {56, 40, 25, 150, 21},   {55, 40, 50, 150, 21},  {57, 40, 75, 150, 21},
        {58, 325, 25, 150, 21},  {2, 325, 50, 280, 700}, {3, 40, 100, 150, 21},
        {29, 10, 100, 25, 21},   {59, 200, 100, 25, 21}, {63, 300, 100, 25, 21},
        {28, 40, 725, 150, 21},  {54, 10, 725, 25, 21},  {184, 200, 725, 25, 21},
        {188, 300, 725, 25, 21},
    };
    for (const auto& control : expected)
        EXPECT_EQ(placeOf(control[0]), QRect(control[1], control[2], control[3], control[4]))
            << control[0];
    EXPECT_EQ(textOf(56), "Load 'words.txt' List");
    EXPECT_EQ(textOf(55), "Parse List");
    EXPECT_EQ(textOf(57), "Reset A-Z (below)");
    EXPECT_EQ(textOf(29), "A");
    EXPECT_EQ(textOf(54), "Z");
}

TEST_F(LayoutTest, All187ControlsFitTheClientAreaWithoutOverlapping) {
    int count = 0;
    for (int number = 0; number <= 400; ++number)
        count += ui::gadgetWidget(number) != nullptr;
    EXPECT_EQ(count, 187);
    const QRect client(0, 0, 625, 770);
    for (int a = 2; a <= 188; ++a) {
        EXPECT_TRUE(client.contains(placeOf(a))) << a;
        for (int b = a + 1; b <= 188; ++b)
            EXPECT_FALSE(placeOf(a).intersects(placeOf(b))) << a << " and " << b;
    }
    EXPECT_EQ(placeOf(63).right() + 1, placeOf(2).left()); // they touch
}

TEST_F(LayoutTest, InitialStates) {
    const char* items[] = {"?",           "Not Present (Grey)", "Used (Yellow)", "1st (Green)",
                           "2nd (Green)", "3rd (Green)",        "4th (Green)",   "5th (Green)"};
    for (int k = 0; k < 26; ++k) {
        auto* list = static_cast<QComboBox*>(widgetOf(gadget::letterList(k)));
        ASSERT_EQ(list->count(), 8);
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(list->itemText(i), items[i]);
        EXPECT_EQ(ui::getState(gadget::letterList(k)), 0);
        EXPECT_FALSE(widgetOf(gadget::letterLabel(k))->autoFillBackground());
    }
    for (int number = 59; number <= 188; ++number) {
        EXPECT_FALSE(widgetOf(number)->isVisible()) << number;
        EXPECT_EQ(ui::getState(number), 0) << number;
    }
    EXPECT_EQ(countLabelText(), u"");
    EXPECT_EQ(resultTextContent(), u"");
}

} // namespace
