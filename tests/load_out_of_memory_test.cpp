// Loads that run out of memory part-way. This executable replaces the
// global operator new so that large allocations can be made to fail on
// demand; nothing else runs in it.
#include "tests/support/load_helpers.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/scratch_directory.h"
#include "words/word_store.h"

#include <cstdlib>
#include <limits>
#include <new>
#include <string>

namespace {

std::size_t failFrom = std::numeric_limits<std::size_t>::max();
int largeAllocationsAllowed = 0;

// While it lives, allocations of at least `size` bytes fail, after the
// first `allowed` of them.
class LargeAllocationsFail {
  public:
    LargeAllocationsFail(std::size_t size, int allowed) {
        failFrom = size;
        largeAllocationsAllowed = allowed;
    }
    ~LargeAllocationsFail() { failFrom = std::numeric_limits<std::size_t>::max(); }
    LargeAllocationsFail(const LargeAllocationsFail&) = delete;
    LargeAllocationsFail& operator=(const LargeAllocationsFail&) = delete;
};

} // namespace

void* operator new(std::size_t size) {
    if (size >= failFrom && largeAllocationsAllowed-- <= 0)
        throw std::bad_alloc();
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace {

constexpr std::size_t kLimit = 8 << 20;

class LoadOutOfMemoryTest : public MainWindowTest {
  protected:
    ScratchDirectory directory;

    void SetUp() override {
        MainWindowTest::SetUp();
        ScratchDirectory::write("words.txt", "crane\n");
        pressLoad();
        ASSERT_EQ(resultTextContent(), u"CRANE   ");
    }
};

TEST_F(LoadOutOfMemoryTest, LineTooLongToHoldEndsTheLoadWithAnEmptyList) {
    ScratchDirectory::write("words.txt", "slate\n" + std::string(2 * kLimit, 'x') + "\nbrick\n");
    {
        LargeAllocationsFail fail(kLimit, 0);
        pressLoad();
    }
    EXPECT_EQ(countLabelText(), u"words.txt: out of memory");
    EXPECT_EQ(resultTextContent(), u"");
    EXPECT_EQ(wordStore().lastIndex, -1);
    expectStoreSound();
}

TEST_F(LoadOutOfMemoryTest, ResizeCutShortLeavesTheArraysEvenlySized) {
    // Each array element takes more than 8 bytes, so each of the three
    // arrays needs more than the limit; the third one fails.
    const int lines = static_cast<int>(kLimit / 8);
    ScratchDirectory::write("words.txt", std::string(static_cast<std::size_t>(lines), '\n'));
    {
        LargeAllocationsFail fail(kLimit, 2);
        pressLoad();
    }
    EXPECT_EQ(countLabelText(), u"words.txt: out of memory");
    EXPECT_EQ(wordStore().lastIndex, -1);
    expectStoreSound();
    EXPECT_EQ(wordStore().rawLines.size(), static_cast<std::size_t>(lines) + 1);

    // The next load works as usual.
    ScratchDirectory::write("words.txt", "slate\n");
    pressLoad();
    EXPECT_EQ(resultTextContent(), u"SLATE   ");
    expectStoreSound();
}

} // namespace
