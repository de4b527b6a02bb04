// Times a load of words.txt and one panel refresh in the real main window,
// with nothing but the program's own interfaces and std::chrono, so that the
// same program measures both toolkit layers (Qt on Linux, Win32 on Windows
// or under Wine).
//   load_and_refresh [WORDS [ROUNDS]]   (default 500 words, 5 rounds)
// Writes WORDS random five-letter words to words.txt in a fresh temporary
// folder, then per round: loadWordList(), marks E yellow but not second, R
// third and S absent, and refreshLetterPanel(). Prints milliseconds.
#include "app/main_window.h"
#include "filter/letter_panel.h"
#include "layout/gadget_numbers.h"
#include "ui/toolkit.h"
#include "words/load_word_list.h"
#include "words/word_store.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Letters drawn with English letter frequencies, so that the filters remove
// about as much as they would from a real list.
void writeWordFile(const std::filesystem::path& file, int words) {
    const char letters[] = "abcdefghijklmnopqrstuvwxyz";
    const double weights[] = {8.2, 1.5, 2.8, 4.3, 12.7, 2.2, 2.0, 6.1, 7.0, 0.2, 0.8, 4.0, 2.4,
                              6.7, 7.5, 1.9, 0.1, 6.0,  6.3, 9.1, 2.8, 1.0, 2.4, 0.2, 2.0, 0.1};
    std::mt19937 random(500);
    std::discrete_distribution<int> pick(std::begin(weights), std::end(weights));
    std::ofstream out(file, std::ios::binary);
    for (int i = 0; i < words; ++i) {
        for (int j = 0; j < 5; ++j)
            out << letters[pick(random)];
        out << '\n';
    }
}

void markLetters() {
    using namespace gadget;
    const int e = 'E' - 'A', r = 'R' - 'A', s = 'S' - 'A';
    ui::setState(letterList(e), 2); // Used (Yellow)
    ui::setState(tickBox(e, 2), 1);
    ui::setState(letterList(r), 5); // 3rd (Green)
    ui::setState(letterList(s), 1); // Not Present (Grey)
}

template <typename Step> double millisecondsOf(Step step) {
    const Clock::time_point start = Clock::now();
    step();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int words = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;

    const std::filesystem::path home = std::filesystem::current_path();
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("larkspin-load-and-refresh-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder);
    writeWordFile(folder / "words.txt", words);
    std::filesystem::current_path(folder);

    ui::initToolkit();
    initWordStore();
    int status = 0;
    if (openMainWindow()) {
        createMainWindowControls();
        std::vector<double> loads, refreshes;
        int left = 0;
        for (int round = 0; round < rounds; ++round) {
            resetLetterStates();
            loads.push_back(millisecondsOf(loadWordList));
            markLetters();
            refreshes.push_back(millisecondsOf(refreshLetterPanel));
            left = candidateCount();
        }
        std::printf("%d words, %d rounds, %d words left after the refresh\n", words, rounds, left);
        std::printf("load:    median %.2f ms, first %.2f ms\n", median(loads), loads.front());
        std::printf("refresh: median %.2f ms, first %.2f ms\n", median(refreshes),
                    refreshes.front());
    } else {
        std::printf("the main window could not be opened\n");
        status = 1;
    }
    ui::closeToolkit();

    std::filesystem::current_path(home);
    std::filesystem::remove_all(folder);
    return status;
}
