// Loading words.txt through the load button, as the user does, and the
// loader's handling of files that fail or change under it.
#include "app/gadget_numbers.h"
#include "tests/support/load_helpers.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/scratch_directory.h"
#include "ui/toolkit.h"
#include "words/load_word_list.h"
#include "words/word_store.h"

#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

class LoadWordListTest : public MainWindowTest {
  protected:
    ScratchDirectory directory;

    // A load that worked, so the fault cases can show that it survives them.
    void loadCrane() {
        ScratchDirectory::write("words.txt", "crane\n");
        pressLoad();
        ASSERT_EQ(resultTextContent(), u"CRANE   ");
    }

    void expectCraneStillLoaded() {
        EXPECT_EQ(resultTextContent(), u"CRANE   ");
        EXPECT_EQ(wordStore().lastIndex, 0);
        EXPECT_EQ(wordStore().candidates[0], u"CRANE");
        EXPECT_EQ(wordStore().lineCount, 1);
    }
};

TEST_F(LoadWordListTest, TakesFiveUnitLinesUpperCasedInFileOrder) {
    for (const char* end : {"\n", "\r\n", "\r"}) {
        SCOPED_TRACE(::testing::PrintToString(std::string(end)));
        const std::vector<std::string> lines{"apple", "Grape", "kiwi", "lemons", "12345"};
        std::string file;
        for (const std::string& line : lines)
            file += line + end;
        ScratchDirectory::write("words.txt", file);
        pressLoad();
        EXPECT_EQ(countLabelText(), u"Words: 3");
        EXPECT_EQ(resultTextContent(), u"APPLE   GRAPE   12345   ");
        EXPECT_EQ(wordStore().lineCount, 5);
        EXPECT_EQ(wordStore().rawLines.size(), 6u);
        expectStoreSound();
    }
}

TEST_F(LoadWordListTest, EmptyFileGivesAnEmptyList) {
    ScratchDirectory::write("words.txt", "");
    pressLoad();
    EXPECT_EQ(countLabelText(), u"Words: 0");
    EXPECT_EQ(resultTextContent(), u"");
    EXPECT_EQ(wordStore().lastIndex, -1);
    EXPECT_EQ(wordStore().candidates.size(), 1u);
    EXPECT_EQ(wordStore().scratch.size(), 1u);
}

TEST_F(LoadWordListTest, LengthCountsUtf16CodeUnitsExactlyAsRead) {
    // The byte-order mark stays on the first line and makes it one longer.
    ScratchDirectory::write("words.txt", "\xEF\xBB\xBF"
                                         "crane\n"
                                         "\xC3\xA9"
                                         "clat\n"   // one unit per letter
                                         "kiwi \n"  // the space counts
                                         "slate \n" // so this is six
                                         "ab\xF0\x9F\x98\x80"
                                         "c\n" // a surrogate pair counts two
                                         "\xCE\xBB\xCF\x8C\xCE\xB3\xCE\xBF\xCF\x82\n" // λόγος
                                         "\xC3\x9F"
                                         "abcd\n" // ß has no one-unit capital
                                         "apple\napple");
    pressLoad();
    EXPECT_EQ(countLabelText(), u"Words: 7");
    EXPECT_EQ(resultTextContent(),
              u"\u00C9CLAT   KIWI    AB\U0001F600C   \u039B\u038C\u0393\u039F\u03A3"
              u"   \u00DFABCD   APPLE   APPLE   ");

    ScratchDirectory::write("words.txt", "\xEF\xBB\xBF"
                                         "cran\n");
    pressLoad();
    EXPECT_EQ(countLabelText(), u"Words: 1");
    // The store, not the area: the text area drops a leading U+FEFF.
    EXPECT_EQ(wordStore().candidates[0], u"\uFEFFCRAN");
}

TEST_F(LoadWordListTest, ReloadShowsOnlyTheNewFile) {
    std::string hundred;
    for (int i = 0; i < 100; ++i)
        hundred += "w" + std::to_string(1000 + i) + "\n";
    ScratchDirectory::write("words.txt", hundred);
    pressLoad();
    ASSERT_EQ(countLabelText(), u"Words: 100");

    ScratchDirectory::write("words.txt", "alpha\nbravo\nabcd\ndelta\n");
    pressLoad();
    EXPECT_EQ(countLabelText(), u"Words: 3");
    EXPECT_EQ(resultTextContent(), u"ALPHA   BRAVO   DELTA   ");
    EXPECT_EQ(wordStore().candidates.size(), 5u);
    expectStoreSound();
}

TEST_F(LoadWordListTest, MarkedLettersDoNotFilterTheLoad) {
    ui::setState(gadget::letterList(0), 1);  // A: not present
    ui::setState(gadget::letterList(4), 3);  // E: first
    ui::setState(gadget::letterList(18), 2); // S: yellow
    ScratchDirectory::write("words.txt", "crane\nslate\nbrick\n");
    pressLoad();
    EXPECT_EQ(countLabelText(), u"Words: 3");
    EXPECT_EQ(resultTextContent(), u"CRANE   SLATE   BRICK   ");
}

