// Loads that run out of memory part-way. This program replaces the global
// operator new so that large allocations fail on demand.
#include "tests/support/main_window_fixture.h"

#include <cstdlib>
#include <new>

constexpr std::size_t kLarge = 8 << 20;
static int largeAllowed = 1 << 30; // large allocations that may still succeed

// These replacements pair malloc and free themselves.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
    void* memory = size >= kLarge && largeAllowed-- <= 0 ? nullptr : std::malloc(size ? size : 1);
    if (!memory)
        throw std::bad_alloc();
    return memory;
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

using LoadOutOfMemory = MainWindowTest;

TEST_F(LoadOutOfMemory, LoadCutShortLeavesAnEmptyListAndASoundStore) {
    // Each array of the first file needs more than kLarge, and the third
    // fails; the second file holds a line too long to hold.
    const std::pair<std::string, int> cases[] = {{std::string(kLarge / 8, '\n'), 2},
                                                 {"slate\n" + std::string(2 * kLarge, 'x'), 0}};
    for (const auto& [file, allowed] : cases) {
        load("crane\n");
        largeAllowed = allowed;
        load(file);
        largeAllowed = 1 << 30;
        EXPECT_EQ(countLabelText(), u"words.txt: out of memory");
        EXPECT_EQ(resultTextContent(), u"");
        EXPECT_EQ(candidateCount(), 0);
        expectStoreSound();
    }
}
