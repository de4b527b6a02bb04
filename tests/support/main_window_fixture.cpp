#include "tests/support/main_window_fixture.h"

#include "app/gadget_numbers.h"
#include "app/main_window.h"
#include "app/shell.h"
#include "ui/qt/gadget_record.h"
#include "ui/toolkit.h"
#include "words/word_store.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>

void MainWindowTest::SetUp() {
    ui::initToolkit();
    initWordStore();
    ASSERT_NE(openMainWindow(), 0);
    createMainWindowControls();
    QApplication::processEvents();
}

void MainWindowTest::TearDown() { ui::closeToolkit(); }

int dispatchPendingEvents() {
    QApplication::processEvents();
    int taken = 0;
    while (ui::detail::pendingEventCount() > 0) {
        currentEventCode = ui::nextEvent();
        ++taken;
        if (currentEventCode == ui::kGadgetEvent) {
            currentGadget = ui::eventSource();
            dispatchGadgetEvent();
        }
        QApplication::processEvents();
    }
    return taken;
}

QWidget* widgetOf(int number) {
    QWidget* widget = ui::gadgetWidget(number);
    EXPECT_NE(widget, nullptr) << "no gadget " << number;
    return widget;
}

std::u16string countLabelText() {
    return static_cast<QLabel*>(widgetOf(gadget::kCountLabel))->text().toStdU16String();
}

std::u16string resultTextContent() {
    return static_cast<QPlainTextEdit*>(widgetOf(gadget::kResultText))
        ->toPlainText()
        .toStdU16String();
}
