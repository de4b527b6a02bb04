// The cost of narrowing the list: the filter work of one parse pass, the
// whole pass with its redisplay, and a whole panel refresh from the click on
// a tick box to the painted window. Runs on the offscreen platform unless the
// caller chose another.
#include "app/main_window.h"
#include "app/shell.h"
#include "bench/bench_window.h"
#include "filter/letter_state.h"
#include "filter/parse_list.h"
#include "layout/gadget_numbers.h"
#include "ui/backend.h"
#include "ui/test_hooks.h"
#include "ui/toolkit.h"
#include "words/word_store.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <QWindow>

#include <chrono>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

// Five-letter upper-case words drawn with English letter frequencies, so
// that the filters remove about as much as they would from a real list.
std::vector<std::u16string> makeWords(int count) {
    const char16_t letters[] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const double weights[] = {8.2, 1.5, 2.8, 4.3, 12.7, 2.2, 2.0, 6.1, 7.0, 0.2, 0.8, 4.0, 2.4,
                              6.7, 7.5, 1.9, 0.1, 6.0,  6.3, 9.1, 2.8, 1.0, 2.4, 0.2, 2.0, 0.1};
    std::mt19937 random(12345);
    std::discrete_distribution<int> pick(std::begin(weights), std::end(weights));
    std::vector<std::u16string> words(static_cast<size_t>(count));
    for (std::u16string& word : words) {
        for (int i = 0; i < 5; ++i)
            word += letters[pick(random)];
    }
    return words;
}

// Puts the store back to a freshly loaded list of these words.
void loadWords(const std::vector<std::u16string>& words) {
    const int count = static_cast<int>(words.size());
    WordStore& store = wordStore();
    resizeForLoad(count);
    TextArray::Writer candidates(store.candidates);
    for (const std::u16string& word : words)
        candidates.put(word);
    candidates.finish();
    store.lastIndex = count - 1;
}

void setRow(char letter, int state, int tickedPosition = 0) {
    const int k = letter - 'A';
    ui::setState(gadget::letterList(k), state);
    for (int p = 1; p <= gadget::kPositions; ++p)
        ui::setState(gadget::tickBox(k, p), p == tickedPosition ? 1 : 0);
}

// After a couple of guesses: five grey letters, two yellow with one tick
// each, one green.
void setTypicalPanel() {
    for (int k = 0; k < gadget::kLetterCount; ++k)
        setRow(static_cast<char>('A' + k), Unmarked);
    for (char grey : {'C', 'N', 'O', 'S', 'T'})
        setRow(grey, Absent);
    setRow('A', Present, 1);
    setRow('E', Present, 5);
    setRow('R', Green2);
}

// Every letter yellow with every position ticked: six passes and six
// commits of the whole work array per letter.
void setWorstPanel() {
    for (int k = 0; k < gadget::kLetterCount; ++k) {
        ui::setState(gadget::letterList(k), Present);
        for (int p = 1; p <= gadget::kPositions; ++p)
            ui::setState(gadget::tickBox(k, p), 1);
    }
}

// Times one call per iteration, with a fresh list loaded before each.
template <typename Work> void timeOnFreshList(benchmark::State& state, const Work& work) {
    const std::vector<std::u16string> words = makeWords(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        loadWords(words);
        const auto start = std::chrono::steady_clock::now();
        work();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    state.counters["survivors"] = candidateCount();
}

void BM_FilterWorkTypical(benchmark::State& state) {
    setTypicalPanel();
    timeOnFreshList(state, applyLetterStates);
}

void BM_FilterWorkWorst(benchmark::State& state) {
    setWorstPanel();
    timeOnFreshList(state, applyLetterStates);
}

void BM_ParsePassTypical(benchmark::State& state) {
    setTypicalPanel();
    timeOnFreshList(state, parseList);
}

void BM_ParsePassWorst(benchmark::State& state) {
    setWorstPanel();
    timeOnFreshList(state, parseList);
}

// The user ticks a box in a yellow row; the event is taken and dispatched as
// the event loop does, and the window is painted with the new list. Only A
// is marked, so the list stays long and the text area has plenty to lay out.
void BM_RefreshFromTickClick(benchmark::State& state) {
    for (int k = 0; k < gadget::kLetterCount; ++k)
        setRow(static_cast<char>('A' + k), Unmarked);
    setRow('A', Present);
    ui::setHidden(gadget::tickBox(0, 4), 0);
    auto* window = static_cast<QWidget*>(ui::core::nativeWindow(gadget::kMainWindow));
    const QPoint box =
        static_cast<QWidget*>(ui::core::nativeGadget(gadget::tickBox(0, 4)))->geometry().center();
    timeOnFreshList(state, [&] {
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, box);
        while (ui::test::pendingEventCount() > 0) {
            if (ui::nextEvent() == ui::kGadgetEvent) {
                currentGadget = ui::eventSource();
                dispatchGadgetEvent();
            }
        }
        QApplication::processEvents();
        window->repaint();
    });
}

} // namespace

BENCHMARK(BM_FilterWorkTypical)
    ->Arg(15000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FilterWorkWorst)
    ->Arg(15000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ParsePassTypical)
    ->Arg(15000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ParsePassWorst)
    ->Arg(15000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RefreshFromTickClick)
    ->Arg(15000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (!openBenchWindow())
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ui::closeToolkit();
    return 0;
}
