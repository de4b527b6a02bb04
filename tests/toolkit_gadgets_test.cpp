// Gadget states, label colours, fonts and keyboard focus.
#include "app/gadget_numbers.h"
#include "tests/support/main_window_fixture.h"
#include "ui/qt/gadget_record.h"
#include "ui/toolkit.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

namespace {

class ToolkitGadgetsTest : public MainWindowTest {};

TEST_F(ToolkitGadgetsTest, DropDownListSelection) {
    const int list = 300;
    ASSERT_NE(ui::newDropDownList(list, 400, 5, 100, 21), 0);
    ui::addItem(list, -1, u"b");
    ui::addItem(list, 0, u"a");
    ui::addItem(list, 99, u"c");       // past the end: appended
    EXPECT_EQ(ui::getState(list), -1); // items alone select nothing
    EXPECT_EQ(static_cast<QComboBox*>(widgetOf(list))->itemText(2), "c");
    ui::setState(list, 2);
    EXPECT_EQ(ui::getState(list), 2);
    ui::setState(list, 3); // outside the list: nothing selected
    EXPECT_EQ(ui::getState(list), -1);
}

TEST_F(ToolkitGadgetsTest, TickBoxKeepsItsTickWhileHidden) {
    const int box = gadget::tickBox(7, 3);
    ui::setState(box, 7); // any non-zero value ticks
    ui::setHidden(box, 1);
    EXPECT_EQ(ui::getState(box), 1);
    ui::setHidden(box, 0);
    EXPECT_TRUE(widgetOf(box)->isVisible());
    EXPECT_EQ(ui::getState(box), 1);
    ui::setState(box, 0);
    EXPECT_EQ(ui::getState(box), 0);
}

TEST_F(ToolkitGadgetsTest, NumbersWithoutGadgetDoNothingAndReadZero) {
    for (int number : {0, 1, 189, -7}) {
        ui::setState(number, 1);
        ui::setText(number, u"x");
        ui::setHidden(number, 1);
        ui::setColour(number, ui::kBackground, 0);
        ui::addItem(number, -1, u"x");
        EXPECT_EQ(ui::getState(number), 0);
    }
    EXPECT_EQ(ui::getState(gadget::kCountLabel), 0); // a kind without state
}

TEST_F(ToolkitGadgetsTest, SetTextReplacesTheWholeTextLiterally) {
    ui::setText(gadget::kResultText, u"CRANE   SLATE   ");
    ui::setText(gadget::kResultText, u"TRACE   ");
    EXPECT_EQ(resultTextContent(), u"TRACE   ");
    ui::setText(gadget::kCountLabel, u"A&B <b>x</b>");
    EXPECT_EQ(countLabelText(), u"A&B <b>x</b>");
    EXPECT_EQ(static_cast<QLabel*>(widgetOf(gadget::kCountLabel))->textFormat(), Qt::PlainText);
}

// --- label colours ---

QColor fillOf(int number) { return widgetOf(number)->palette().color(QPalette::Window); }
QColor textOf(int number) { return widgetOf(number)->palette().color(QPalette::WindowText); }
bool fills(int number) { return widgetOf(number)->autoFillBackground(); }

TEST_F(ToolkitGadgetsTest, BackgroundFillsTheLabelTextDefaultsToBlack) {
    const int label = gadget::letterLabel(0);
    ui::setColour(label, ui::kBackground, 0x58B4C9); // packed 0x00BBGGRR
    EXPECT_TRUE(fills(label));
    EXPECT_EQ(fillOf(label), QColor(0xC9, 0xB4, 0x58));
    EXPECT_EQ(textOf(label), QColor(Qt::black));
    ui::setColour(label, ui::kForeground, ui::rgb(255, 255, 255));
    EXPECT_EQ(textOf(label), QColor(Qt::white));

    // With no colour left the label looks as it did at creation.
    const int plain = gadget::letterLabel(1);
    const QPalette before = widgetOf(plain)->palette();
    ui::setColour(plain, ui::kBackground, ui::rgb(1, 2, 3));
    ui::setColour(plain, ui::kBackground, ui::kNoColour);
    EXPECT_FALSE(fills(plain));
    EXPECT_EQ(widgetOf(plain)->palette(), before);
}

TEST_F(ToolkitGadgetsTest, TextColourAloneSitsOnTheButtonFace) {
    const int label = gadget::letterLabel(2);
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    ui::setColour(label, ui::kForeground, ui::rgb(200, 0, 0));
    ui::setColour(label, ui::kBackground, ui::rgb(1, 2, 3));
    ui::setColour(label, ui::kBackground, ui::kNoColour);
    EXPECT_TRUE(fills(label));
    EXPECT_EQ(fillOf(label), buttonFace);
    EXPECT_EQ(textOf(label), QColor(200, 0, 0));
}

TEST_F(ToolkitGadgetsTest, BrushesFollowTheDistinctBackgroundsInUse) {
    const int colours[] = {0xEDEFF1, 0x7E7C78, 0x58B4C9, 0x64AA6A};
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

TEST_F(ToolkitGadgetsTest, LetterLabelsUseTheBoldStockFaceOthersTheDefault) {
    const QFont standard = widgetOf(gadget::kLoadButton)->font();
    EXPECT_FALSE(standard.bold());
    for (int k = 0; k < gadget::kLetterCount; ++k)
        EXPECT_TRUE(widgetOf(gadget::letterLabel(k))->font().bold()) << k;
    for (int number :
         {gadget::kCountLabel, gadget::letterList(25), gadget::kResultText, gadget::tickBox(25, 5)})
        EXPECT_EQ(widgetOf(number)->font(), standard) << number;
}

// --- keyboard focus ---

class KeyboardFocusTest : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(QTest::qWaitForWindowActive(ui::windowWidget(gadget::kMainWindow)));
    }
    // Sends the key to whatever has the focus, as the platform would.
    static QWidget* press(Qt::Key key) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : ui::windowWidget(gadget::kMainWindow), key);
        return QApplication::focusWidget();
    }
};

