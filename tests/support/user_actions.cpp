#include "tests/support/user_actions.h"

#include "app/gadget_numbers.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/scratch_directory.h"
#include "ui/qt/gadget_record.h"

#include <QAbstractItemView>
#include <QComboBox>
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

void pressButton(int number) {
    QTest::mouseClick(widgetOf(number), Qt::LeftButton);
    dispatchPendingEvents();
}

void chooseLetterState(int k, int state) {
    auto* list = static_cast<QComboBox*>(widgetOf(gadget::letterList(k)));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_F4);
    list->view()->setCurrentIndex(list->model()->index(state, 0));
    QTest::keyClick(list->view(), Qt::Key_Return);
    dispatchPendingEvents();
}

void clickTickBox(int k, int p) {
    QWindow* window = ui::windowWidget(gadget::kMainWindow)->windowHandle();
    QTest::mouseClick(window, Qt::LeftButton, {},
                      widgetOf(gadget::tickBox(k, p))->geometry().center());
    dispatchPendingEvents();
}
