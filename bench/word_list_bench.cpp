// Loading words.txt and showing the list, in the real main window under
// the offscreen platform.
//
// ReadBytesTwice is the floor the loader's two passes are measured
// against: the same file read twice through a 4096-byte buffer, with
// nothing done to the bytes.
#include "app/main_window.h"
#include "bench/bench_window.h"
#include "layout/gadget_numbers.h"
#include "ui/backend.h"
#include "ui/toolkit.h"
#include "words/line_reader.h"
#include "words/load_word_list.h"
#include "words/result_display.h"
#include "words/upper_case.h"
#include "words/word_file.h"
#include "words/word_store.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

namespace {

constexpr const char* kWordFile = "words.txt";

std::string randomLetters(std::mt19937& random, int length) {
    std::uniform_int_distribution<int> letter('a', 'z');
    std::string text;
    for (int i = 0; i < length; ++i)
        text += static_cast<char>(letter(random));
    return text;
}

// 15,000 five-letter words, one per line.
std::string wordFile(int words) {
    std::mt19937 random(15);
    std::string file;
    for (int i = 0; i < words; ++i)
        file += randomLetters(random, 5) + "\n";
    return file;
}

// Lines of 3 to 9 letters, so about one in seven is taken.
std::string mixedFile(int lines) {
    std::mt19937 random(1);
    std::string file;
    for (int i = 0; i < lines; ++i)
        file += randomLetters(random, 3 + i % 7) + "\n";
    return file;
}

void writeWordFile(const std::string& bytes) {
    std::ofstream(kWordFile, std::ios::binary | std::ios::trunc) << bytes;
}

const std::string& benchFile(int which) {
    static const std::string words = wordFile(15000);
    static const std::string mixed = mixedFile(1000000);
    return which == 0 ? words : mixed;
}

const char* benchFileLabel(int which) { return which == 0 ? "15,000 words" : "1,000,000 lines"; }

void paintResultArea() {
    static_cast<QWidget*>(ui::core::nativeGadget(gadget::kResultText))->repaint();
}

void ReadBytesTwice(benchmark::State& state) {
    const std::string& file = benchFile(static_cast<int>(state.range(0)));
    writeWordFile(file);
    char buffer[4096];
    for (auto _ : state) {
        for (int pass = 0; pass < 2; ++pass) {
            const int fd = ::open(kWordFile, O_RDONLY);
            while (::read(fd, buffer, sizeof buffer) > 0)
                benchmark::DoNotOptimize(buffer);
            ::close(fd);
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(file.size()));
    state.SetLabel(benchFileLabel(static_cast<int>(state.range(0))));
}
BENCHMARK(ReadBytesTwice)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The loader's file work alone: a counting pass and a pass that reads and
// decodes every line, through the same file layer and reader.
void ReadWordFileTwoPasses(benchmark::State& state) {
    const std::string& file = benchFile(static_cast<int>(state.range(0)));
    writeWordFile(file);
    TextArray lines;
    for (auto _ : state) {
        std::u16string whyNot;
        int count = 0;
        {
            const std::unique_ptr<ByteSource> source = openWordFile(kWordFile, whyNot);
            LineReader reader(*source);
            for (; !reader.atEnd(); ++count)
                reader.skipLine();
        }
        lines.resize(static_cast<std::size_t>(count) + 1);
        const std::unique_ptr<ByteSource> source = openWordFile(kWordFile, whyNot);
        LineReader reader(*source);
        TextArray::Writer writer(lines);
        for (int i = 0; i < count && !reader.atEnd(); ++i)
            writer.put(reader.readLine());
        writer.finish();
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(file.size()));
    state.SetLabel(benchFileLabel(static_cast<int>(state.range(0))));
}
BENCHMARK(ReadWordFileTwoPasses)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The whole load as the button runs it: both passes, taking the words,
// the count label and handing the list to the text area (not yet painted).
void LoadWordList(benchmark::State& state) {
    const std::string& file = benchFile(static_cast<int>(state.range(0)));
    writeWordFile(file);
    for (auto _ : state)
        loadWordList();
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(file.size()));
    state.SetLabel(benchFileLabel(static_cast<int>(state.range(0))));
    state.counters["words"] = candidateCount();
}
BENCHMARK(LoadWordList)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What the user waits for after pressing the button: the load and the
// text area painted with the new list.
void LoadWordListAndPaint(benchmark::State& state) {
    writeWordFile(benchFile(0));
    for (auto _ : state) {
        loadWordList();
        paintResultArea();
    }
    state.SetLabel(benchFileLabel(0));
}
BENCHMARK(LoadWordListAndPaint)->Unit(benchmark::kMillisecond);

void ShowCandidatesAndPaint(benchmark::State& state) {
    const int words = static_cast<int>(state.range(0));
    resizeForLoad(words);
    std::mt19937 random(5);
    WordStore& store = wordStore();
    TextArray::Writer candidates(store.candidates);
    for (int i = 0; i < words; ++i) {
        const std::string word = randomLetters(random, 5);
        candidates.put(upperCase(std::u16string(word.begin(), word.end())));
    }
    candidates.finish();
    store.lastIndex = words - 1;
    for (auto _ : state) {
        showCandidates();
        paintResultArea();
    }
}
BENCHMARK(ShowCandidatesAndPaint)->Arg(15000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (!openBenchWindow())
        return 1;

    const std::filesystem::path previous = std::filesystem::current_path();
    std::string directory =
        (std::filesystem::temp_directory_path() / "larkspin-bench-XXXXXX").string();
    if (!mkdtemp(directory.data()))
        return 1;
    std::filesystem::current_path(directory);
    benchmark::RunSpecifiedBenchmarks();
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(directory);

    ui::closeToolkit();
    benchmark::Shutdown();
    return 0;
}