TEST_F(LoadWordListTest, VeryLongLineIsCountedButNotTaken) {
    ScratchDirectory::write("words.txt", "crane\n" + std::string(100000, 'x') + "\nslate\n");
    pressLoad();
    EXPECT_EQ(countLabelText(), u"Words: 2");
    EXPECT_EQ(wordStore().lineCount, 3);
    EXPECT_EQ(wordStore().rawLines[1].size(), 100000u);
}

// Faults: the load ends at once, the word list stays as it was, and the
// count label says why.

TEST_F(LoadWordListTest, MissingFileLeavesTheListAsItWas) {
    loadCrane();
    ::unlink("words.txt");
    pressLoad();
    EXPECT_EQ(countLabelText(), u"words.txt not found");
    expectCraneStillLoaded();
}

TEST_F(LoadWordListTest, AnythingButARegularFileIsRefusedWithoutBlocking) {
    loadCrane();
    // A FIFO with no writer would block an ordinary open; the devices
    // never end.
    ::unlink("words.txt");
    ASSERT_EQ(::mkfifo("words.txt", 0600), 0);
    pressLoad();
    EXPECT_EQ(countLabelText(), u"words.txt is not a file");
    expectCraneStillLoaded();

    for (const char* device : {"/dev/zero", "/dev/urandom", "/dev/null"}) {
        SCOPED_TRACE(device);
        ::unlink("words.txt");
        ASSERT_EQ(::symlink(device, "words.txt"), 0);
        pressLoad();
        EXPECT_EQ(countLabelText(), u"words.txt is not a file");
        expectCraneStillLoaded();
    }

    ::unlink("words.txt");
    ASSERT_EQ(::mkdir("words.txt", 0700), 0);
    pressLoad();
    EXPECT_EQ(countLabelText(), u"words.txt is not a file");
    expectCraneStillLoaded();
}

TEST_F(LoadWordListTest, ReadErrorLeavesTheListAsItWas) {
    loadCrane();
    // A regular file whose first read fails with EIO: nothing is mapped at
    // address 0.
    ::unlink("words.txt");
    ASSERT_EQ(::symlink("/proc/self/mem", "words.txt"), 0);
    pressLoad();
    EXPECT_EQ(countLabelText(), u"words.txt: read error");
    expectCraneStillLoaded();
}

// Files that change between the two passes, handed in directly.

// Serves the given contents, one per pass; an empty optional stands for a
// file that can no longer be opened.
OpenWordFile passes(std::vector<std::optional<std::string>> contents,
                    std::u16string* labelAtSecondOpen = nullptr) {
    auto held = std::make_shared<std::vector<std::optional<std::string>>>(std::move(contents));
    auto call = std::make_shared<std::size_t>(0);
    return [held, call, labelAtSecondOpen](std::u16string& whyNot) -> std::unique_ptr<ByteSource> {
        const std::size_t pass = (*call)++;
        if (pass == 1 && labelAtSecondOpen)
            *labelAtSecondOpen = countLabelText();
        const std::optional<std::string>& content = held->at(pass);
        if (!content) {
            whyNot = u"words.txt not found";
            return nullptr;
        }
        return std::make_unique<MemorySource>(*content);
    };
}

TEST_F(LoadWordListTest, CountOfAllLinesShowsBetweenThePasses) {
    const std::string file = "apple\nGrape\nkiwi\nlemons\n12345\n";
    std::u16string between;
    loadWordListFrom(passes({file, file}, &between));
    EXPECT_EQ(between, u"Words: 5");
    EXPECT_EQ(countLabelText(), u"Words: 3");
}

TEST_F(LoadWordListTest, FileThatGrewIsStoredOnlyAsFarAsItWasCounted) {
    loadWordListFrom(passes({"crane\nslate\n", "crane\nslate\nbrick\nflint\n"}));
    EXPECT_EQ(resultTextContent(), u"CRANE   SLATE   ");
    EXPECT_EQ(wordStore().rawLines.size(), 3u);
    expectStoreSound();
}

TEST_F(LoadWordListTest, FileThatShrankTakesNoLinesOfAnEarlierLoad) {
    const std::string four = "aaaaa\nbbbbb\nccccc\nddddd\n";
    loadWordListFrom(passes({four, four}));
    ASSERT_EQ(countLabelText(), u"Words: 4");

    loadWordListFrom(passes({four, "eeeee\n"}));
    EXPECT_EQ(countLabelText(), u"Words: 1");
    EXPECT_EQ(resultTextContent(), u"EEEEE   ");
    expectStoreSound();
}

TEST_F(LoadWordListTest, FailureInTheSecondPassLeavesAnEmptyList) {
    const std::string words = "crane\nslate\n";
    loadWordListFrom(passes({words, std::nullopt}));
    EXPECT_EQ(countLabelText(), u"words.txt not found");
    EXPECT_EQ(resultTextContent(), u"");
    EXPECT_EQ(wordStore().lastIndex, -1);
    expectStoreSound();
}

} // namespace
