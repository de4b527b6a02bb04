// Loading words.txt through the load button, as the user does, and the
// loader's handling of files that fail or change under it.
#include "filter/parse_list.h"
#include "tests/support/main_window_fixture.h"
#include "words/load_word_list.h"
#include "words/result_display.h"
#include "words/word_file.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <new>
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

namespace fs = std::filesystem;

// Allocations of at least kLarge bytes: after largeLeft of them the next one
// fails, once; -1 for never. In these tests the large ones are the program's
// (the packed texts, the list's text, the Win32 backend's copy of it): the
// platform's small ones never fail, as no platform survives that.
constexpr std::size_t kLarge = 1024;
long largeLeft = -1;
bool failed = false;

} // namespace

void* operator new(std::size_t size) {
    if (size >= kLarge && largeLeft >= 0 && largeLeft-- == 0) {
        failed = true;
        throw std::bad_alloc();
    }
    void* block = std::malloc(size > 0 ? size : 1);
    return block ? block : throw std::bad_alloc();
}
// The address sanitizer's own would not call the one above.
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }

namespace {

using LoadWordListTest = MainWindowTest;

// What a word file's lines give is the games table's (tests/web/games.txt).
// A trailing space is a unit like any other; a line of 100,000 units is no
// word; and an EINTR left by some earlier call is no reason to read again at
// the end.
TEST_F(LoadWordListTest, TakesLinesOfFiveUtf16UnitsUpperCased) {
    load("kiwi \n" + std::string(100000, 'x') + "\n");
    loadWordListFrom(
        [](std::u16string& whyNot) { return errno = EINTR, openWordFile("words.txt", whyNot); });
    EXPECT_EQ(countLabelText(), u"Words: 1");
    EXPECT_EQ(resultTextContent(), u"KIWI    ");
}

// A file that opens and then fails at its first read.
struct UnreadableSource : ByteSource {
    long read(char*, std::size_t) override { return -1; }
};

// What the platform says when it refuses a file to everyone, which no test
// can make where it runs as root or under Wine (errno, or GetLastError).
#ifdef _WIN32
constexpr long kAccessDenied = 5, kDeviceNotReady = 21;
constexpr const char* kDevice = "NUL";
#else
constexpr long kAccessDenied = EACCES, kDeviceNotReady = EIO;
constexpr const char* kDevice = "/dev/null";
#endif

// Refuses the file with the error, or with none opens it and fails at its
// first read.
OpenWordFile failing(long error) {
    return [error](std::u16string& whyNot) -> std::unique_ptr<ByteSource> {
        if (error == 0)
            return std::make_unique<UnreadableSource>();
        whyNot = whyNotOpened("words.txt", error);
        return nullptr;
    };
}

// Each case makes words.txt something that cannot be read as a word list,
// or opens through the loader's injected open what the platform would.
TEST_F(LoadWordListTest, FileThatCannotBeReadLeavesTheListAsItWas) {
    static std::ifstream holder;   // a program that holds the file open
    static std::error_code noLink; // Wine makes none
    const struct {
        void (*make)();
        OpenWordFile open; // none: the load button's
        std::u16string why;
    } cases[] = {
        {[] {}, {}, u"words.txt not found"},
        {[] { fs::create_directory("words.txt"); }, {}, u"words.txt is not a file"},
#ifdef _WIN32
        {[] {
             std::ofstream("words.txt") << "slate\n";
             holder.open("words.txt");
         },
         {},
         u"words.txt is in use"},
#else
        // With no writer, a plain open of a FIFO would block.
        {[] { ::mkfifo("words.txt", 0600); }, {}, u"words.txt is not a file"},
#endif
        {[] {}, [](std::u16string& whyNot) { return openWordFile(kDevice, whyNot); },
         fs::path(kDevice).u16string() + u" is not a file"},
        {[] {}, failing(kAccessDenied), u"words.txt: access denied"},
        {[] {}, failing(kDeviceNotReady), u"words.txt: cannot open"},
        {[] {}, failing(0), u"words.txt: read error"},
        // A real file that its user may not read, where there is one: a
        // write-only file of the kernel's, which only PCI sysfs has.
        {[] { fs::create_symlink("/sys/bus/pci/rescan", "words.txt", noLink); },
         {},
         u"words.txt: access denied"},
    };
    load("crane\n");
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        fs::remove_all("words.txt");
        cases[i].make();
        if (i + 1 == std::size(cases) && (!fs::exists("words.txt") || std::ifstream("words.txt"))) {
            std::cout << "No file that this user may not read (no PCI sysfs, or under Wine)\n";
            continue;
        }
        if (cases[i].open)
            loadWordListFrom(cases[i].open);
        else
            pressButton(gadget::kLoadButton);
        holder.close();
        EXPECT_EQ(countLabelText(), cases[i].why);
        EXPECT_EQ(resultTextContent(), u"CRANE   ");
        EXPECT_EQ(candidateCount(), 1);
    }
}

