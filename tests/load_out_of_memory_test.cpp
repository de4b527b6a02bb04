// Loads that run out of memory part-way. This executable replaces the
// global operator new so that large allocations fail on demand.
#include "tests/support/load_helpers.h"

#include <cstdlib>
#include <limits>
#include <new>
#include <string>
#include <utility>

namespace {
constexpr std::size_t kNever = std::numeric_limits<std::size_t>::max();
std::size_t failFrom = kNever; // allocations of this size and more fail...
int largeAllowed = 0;          // ...after this many of them
} // namespace

// These replacements pair malloc and free themselves.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
    void* memory = size >= failFrom && largeAllowed-- <= 0 ? nullptr : std::malloc(size ? size : 1);
    if (!memory)
        throw std::bad_alloc();
    return memory;
}

void operator delete(void* memory) noexcept { std::free(memory); }

void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace {

constexpr std::size_t kLimit = 8 << 20;

using LoadOutOfMemoryTest = LoadTest;

TEST_F(LoadOutOfMemoryTest, LoadCutShortLeavesAnEmptyListAndASoundStore) {
    const std::pair<std::string, int> cases[] = {
        // Each array needs more than the limit; the third resize fails.
        {std::string(kLimit / 8, '\n'), 2},
        // A line too long to hold.
        {"slate\n" + std::string(2 * kLimit, 'x') + "\n", 0},
    };
    for (const auto& [file, allowed] : cases) {
        load("crane\n");
        failFrom = kLimit;
        largeAllowed = allowed;
        load(file);
        failFrom = kNever;
        EXPECT_EQ(countLabelText(), u"words.txt: out of memory");
        EXPECT_EQ(resultTextContent(), u"");
        EXPECT_EQ(candidateCount(), 0);
        expectStoreSound();
    }
    load("slate\n");
    EXPECT_EQ(resultTextContent(), u"SLATE   ");
}

} // namespace