TEST_F(KeyboardFocusTest, TabWalksTheVisibleGadgetsInCreationOrder) {
    EXPECT_EQ(QApplication::focusWidget(), nullptr); // nothing focused at first
    EXPECT_EQ(press(Qt::Key_Tab), widgetOf(gadget::kLoadButton));
    EXPECT_EQ(press(Qt::Key_Tab), widgetOf(gadget::kParseButton)); // not the count label
    EXPECT_EQ(press(Qt::Key_Tab), widgetOf(gadget::kResetButton));
    for (int k = 0; k < gadget::kLetterCount; ++k)
        EXPECT_EQ(press(Qt::Key_Tab), widgetOf(gadget::letterList(k))) << k;
    EXPECT_EQ(press(Qt::Key_Tab), widgetOf(gadget::kResultText)); // labels skipped
}

TEST_F(KeyboardFocusTest, ShiftTabWrapsAndSkipsHiddenTickBoxes) {
    EXPECT_EQ(press(Qt::Key_Backtab), widgetOf(gadget::kResultText)); // from nothing: the last
    EXPECT_EQ(press(Qt::Key_Backtab), widgetOf(gadget::letterList(25)));
    for (int p = 1; p <= 5; ++p)
        ui::setHidden(gadget::tickBox(4, p), 0);
    widgetOf(gadget::kLoadButton)->setFocus();
    EXPECT_EQ(press(Qt::Key_Backtab), widgetOf(gadget::tickBox(4, 5)));
    EXPECT_EQ(press(Qt::Key_Tab), widgetOf(gadget::kLoadButton));
}

TEST_F(KeyboardFocusTest, PlainTabIsTypedIntoTheTextAreaShiftTabLeavesIt) {
    auto* area = static_cast<QPlainTextEdit*>(widgetOf(gadget::kResultText));
    area->setFocus();
    EXPECT_EQ(press(Qt::Key_Tab), area);
    EXPECT_EQ(area->toPlainText(), "\t");
    EXPECT_EQ(press(Qt::Key_Backtab), widgetOf(gadget::letterList(25)));
}

TEST_F(KeyboardFocusTest, FocusComesBackAfterTheWindowWasDeactivated) {
    QWidget* window = ui::windowWidget(gadget::kMainWindow);
    press(Qt::Key_Tab);
    ASSERT_EQ(press(Qt::Key_Tab), widgetOf(gadget::kParseButton));
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(QApplication::focusWidget(), widgetOf(gadget::kParseButton));
}

} // namespace
