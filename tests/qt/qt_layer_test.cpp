// What only the Qt toolkit layer shows: the controls as a screen reader reads
// them through Qt's accessibility interfaces (which the AT-SPI bridge hands on
// as they are), tick boxes under the mouse and the keyboard, and maximising.
#include "app/gadget_numbers.h"
#include "tests/support/main_window_fixture.h"
#include "ui/qt/gadget_record.h"
#include "ui/toolkit.h"

#include <QAccessible>
#include <QImage>
#include <QPixmap>
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

QString letter(int k) { return QChar(u'A' + k); }

std::string expectedFor(int number) {
    const int list = number - kFirstLetterList, label = number - kFirstLetterLabel;
    const int box = number - kFirstTickBox;
    const char* const buttons[] = {"Parse List", "Load 'words.txt' List", "Reset A-Z (below)"};
    if (number == kMainWindow)
        return said(QAccessible::Window, mainWindow()->windowTitle());
    if (number == kResultText)
        return said(QAccessible::EditableText, "Remaining words");
    if (number < kFirstLetterLabel) // a list's name is its selected item
        return said(QAccessible::ComboBox, "?", "What the game showed for letter " + letter(list)) +
               " labelled by " + std::to_string(letterLabel(list));
    if (number < kParseButton)
        return said(QAccessible::StaticText, letter(label)) + " labels " +
               std::to_string(letterList(label));
    if (number < kCountLabel)
        return said(QAccessible::Button, buttons[number - kParseButton]);
    if (number == kCountLabel)
        return said(QAccessible::StaticText, "Words: 12");
    return said(QAccessible::CheckBox, letter(box / kPositions) + " yellow at position " +
                                           QString::number(box % kPositions + 1));
}

class QtLayerTest : public MainWindowTest {};

TEST_F(QtLayerTest, AScreenReaderTellsTheWindowAndAll187ControlsApart) {
    ui::setText(kCountLabel, u"Words: 12");
    for (int number = kMainWindow; number <= kLastTickBox; ++number) {
        QWidget* widget = number == kMainWindow ? mainWindow() : ui::gadgetWidget(number);
        EXPECT_EQ(heard(widget), expectedFor(number)) << number;
    }
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

// Maximised, every control stays where it was; restored, or dragged to
// another size on its sizing border, the window takes back 625 x 770.
TEST_F(QtLayerTest, MaximisingMovesNoControlAndTheSizeComesBack) {
    const QRect controlArea(0, 0, 625, 770);
    const QImage controls = mainWindow()->grab(controlArea).toImage();
    mainWindow()->showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([] { return mainWindow()->width() > 625; }));
    EXPECT_TRUE(mainWindow()->grab(controlArea).toImage() == controls);
    mainWindow()->showNormal();
    EXPECT_TRUE(QTest::qWaitFor([] { return mainWindow()->size() == QSize(625, 770); }));
    mainWindow()->resize(800, 900);
    EXPECT_TRUE(QTest::qWaitFor([] { return mainWindow()->size() == QSize(625, 770); }));
}

} // namespace
