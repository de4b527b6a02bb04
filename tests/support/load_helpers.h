// A main window in a fresh current directory, for tests that load words.txt.
#pragma once

#include "tests/support/main_window_fixture.h"
#include "tests/support/scratch_directory.h"
#include "words/word_store.h"

#include <string_view>

class LoadTest : public MainWindowTest {
  protected:
    ScratchDirectory directory;

    // Writes the bytes, exactly, to words.txt and presses the load button.
    static void load(std::string_view bytes) {
        ScratchDirectory::write("words.txt", bytes);
        pressButton(gadget::kLoadButton);
    }
};

// The store's invariants, which must hold after every load, failed or not.
inline void expectStoreSound() {
    const WordStore& store = wordStore();
    EXPECT_GE(store.lastIndex, -1);
    EXPECT_LT(store.lastIndex, static_cast<int>(store.candidates.size()));
    EXPECT_EQ(store.candidates.size(), store.scratch.size());
}
