#include "tests/support/main_window_fixture.h"

#include "app/main_window.h"
#include "app/shell.h"
#include "tests/support/scratch_directory.h"
#include "ui/toolkit.h"
#include "words/word_store.h"

void MainWindowTest::SetUp() {
    ui::initToolkit();
    initWordStore();
    ASSERT_NE(openMainWindow(), 0);
    createMainWindowControls();
    driver::settle();
}

void MainWindowTest::TearDown() { ui::closeToolkit(); }

int dispatchPendingEvents() {
    int taken = 0;
    for (driver::settle(); driver::pendingEvents() > 0; driver::settle()) {
        currentEventCode = ui::nextEvent();
        ++taken;
        if (currentEventCode == ui::kGadgetEvent) {
            currentGadget = ui::eventSource();
            dispatchGadgetEvent();
        }
    }
    return taken;
}

void pressButton(int number) {
    driver::click(number);
    dispatchPendingEvents();
}

void chooseLetterState(int k, int state) {
    driver::chooseItem(gadget::letterList(k), state);
    dispatchPendingEvents();
}

void clickTickBox(int k, int p) { pressButton(gadget::tickBox(k, p)); }

void loadWordFile(const std::vector<std::u16string>& lines) {
    // One directory for the whole test program: tests run in parallel, each
    // in its own process, and must not share a words.txt.
    static ScratchDirectory directory;
    std::string bytes;
    for (const std::u16string& line : lines) {
        for (const char16_t unit : line) { // the tests' words stay in the BMP
            if (unit < 0x80) {
                bytes += static_cast<char>(unit);
            } else if (unit < 0x800) {
                bytes += static_cast<char>(0xC0 | unit >> 6);
                bytes += static_cast<char>(0x80 | (unit & 0x3F));
            } else {
                bytes += static_cast<char>(0xE0 | unit >> 12);
                bytes += static_cast<char>(0x80 | (unit >> 6 & 0x3F));
                bytes += static_cast<char>(0x80 | (unit & 0x3F));
            }
        }
        bytes += '\n';
    }
    ScratchDirectory::write("words.txt", bytes);
    pressButton(gadget::kLoadButton);
}
