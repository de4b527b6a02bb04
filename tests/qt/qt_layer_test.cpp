// What only the Qt toolkit layer shows: what screen readers are told, and
// the result area's wrap and keys.
#include "tests/support/main_window_fixture.h"
#include "ui/toolkit.h"

#include <QAccessible>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

namespace {

using namespace gadget;

QWidget* mainWindow() { return static_cast<QWidget*>(ui::core::nativeWindow(kMainWindow)); }
QWidget* widget(int number) { return static_cast<QWidget*>(ui::core::nativeGadget(number)); }

class QtLayerTest : public MainWindowTest {};

// What a screen reader is told of the controls that do not name themselves
// by their text: role, name, description, and the label it follows. A list
// is named by its item, so its letter comes through its label.
TEST_F(QtLayerTest, ScreenReadersHearTheControlsNamed) {
    const struct {
        QObject* object;
        QAccessible::Role role;
        QString name, description, label;
    } expected[] = {
        {mainWindow(), QAccessible::Window,
         "Larkspin V1.EXE by the Larkspin developers (https://larkspin.example)", "", ""},
        {widget(kResultText), QAccessible::EditableText, "Remaining words", "", ""},
        {widget(letterList(0)), QAccessible::ComboBox, "?", "What the game showed for letter A",
         "A"},
        {widget(tickBox(0, 1)), QAccessible::CheckBox, "A yellow at position 1", "", ""},
    };
    for (const auto& control : expected) {
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(control.object);
        const auto labels = node->relations(QAccessible::Label);
        EXPECT_EQ(node->role(), control.role) << control.name.toStdString();
        EXPECT_EQ(node->text(QAccessible::Name), control.name);
        EXPECT_EQ(node->text(QAccessible::Description), control.description);
        EXPECT_EQ(labels.isEmpty() ? "" : labels[0].first->text(QAccessible::Name), control.label);
    }
}

// The result area wraps its lines, so a long line needs no sideways
// scrolling; and keys with Ctrl are its own, not the window's: Ctrl+A selects
// all.
TEST_F(QtLayerTest, TheResultAreaWrapsAndTakesCtrlKeys) {
    ui::setText(kResultText, QString("CRANE   ").repeated(500).toStdU16String());
    driver::settle();
    auto* area = static_cast<QPlainTextEdit*>(widget(kResultText));
    EXPECT_EQ(area->horizontalScrollBar()->maximum(), 0);
    QTest::keyClick(area, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(area->textCursor().selectedText().size(), 4000);
}

} // namespace
