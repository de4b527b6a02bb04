#include "tests/support/main_window_fixture.h"

#include "app/main_window.h"
#include "app/shell.h"
#include "ui/toolkit.h"

#include <filesystem>
#include <fstream>
#include <random>

void MainWindowTest::SetUp() {
    ui::initToolkit();
    initWordStore();
    ASSERT_NE(openMainWindow(), 0);
    createMainWindowControls();
    driver::settle();
}

void MainWindowTest::TearDown() { ui::closeToolkit(); }

void runEventLoop() {
    // Handlers may raise events of their own, which wait behind the close.
    for (int round = 0; round < 10 && (driver::settle(), driver::pendingEvents() > 0); ++round) {
        driver::requestClose(gadget::kMainWindow);
        quitRequested = 0;
        eventLoop();
        EXPECT_EQ(currentEventCode, ui::kCloseRequest) << "the loop ended before the close request";
    }
}

void pressButton(int number) {
    driver::click(number);
    runEventLoop();
}

void chooseLetterState(int k, int state) {
    driver::chooseItem(gadget::letterList(k), state);
    runEventLoop();
}

// Tests run in parallel, each in its own process: each needs a words.txt of
// its own, in a directory that goes when the process ends.
struct ScratchDirectory {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("larkspin-test-" + std::to_string(std::random_device()()));
    ScratchDirectory() { std::filesystem::create_directories(path); }
    ~ScratchDirectory() {
        std::filesystem::current_path(path.parent_path());
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

void load(std::string_view bytes) {
    static const ScratchDirectory directory;
    std::filesystem::current_path(directory.path);
    std::filesystem::remove_all("words.txt");
    std::ofstream("words.txt", std::ios::binary).write(bytes.data(), std::ssize(bytes));
    pressButton(gadget::kLoadButton);
}
