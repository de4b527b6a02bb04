#include "tests/support/main_window_fixture.h"

#include "app/main_window.h"
#include "app/shell.h"
#include "ui/toolkit.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <regex>

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

std::vector<std::vector<std::string>> readTable(const std::string& path) {
    std::ifstream table(LARKSPIN_SOURCE_DIR "/" + path);
    EXPECT_TRUE(table.is_open()) << path;
    static const std::regex bar(" \\| ");
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(table, line);) {
        if (!line.empty() && line[0] != '#')
            rows.emplace_back(std::sregex_token_iterator(line.begin(), line.end(), bar, -1),
                              std::sregex_token_iterator());
    }
    return rows;
}