// The second of the loader's two passes finds another file, or none: what
// both passes saw is stored, or nothing is.
TEST_F(LoadWordListTest, SecondPassThatDiffersOrFails) {
    static const char unreadable[] = "";
    const struct {
        const char* second; // nullptr: it cannot be opened
        std::u16string count, list;
    } cases[] = {
        // Shrank: the lines of the earlier load above it are not taken.
        {"eeeee\n", u"Words: 1", u"EEEEE   "},
        // Grew: no more lines are stored than were counted.
        {"crane\nslate\nbrick\n", u"Words: 2", u"CRANE   SLATE   "},
        {nullptr, u"words.txt not found", u""},
        {unreadable, u"words.txt: read error", u""},
        // After those that failed, one that succeeds.
        {"crane\nslate\n", u"Words: 2", u"CRANE   SLATE   "},
    };
    for (const auto& c : cases) {
        load("aaaaa\nbbbbb\nccccc\nddddd\n");
        loadWordListFrom(
            [&, pass = 0](std::u16string& whyNot) mutable -> std::unique_ptr<ByteSource> {
                const char* bytes = pass++ == 0 ? "crane\nslate\n" : c.second;
                whyNot = u"words.txt not found";
                if (bytes == unreadable)
                    return std::make_unique<UnreadableSource>();
                return bytes ? std::make_unique<MemorySource>(bytes) : nullptr;
            });
        EXPECT_EQ(countLabelText(), c.count);
        EXPECT_EQ(resultTextContent(), c.list);
        EXPECT_EQ(candidateCount(), int(c.list.size() / 8));
    }
}

// Out of memory at each of the program's large allocations in turn, in a
// load and in a parse pass with its display: the label says so, or gives the
// count of the list that is in, which the area shows whole or not at all; and
// the same step with memory enough then does what it always does.
TEST_F(LoadWordListTest, OutOfMemoryAnywhereIsAnAnswer) {
    static std::string words; // 150 of them, most without an E
    for (int i = 0; i < 150; ++i)
        words += std::string{"abc"[i % 3], 'r', 'a', char('a' + i % 26), "eio"[i % 3], '\n'};
    const struct {
        void (*before)();
        void (*step)();
    } steps[] = {
        {[] { load("crane\n"), std::ofstream("words.txt", std::ios::binary) << words; },
         loadWordList},
        {[] { load(words), chooseLetterState(4, 1); }, parseList}, // E grey
    };
    for (const auto& [before, step] : steps) {
        before(), step();
        const auto shown = [] { return std::pair(countLabelText(), resultTextContent()); };
        const auto always = shown();
        long failures = 0;
        for (;; ++failures) {
            before();
            failed = false, largeLeft = failures;
            step(), largeLeft = -1;
            if (!failed)
                break;
            SCOPED_TRACE(failures);
            const auto [label, list] = shown();
            const int count = candidateCount();
            EXPECT_TRUE(label == countText(count) ||
                        (label == u"words.txt: out of memory" && !count));
            EXPECT_TRUE(list.empty() || list.size() == 8u * count) << list.size();
            step();
            EXPECT_EQ(shown(), always);
        }
        EXPECT_GE(failures, 2); // the list's texts and its display at least
    }
}

} // namespace
