// Peak memory and time of one load, each in a fresh process, in the real
// main window (offscreen unless QT_QPA_PLATFORM says otherwise):
//   load_memory [MB...]   (default 1 8 32)
// For each size, words.txt is made of empty lines, of "abcde" lines, and of
// one long line. This program then runs itself again on each file: the new
// process opens the window, presses the load button once, lets the window
// paint, and prints the load's time (and the processor time it took, which
// other work on the machine changes less), the process's peak resident memory
// (getrusage's ru_maxrss) and the count label. The first row is the window
// without a load; after each file of words, the text area alone given the
// list that the load shows, with no load.
#include "bench/bench_window.h"
#include "layout/gadget_numbers.h"
#include "ui/backend.h"
#include "ui/toolkit.h"
#include "words/load_word_list.h"

#include <QApplication>
#include <QLabel>

#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

QWidget* widgetOf(int number) { return static_cast<QWidget*>(ui::core::nativeGadget(number)); }

// The child: one load of words.txt in the current folder ("load"), none
// ("none"), or no load but the text area given the list of that many words
// that a load would show, for what the area costs alone.
int loadOnce(const std::string& what) {
    if (!openBenchWindow())
        return 1;
    timespec cpuStart{}, cpuEnd{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpuStart);
    const auto start = std::chrono::steady_clock::now();
    if (what == "load") {
        loadWordList();
    } else if (what != "none") {
        std::u16string list;
        for (long i = std::atol(what.c_str()); i > 0; --i)
            list += u"ABCDE   ";
        ui::setText(gadget::kResultText, list);
    }
    const std::chrono::duration<double, std::milli> loadTime =
        std::chrono::steady_clock::now() - start;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpuEnd);
    const double cpu =
        (cpuEnd.tv_sec - cpuStart.tv_sec) * 1e3 + (cpuEnd.tv_nsec - cpuStart.tv_nsec) / 1e6;
    QApplication::processEvents();
    widgetOf(gadget::kResultText)->repaint();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const QString count = static_cast<QLabel*>(widgetOf(gadget::kCountLabel))->text();
    std::printf("%10.1f ms %10.1f ms %9.1f MB   %s\n", loadTime.count(), cpu,
                usage.ru_maxrss / 1024.0, count.toStdString().c_str());
    ui::closeToolkit();
    return 0;
}

// Runs this program again, in the folder, as the child.
void runChild(const char* self, const fs::path& folder, const char* what,
              const char* mode = "load") {
    std::printf("%-28s", what);
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        if (!folder.empty())
            fs::current_path(folder);
        execl(self, self, "--child", mode, nullptr);
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::printf("failed (status %d)\n", status);
}

void writeFile(const fs::path& file, const std::string& line, std::size_t bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (std::size_t written = 0; written + line.size() <= bytes; written += line.size())
        out << line;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--child")
        return loadOnce(argv[2]);

    const fs::path folder = fs::temp_directory_path() /
                            ("larkspin-load-memory-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder);
    fs::permissions(folder, fs::perms::owner_all);
    const std::string self = fs::canonical("/proc/self/exe").string();
    setenv("XDG_RUNTIME_DIR", folder.c_str(), 0); // where Qt wants one
    std::printf("%-28s%13s %13s %12s   %s\n", "words.txt", "load", "its CPU", "peak RSS",
                "count label");
    runChild(self.c_str(), fs::path(), "no load", "none");
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty())
        sizes = {1, 8, 32};
    const struct {
        const char* name;
        std::string line; // empty: one line of the whole size
    } kinds[] = {{"empty lines", "\n"}, {"\"abcde\" lines", "abcde\n"}, {"one line", ""}};
    for (const int mb : sizes) {
        const std::size_t bytes = static_cast<std::size_t>(mb) << 20;
        for (const auto& kind : kinds) {
            if (kind.line.empty())
                std::ofstream(folder / "words.txt", std::ios::binary) << std::string(bytes, 'x');
            else
                writeFile(folder / "words.txt", kind.line, bytes);
            runChild(self.c_str(), folder, (std::to_string(mb) + " MB, " + kind.name).c_str());
            if (kind.line == "abcde\n")
                runChild(self.c_str(), fs::path(), "  its list, in the area alone",
                         std::to_string(bytes / kind.line.size()).c_str());
        }
    }
    fs::remove_all(folder);
    return 0;
}
