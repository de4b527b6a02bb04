// Gadget states, label colours, fonts and keyboard focus.
#include "app/gadget_numbers.h"
#include "tests/support/main_window_fixture.h"
#include "ui/gadget_record.h"
#include "ui/toolkit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

namespace {

class ToolkitGadgetsTest : public MainWindowTest {};

TEST_F(ToolkitGadgetsTest, DropDownListState) {
    const int list = 300;
    ASSERT_NE(ui::newDropDownList(list, 400, 5, 100, 21), 0);
    ui::addItem(list, -1, u"b");
    ui::addItem(list, 0, u"a");
    ui::addItem(list, 99, u"c"); // past the end: appended
    // Items just added leave the list without a selection.
    EXPECT_EQ(ui::getState(list), -1);
    auto* combo = static_cast<QComboBox*>(widgetOf(list));
    EXPECT_EQ(combo->itemText(0), "a");
    EXPECT_EQ(combo->itemText(2), "c");
    ui::setState(list, 0);
    EXPECT_EQ(ui::getState(list), 0);
    ui::setState(list, 2);
    EXPECT_EQ(ui::getState(list), 2);
    ui::setState(list, 3); // outside the list: nothing selected
    EXPECT_EQ(ui::getState(list), -1);
}

TEST_F(ToolkitGadgetsTest, TickBoxKeepsItsTickWhileHidden) {
    const int box = gadget::tickBox(7, 3);
    ui::setState(box, 1);
    EXPECT_EQ(ui::getState(box), 1);
    ui::setHidden(box, 1);
    EXPECT_EQ(ui::getState(box), 1);
    ui::setHidden(box, 0);
    EXPECT_TRUE(widgetOf(box)->isVisible());
    EXPECT_TRUE(static_cast<QCheckBox*>(widgetOf(box))->isChecked());
    ui::setState(box, 7); // any non-zero value ticks
    EXPECT_EQ(ui::getState(box), 1);
    ui::setState(box, 0);
    EXPECT_EQ(ui::getState(box), 0);
}

TEST_F(ToolkitGadgetsTest, KindsWithoutStateReadZero) {
    EXPECT_EQ(ui::getState(gadget::kCountLabel), 0);
    EXPECT_EQ(ui::getState(gadget::kResultText), 0);
    EXPECT_EQ(ui::getState(gadget::kLoadButton), 0);
}

TEST_F(ToolkitGadgetsTest, NumbersWithoutGadgetDoNothing) {
    for (int number : {0, 1, 189, 5000, -7}) {
        ui::setState(number, 1);
        ui::setText(number, u"x");
        ui::setHidden(number, 1);
        ui::setColour(number, ui::kBackground, 0);
        ui::setFont(number, 256);
        ui::addItem(number, -1, u"x");
        ui::removeAllItems(number);
        EXPECT_EQ(ui::getState(number), 0);
        EXPECT_EQ(ui::gadgetWidget(number), nullptr);
    }
    EXPECT_EQ(ui::detail::pendingEventCount(), 0);
}

TEST_F(ToolkitGadgetsTest, SetTextReplacesTheWholeTextArea) {
    ui::setText(gadget::kResultText, u"CRANE   SLATE   ");
    EXPECT_EQ(resultTextContent(), u"CRANE   SLATE   ");
    ui::setText(gadget::kResultText, u"TRACE   ");
    EXPECT_EQ(resultTextContent(), u"TRACE   ");
    ui::setText(gadget::kResultText, u"");
    EXPECT_EQ(resultTextContent(), u"");
    // Labels show ampersands literally.
    ui::setText(gadget::kCountLabel, u"A&B <b>x</b>");
    EXPECT_EQ(countLabelText(), u"A&B <b>x</b>");
    EXPECT_EQ(static_cast<QLabel*>(widgetOf(gadget::kCountLabel))->textFormat(), Qt::PlainText);
}

// --- label colours ---

QColor fillOf(int number) {
    return static_cast<QLabel*>(widgetOf(number))->palette().color(QPalette::Window);
}
QColor textOf(int number) {
    return static_cast<QLabel*>(widgetOf(number))->palette().color(QPalette::WindowText);
}
bool fills(int number) {
    return widgetOf(number)->autoFillBackground();
}

TEST_F(ToolkitGadgetsTest, LabelColoursAreRedRGreenBlueLowestFirst) {
    const int label = gadget::letterLabel(0);
    ui::setColour(label, ui::kBackground, 0x58B4C9); // packed 0x00BBGGRR
    ui::setColour(label, ui::kForeground, ui::rgb(255, 255, 255));
    EXPECT_TRUE(fills(label));
    EXPECT_EQ(fillOf(label), QColor(0xC9, 0xB4, 0x58));
    EXPECT_EQ(textOf(label), QColor(Qt::white));
}

TEST_F(ToolkitGadgetsTest, BackgroundWithoutTextColourDrawsBlackText) {
    const int label = gadget::letterLabel(1);
    ui::setColour(label, ui::kBackground, ui::rgb(120, 124, 126));
    EXPECT_TRUE(fills(label));
    EXPECT_EQ(fillOf(label), QColor(120, 124, 126));
    EXPECT_EQ(textOf(label), QColor(Qt::black));
}

TEST_F(ToolkitGadgetsTest, TextColourAloneSitsOnTheButtonFace) {
    const int label = gadget::letterLabel(2);
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    ui::setColour(label, ui::kForeground, ui::rgb(200, 0, 0));
    EXPECT_TRUE(fills(label));
    EXPECT_EQ(fillOf(label), buttonFace);
    EXPECT_EQ(textOf(label), QColor(200, 0, 0));

    // Setting a background and taking it back returns to the button face.
    ui::setColour(label, ui::kBackground, ui::rgb(1, 2, 3));
    ui::setColour(label, ui::kBackground, ui::kNoColour);
    EXPECT_TRUE(fills(label));
    EXPECT_EQ(fillOf(label), buttonFace);
    EXPECT_EQ(textOf(label), QColor(200, 0, 0));
}

TEST_F(ToolkitGadgetsTest, NoColoursLeftMeansTheDefaultLook) {
    const int label = gadget::letterLabel(3);
    const QPalette before = widgetOf(label)->palette();
    ui::setColour(label, ui::kBackground, ui::rgb(1, 2, 3));
    ui::setColour(label, ui::kBackground, ui::kNoColour);
    EXPECT_FALSE(fills(label));
    EXPECT_EQ(widgetOf(label)->palette(), before);
}

TEST_F(ToolkitGadgetsTest, BrushesFollowTheDistinctBackgroundsInUse) {
    const int colours[] = {ui::rgb(241, 239, 237), ui::rgb(120, 124, 126), ui::rgb(201, 180, 88),
                           ui::rgb(106, 170, 100)};
    for (int round = 0; round < 50; ++round) {
        for (int k = 0; k < gadget::kLetterCount; ++k)
            ui::setColour(gadget::letterLabel(k), ui::kBackground, colours[(k + round) % 4]);
    }
    EXPECT_EQ(ui::detail::liveBrushCount(), 4);
    for (int k = 0; k < gadget::kLetterCount; ++k)
        ui::setColour(gadget::letterLabel(k), ui::kBackground, colours[1]);
    EXPECT_EQ(ui::detail::liveBrushCount(), 1);
    ui::closeToolkit(); // destroying the labels gives their brushes back
    EXPECT_EQ(ui::detail::liveBrushCount(), 0);
    ui::initToolkit();
}

TEST_F(ToolkitGadgetsTest, ColourIsIgnoredByOtherKinds) {
    ui::setColour(gadget::letterList(0), ui::kBackground, ui::rgb(1, 2, 3));
    ui::setColour(gadget::tickBox(0, 1), ui::kBackground, ui::rgb(1, 2, 3));
    EXPECT_EQ(ui::detail::liveBrushCount(), 0);
}

// --- fonts ---

TEST_F(ToolkitGadgetsTest, LetterLabelsUseTheBoldStockFaceOthersTheDefault) {
    const QFont standard = widgetOf(gadget::kLoadButton)->font();
    EXPECT_FALSE(standard.bold());
    for (int k = 0; k < gadget::kLetterCount; ++k)
        EXPECT_TRUE(widgetOf(gadget::letterLabel(k))->font().bold()) << k;
    for (int number : {gadget::kCountLabel, gadget::kParseButton, gadget::letterList(25),
                       gadget::kResultText, gadget::tickBox(25, 5)})
        EXPECT_EQ(widgetOf(number)->font(), standard) << number;
}

// --- keyboard focus ---

class KeyboardFocusTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        QWidget* window = ui::windowWidget(gadget::kMainWindow);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    // Sends the key to whatever has the focus, as the platform would.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        if (!target)
            target = ui::windowWidget(gadget::kMainWindow);
        QTest::keyClick(target, key, modifiers);
    }
    static QWidget* focused() { return QApplication::focusWidget(); }
};

