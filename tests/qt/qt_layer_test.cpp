// What only the Qt toolkit layer shows: the controls as a screen reader reads
// them through Qt's accessibility interfaces (which the AT-SPI bridge hands on
// as they are), and tick boxes under the mouse and the keyboard.
#include "app/gadget_numbers.h"
#include "tests/support/main_window_fixture.h"
#include "ui/qt/gadget_record.h"
#include "ui/toolkit.h"

#include <QAccessible>
#include <QTest>
#include <QWindow>

#include <string>

namespace {

using namespace gadget;

QWidget* mainWindow() { return ui::windowWidget(kMainWindow); }

std::string said(QAccessible::Role role, const QString& name, const QString& description = "") {
    return QString("role %1 '%2' '%3'").arg(int(role)).arg(name, description).toStdString();
}

// Role, name and description, and the controls at the other end of its
// labelled-by and label-for relations, by number.
std::string heard(QWidget* widget) {
    QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
    std::string heard = said(control->role(), control->text(QAccessible::Name),
                             control->text(QAccessible::Description));
    for (const auto& [other, relation] : control->relations()) {
        for (int number = kResultText; number <= kLastTickBox; ++number) {
            if (other->object() == ui::gadgetWidget(number))
                heard += (relation == QAccessible::Label ? " labelled by " : " labels ") +
                         std::to_string(number);
        }
    }
    return heard;
}

class QtLayerTest : public MainWindowTest {};

// One control of each kind, at both ends of the rows where there are rows.
TEST_F(QtLayerTest, AScreenReaderTellsTheControlsApart) {
    ui::setText(kCountLabel, u"Words: 12");
    using enum QAccessible::Role;
    const std::pair<int, std::string> expected[] = {
        {kResultText, said(EditableText, "Remaining words")},
        {letterList(0),
         said(ComboBox, "?", "What the game showed for letter A") + " labelled by 29"},
        {letterList(25),
         said(ComboBox, "?", "What the game showed for letter Z") + " labelled by 54"},
        {letterLabel(0), said(StaticText, "A") + " labels 3"},
        {letterLabel(25), said(StaticText, "Z") + " labels 28"},
        {kParseButton, said(Button, "Parse List")},
        {kLoadButton, said(Button, "Load 'words.txt' List")},
        {kResetButton, said(Button, "Reset A-Z (below)")},
        {kCountLabel, said(StaticText, "Words: 12")},
        {tickBox(0, 1), said(CheckBox, "A yellow at position 1")},
        {tickBox(4, 2), said(CheckBox, "E yellow at position 2")},
        {kLastTickBox, said(CheckBox, "Z yellow at position 5")},
    };
    for (const auto& [number, reading] : expected)
        EXPECT_EQ(heard(ui::gadgetWidget(number)), reading) << number;
    EXPECT_EQ(heard(mainWindow()), said(Window, mainWindow()->windowTitle()));
}

// The whole 25 x 21 box takes a click, which raises one click event; the box
// takes the focus, and gives it up when it hides, so that Space reaches no
// hidden control.
TEST_F(QtLayerTest, ATickBoxTakesClicksAnywhereAndNoKeysOnceHidden) {
    const int box = tickBox(4, 2);
    ui::setHidden(box, 0);
    const QRect place = ui::gadgetWidget(box)->geometry();
    int ticked = 0;
    for (const QPoint& corner :
         {place.topLeft(), place.topRight(), place.bottomLeft(), place.bottomRight()}) {
        QTest::mouseClick(mainWindow()->windowHandle(), Qt::LeftButton, {}, corner);
        EXPECT_EQ(ui::getState(box), ticked = 1 - ticked) << corner.x() << "," << corner.y();
        ASSERT_EQ(ui::detail::pendingEventCount(), 1) << corner.x() << "," << corner.y();
        EXPECT_EQ(ui::nextEvent(), ui::kGadgetEvent);
        EXPECT_EQ(std::pair(ui::eventSource(), ui::eventType()), std::pair(box, ui::kClick));
    }
    ASSERT_EQ(mainWindow()->focusWidget(), ui::gadgetWidget(box));
    ui::setHidden(box, 1);
    QTest::keyClick(mainWindow()->windowHandle(), Qt::Key_Space);
    EXPECT_EQ(ui::detail::pendingEventCount(), 0);
    EXPECT_EQ(ui::getState(box), 0);
}

} // namespace
