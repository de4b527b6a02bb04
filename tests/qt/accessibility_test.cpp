// What a screen reader learns about the main window's controls through
// Qt's accessibility interfaces, which the platform's accessibility bridge
// (AT-SPI on Linux) hands on as they are.
#include "app/gadget_numbers.h"
#include "tests/support/main_window_fixture.h"
#include "ui/qt/gadget_record.h"
#include "ui/toolkit.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QPixmap>

#include <functional>
#include <vector>

namespace {

using Relations = QList<QPair<QAccessibleInterface*, QAccessible::Relation>>;

QString letter(int k) { return QString(QChar(u'A' + k)); }

// What every control of a range tells a screen reader; k is the letter row
// and p the yellow position where the range has them.
struct Expected {
    QAccessible::Role role;
    QString name;
    QString description;
    int labelledBy = 0; // the label that names the control, 0 for none
    int labels = 0;     // the control that this label names, 0 for none
};

struct ControlRange {
    int first;
    int last;
    std::function<Expected(int number)> expected;
};

const std::vector<ControlRange> kControls = {
    {gadget::kResultText, gadget::kResultText,
     [](int) {
         return Expected{QAccessible::EditableText, "Remaining words", ""};
     }},
    // On Linux a drop-down list's name is its selected item; it is named
    // for the screen reader by the label it is labelled by.
    {gadget::letterList(0), gadget::letterList(25),
     [](int number) {
         const int k = number - gadget::letterList(0);
         return Expected{QAccessible::ComboBox, "?", "What the game showed for letter " + letter(k),
                         gadget::letterLabel(k)};
     }},
    {gadget::letterLabel(0), gadget::letterLabel(25),
     [](int number) {
         const int k = number - gadget::letterLabel(0);
         return Expected{QAccessible::StaticText, letter(k), "", 0, gadget::letterList(k)};
     }},
    {gadget::kParseButton, gadget::kParseButton,
     [](int) {
         return Expected{QAccessible::Button, "Parse List", ""};
     }},
    {gadget::kLoadButton, gadget::kLoadButton,
     [](int) {
         return Expected{QAccessible::Button, "Load 'words.txt' List", ""};
     }},
    {gadget::kResetButton, gadget::kResetButton,
     [](int) {
         return Expected{QAccessible::Button, "Reset A-Z (below)", ""};
     }},
    {gadget::kCountLabel, gadget::kCountLabel,
     [](int) {
         return Expected{QAccessible::StaticText, "", ""};
     }},
    {gadget::kFirstTickBox, gadget::kLastTickBox,
     [](int number) {
         const int k = (number - gadget::kFirstTickBox) / gadget::kPositions;
         const int p = (number - gadget::kFirstTickBox) % gadget::kPositions + 1;
         return Expected{QAccessible::CheckBox,
                         letter(k) + " yellow at position " + QString::number(p), ""};
     }},
};

QAccessibleInterface* accessibleOf(int number) {
    return QAccessible::queryAccessibleInterface(widgetOf(number));
}

// The gadget numbers of the controls at the other end of a relation.
std::vector<int> related(QAccessibleInterface* control, QAccessible::Relation relation) {
    std::vector<int> numbers;
    const Relations relations = control->relations(relation);
    for (const auto& [other, kind] : relations) {
        for (int number = gadget::kResultText; number <= gadget::kLastTickBox; ++number) {
            if (other->object() == ui::gadgetWidget(number))
                numbers.push_back(number);
        }
    }
    return numbers;
}

std::vector<int> noneOr(int number) {
    return number == 0 ? std::vector<int>{} : std::vector<int>{number};
}

class AccessibilityTest : public MainWindowTest {};

TEST_F(AccessibilityTest, EveryControlTellsWhatItIsAndWhatNamesIt) {
    int checked = 0;
    for (const ControlRange& range : kControls) {
        for (int number = range.first; number <= range.last; ++number, ++checked) {
            const Expected expected = range.expected(number);
            QAccessibleInterface* control = accessibleOf(number);
            ASSERT_NE(control, nullptr) << number;
            EXPECT_EQ(control->role(), expected.role) << number;
            EXPECT_EQ(control->text(QAccessible::Name).toStdString(), expected.name.toStdString())
                << number;
            EXPECT_EQ(control->text(QAccessible::Description).toStdString(),
                      expected.description.toStdString())
                << number;
            EXPECT_EQ(related(control, QAccessible::Label), noneOr(expected.labelledBy)) << number;
            EXPECT_EQ(related(control, QAccessible::Labelled), noneOr(expected.labels)) << number;
        }
    }
    EXPECT_EQ(checked, 187);
}

TEST_F(AccessibilityTest, TheWindowIsAFrameNamedByItsTitle) {
    QWidget* window = ui::windowWidget(gadget::kMainWindow);
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(window);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->role(), QAccessible::Window);
    EXPECT_EQ(frame->text(QAccessible::Name), window->windowTitle());
    EXPECT_EQ(frame->childCount(), 187);
}

// Qt reports the label's new name to the accessibility bridge itself; the
// bridge is not active on the headless platform, so only the name is seen
// here (tests/smoke/accessibility_bus.sh reads the event on the real bus).
TEST_F(AccessibilityTest, TheCountIsReadAsItsText) {
    ui::setText(gadget::kCountLabel, u"Words: 12");
    EXPECT_EQ(accessibleOf(gadget::kCountLabel)->text(QAccessible::Name), "Words: 12");
}

// Names and relations are for the screen reader only: the window looks the
// same, pixel for pixel, whatever they are.
TEST_F(AccessibilityTest, NamesAndRelationsChangeNothingOnScreen) {
    for (int k = 0; k < gadget::kLetterCount; ++k)
        ui::setHidden(gadget::tickBox(k, 1), 0);
    QWidget* window = ui::windowWidget(gadget::kMainWindow);
    const QImage before = window->grab().toImage();
    for (int number = gadget::kResultText; number <= gadget::kLastTickBox; ++number) {
        ui::setAccessibleName(number, u"another name", u"another description");
        ui::setLabelledBy(number, gadget::kCountLabel);
    }
    QApplication::processEvents();
    EXPECT_EQ(window->grab().toImage(), before);
}

} // namespace