TEST_F(KeyboardFocusTest, NothingHasTheFocusWhenTheWindowOpens) {
    EXPECT_EQ(focused(), nullptr);
}

TEST_F(KeyboardFocusTest, TabWalksTheVisibleGadgetsInCreationOrder) {
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), widgetOf(gadget::kLoadButton));
    press(Qt::Key_Tab); // the count label takes no focus
    EXPECT_EQ(focused(), widgetOf(gadget::kParseButton));
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), widgetOf(gadget::kResetButton));
    for (int k = 0; k < gadget::kLetterCount; ++k) {
        press(Qt::Key_Tab);
        EXPECT_EQ(focused(), widgetOf(gadget::letterList(k))) << k;
    }
    press(Qt::Key_Tab); // labels are skipped, the text area comes next
    EXPECT_EQ(focused(), widgetOf(gadget::kResultText));
}

TEST_F(KeyboardFocusTest, ShiftTabWrapsAndSkipsHiddenTickBoxes) {
    press(Qt::Key_Backtab); // nothing focused: the last visible gadget
    EXPECT_EQ(focused(), widgetOf(gadget::kResultText));
    press(Qt::Key_Backtab);
    EXPECT_EQ(focused(), widgetOf(gadget::letterList(25)));

    // Shown tick boxes come after the text area, in creation order.
    for (int p = 1; p <= 5; ++p)
        ui::setHidden(gadget::tickBox(4, p), 0);
    widgetOf(gadget::kResultText)->setFocus();
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), widgetOf(gadget::letterList(25)));
    widgetOf(gadget::kLoadButton)->setFocus();
    press(Qt::Key_Backtab);
    EXPECT_EQ(focused(), widgetOf(gadget::tickBox(4, 5)));
    press(Qt::Key_Tab); // and wraps forward to the first
    EXPECT_EQ(focused(), widgetOf(gadget::kLoadButton));
}

TEST_F(KeyboardFocusTest, PlainTabIsTypedIntoTheTextArea) {
    auto* area = static_cast<QPlainTextEdit*>(widgetOf(gadget::kResultText));
    area->setFocus();
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), area);
    EXPECT_EQ(area->toPlainText(), "\t");
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), widgetOf(gadget::letterList(25)));
}

TEST_F(KeyboardFocusTest, FocusComesBackAfterTheWindowWasDeactivated) {
    QWidget* window = ui::windowWidget(gadget::kMainWindow);
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    ASSERT_EQ(focused(), widgetOf(gadget::kParseButton));
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(focused(), widgetOf(gadget::kParseButton));
}

} // namespace
