// The main window as it stands right after start-up.
#include "app/gadget_numbers.h"
#include "app/main_window.h"
#include "tests/support/main_window_fixture.h"
#include "ui/gadget_record.h"
#include "ui/toolkit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRect>

#include <vector>

namespace {

class LayoutTest : public MainWindowTest {};

QRect placeOf(int number) {
    return widgetOf(number)->geometry();
}

TEST_F(LayoutTest, WindowHasItsTitleSizeAndPlace) {
    QWidget* window = ui::windowWidget(gadget::kMainWindow);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->size(), QSize(625, 770));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()); // no sizing border
    EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(20, 20));
    EXPECT_TRUE(window->windowTitle().startsWith("Larkspin V1.EXE by "));
    EXPECT_TRUE(window->windowTitle().endsWith(")"));
    EXPECT_FALSE(window->windowIcon().isNull());
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
}

TEST_F(LayoutTest, EveryGadgetNumberNamesItsKindOfControl) {
    int gadgets = 0;
    for (int number = 0; number <= 400; ++number) {
        if (ui::gadgetWidget(number))
            ++gadgets;
    }
    EXPECT_EQ(gadgets, 187);
    EXPECT_TRUE(qobject_cast<QPushButton*>(widgetOf(55)));
    EXPECT_TRUE(qobject_cast<QPushButton*>(widgetOf(56)));
    EXPECT_TRUE(qobject_cast<QPushButton*>(widgetOf(57)));
    EXPECT_TRUE(qobject_cast<QLabel*>(widgetOf(58)));
    for (int k = 0; k < 26; ++k) {
        EXPECT_TRUE(qobject_cast<QComboBox*>(widgetOf(3 + k)));
        EXPECT_TRUE(qobject_cast<QLabel*>(widgetOf(29 + k)));
    }
    for (int number = 59; number <= 188; ++number)
        EXPECT_TRUE(qobject_cast<QCheckBox*>(widgetOf(number))) << number;
}

TEST_F(LayoutTest, ButtonsAndTheirTexts) {
    EXPECT_EQ(placeOf(56), QRect(40, 25, 150, 21));
    EXPECT_EQ(placeOf(55), QRect(40, 50, 150, 21));
    EXPECT_EQ(placeOf(57), QRect(40, 75, 150, 21));
    EXPECT_EQ(static_cast<QPushButton*>(widgetOf(56))->text(), "Load 'words.txt' List");
    EXPECT_EQ(static_cast<QPushButton*>(widgetOf(55))->text(), "Parse List");
    EXPECT_EQ(static_cast<QPushButton*>(widgetOf(57))->text(), "Reset A-Z (below)");
    EXPECT_EQ(placeOf(58), QRect(325, 25, 150, 21));
    EXPECT_EQ(placeOf(2), QRect(325, 50, 280, 700));
}

TEST_F(LayoutTest, FirstAndLastLetterRows) {
    EXPECT_EQ(placeOf(3), QRect(40, 100, 150, 21));
    EXPECT_EQ(placeOf(29), QRect(10, 100, 25, 21));
    EXPECT_EQ(static_cast<QLabel*>(widgetOf(29))->text(), "A");
    for (int p = 0; p < 5; ++p)
        EXPECT_EQ(placeOf(59 + p), QRect(200 + 25 * p, 100, 25, 21));

    EXPECT_EQ(placeOf(28), QRect(40, 725, 150, 21));
    EXPECT_EQ(placeOf(54), QRect(10, 725, 25, 21));
    EXPECT_EQ(static_cast<QLabel*>(widgetOf(54))->text(), "Z");
    for (int p = 0; p < 5; ++p)
        EXPECT_EQ(placeOf(184 + p), QRect(200 + 25 * p, 725, 25, 21));
    EXPECT_LE(placeOf(54).bottom(), 770);
    EXPECT_EQ(placeOf(2).y() + placeOf(2).height(), 750);
}

TEST_F(LayoutTest, NoTwoControlsOverlap) {
    std::vector<int> numbers;
    for (int number = 2; number <= 188; ++number)
        numbers.push_back(number);
    const QRect client(0, 0, 625, 770);
    for (size_t i = 0; i < numbers.size(); ++i) {
        const QRect a = placeOf(numbers[i]);
        EXPECT_TRUE(client.contains(a)) << numbers[i];
        for (size_t j = i + 1; j < numbers.size(); ++j)
            EXPECT_FALSE(a.intersects(placeOf(numbers[j]))) << numbers[i] << " and " << numbers[j];
    }
    // The fifth tick box and the text area touch.
    EXPECT_EQ(placeOf(63).x() + placeOf(63).width(), placeOf(2).x());
}

TEST_F(LayoutTest, LettersAreCentredAndTheCountLeftAligned) {
    EXPECT_TRUE(static_cast<QLabel*>(widgetOf(29))->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(static_cast<QLabel*>(widgetOf(58))->alignment() & Qt::AlignLeft);
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
        EXPECT_EQ(list->currentText(), "?");
        EXPECT_FALSE(widgetOf(gadget::letterLabel(k))->autoFillBackground());
    }
    for (int number = 59; number <= 188; ++number) {
        EXPECT_FALSE(widgetOf(number)->isVisible()) << number;
        EXPECT_EQ(ui::getState(number), 0) << number;
    }
    EXPECT_EQ(countLabelText(), u"");
    EXPECT_EQ(resultTextContent(), u"");
    EXPECT_EQ(ui::detail::pendingEventCount(), 0);
}

} // namespace
