// Loading words.txt through the load button, as the user does, and the
// loader's handling of files that fail or change under it.
#include "tests/support/main_window_fixture.h"
#include "words/load_word_list.h"
#include "words/word_file.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace {

namespace fs = std::filesystem;

#ifdef _WIN32
// A FIFO and a link to a character device, each named words.txt in a folder
// of its own. A Windows program cannot make them, so CTest makes them on the
// Linux side before the test runs under Wine (tests/CMakeLists.txt).
void enterSpecialFolder(const char* name) {
    const char* folder = std::getenv("LARKSPIN_SPECIAL_FILES");
    fs::current_path(fs::path(folder ? folder : "missing-LARKSPIN_SPECIAL_FILES") / name);
}
#endif

using LoadWordListTest = MainWindowTest;

TEST_F(LoadWordListTest, TakesLinesOfFiveUtf16UnitsUpperCasedInFileOrder) {
    pressButton(gadget::kParseButton); // before any load the list is one empty entry
    EXPECT_EQ(countLabelText(), u"Words: 1");
    // Narrow literals are UTF-8. The byte-order mark makes the first line six
    // units long, as the space does the fifth; a surrogate pair counts two;
    // final sigma has a capital of one unit, ß has none; the Greek letters
    // with ypogegrammeni have capitals of one unit each.
    load("\uFEFFcrane\n\u00E9clat\nkiwi \n12345\nslate \nab\U0001F600c\n\u00DFabcd\napple\napple\n"
         "\u03BB\u03CC\u03B3\u03BF\u03C2\n\u1F80\u1FB3\u1FC3\u1FF3\u1FA7\n" +
         std::string(100000, 'x') + "\n");
    EXPECT_EQ(countLabelText(), u"Words: 9");
    EXPECT_EQ(resultTextContent(),
              u"\u00C9CLAT   KIWI    12345   AB\U0001F600C   \u00DFABCD   APPLE   APPLE   "
              u"\u039B\u038C\u0393\u039F\u03A3   \u1F88\u1FBC\u1FCC\u1FFC\u1FAF   ");
}

// Each case makes words.txt something that cannot be read as a word list.
TEST_F(LoadWordListTest, FileThatCannotBeReadLeavesTheListAsItWas) {
    std::ifstream holder; // a program that holds the file open
    const std::pair<void (*)(), std::u16string> cases[] = {
        {[] {}, u"words.txt not found"},
        {[] { fs::create_directory("words.txt"); }, u"words.txt is not a file"},
#ifdef _WIN32
        {[] { std::ofstream("words.txt") << "slate\n"; }, u"words.txt is in use"},
        {[] { enterSpecialFolder("fifo"); }, u"words.txt is not a file"},
        {[] { enterSpecialFolder("device"); }, u"words.txt is not a file"},
        {[] { enterSpecialFolder("denied"); }, u"words.txt: access denied"},
#else
        // With no writer, a plain open of a FIFO would block.
        {[] { ::mkfifo("words.txt", 0600); }, u"words.txt is not a file"},
        {[] { fs::create_symlink("/dev/zero", "words.txt"); }, u"words.txt is not a file"},
        {[] { fs::create_symlink("/proc/self/mem", "words.txt"); }, u"words.txt: read error"},
        // A write-only file of the kernel's, which not even root may read.
        {[] { fs::create_symlink("/sys/bus/pci/rescan", "words.txt"); },
         u"words.txt: access denied"},
#endif
    };
    load("crane\n");
    const fs::path scratch = fs::current_path();
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& [make, why] = cases[i];
        SCOPED_TRACE(i);
        fs::current_path(scratch);
        fs::remove_all("words.txt");
        make();
#ifdef _WIN32
        holder.open("words.txt");
#endif
        pressButton(gadget::kLoadButton);
        holder.close();
        EXPECT_EQ(countLabelText(), why);
        EXPECT_EQ(resultTextContent(), u"CRANE   ");
        EXPECT_EQ(candidateCount(), 1);
    }
    fs::current_path(scratch);
}

// A file that opens and then fails at its first read.
struct UnreadableSource : ByteSource {
    long read(char*, std::size_t) override { return -1; }
};

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

} // namespace
