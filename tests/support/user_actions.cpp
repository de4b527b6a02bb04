#include "tests/support/user_actions.h"

#include "app/gadget_numbers.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/scratch_directory.h"
#include "ui/gadget_record.h"
#include "ui/toolkit.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QWindow>

void loadWordFile(const std::vector<std::u16string>& lines) {
    // One directory for the whole test program: tests run in parallel, each
    // in its own process, and must not share a words.txt.
    static ScratchDirectory directory;
    std::string text;
    for (const std::u16string& line : lines)
        text += QString::fromStdU16String(line).toStdString() + "\n";
    ScratchDirectory::write("words.txt", text);
    pressButton(gadget::kLoadButton);
}

int pressButton(int number) {
    QTest::mouseClick(widgetOf(number), Qt::LeftButton);
    return dispatchPendingEvents();
}

void chooseLetterState(int k, int state) {
    auto* list = static_cast<QComboBox*>(widgetOf(gadget::letterList(k)));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_F4);
    QAbstractItemView* view = list->view();
    for (int index = list->currentIndex(); index < state; ++index)
        QTest::keyClick(view, Qt::Key_Down);
    for (int index = list->currentIndex(); index > state; --index)
        QTest::keyClick(view, Qt::Key_Up);
    QTest::keyClick(view, Qt::Key_Return);
    dispatchPendingEvents();
}

void stepLetterStateDown(int k) {
    QWidget* list = widgetOf(gadget::letterList(k));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    dispatchPendingEvents();
}

void clickTickBox(int k, int p) {
    QWindow* window = ui::windowWidget(gadget::kMainWindow)->windowHandle();
    QTest::mouseClick(window, Qt::LeftButton, {},
                      widgetOf(gadget::tickBox(k, p))->geometry().center());
    dispatchPendingEvents();
}

bool tickBoxShown(int k, int p) {
    return widgetOf(gadget::tickBox(k, p))->isVisible();
}

bool tickBoxTicked(int k, int p) {
    return static_cast<QAbstractButton*>(widgetOf(gadget::tickBox(k, p)))->isChecked();
}

int shownLetterState(int k) {
    return static_cast<QComboBox*>(widgetOf(gadget::letterList(k)))->currentIndex();
}

LabelLook labelLook(int k) {
    const QWidget* label = widgetOf(gadget::letterLabel(k));
    return LabelLook{label->autoFillBackground(), label->palette().color(QPalette::Window),
                     label->palette().color(QPalette::WindowText)};
}
