// What the "Next guesses" panel (panel.js) reads of the program while the
// program waits for the next event: the loaded words and the current list,
// in the module's memory, and what the rows would keep. Each list carries a
// generation that counts its changes, so that the page sends a list on to
// the advice worker only when it changed.
#include "advice/program_lists.h"

#include <emscripten.h>

#include <array>
#include <cstdint>

namespace {

struct SharedList {
    advice::WordUnits words;
    advice::WordUnits fresh; // the next reading, kept for its memory
    std::int32_t generation = 0;

    void refresh(void (*read)(advice::WordUnits&)) {
        read(fresh);
        if (fresh != words) {
            words.swap(fresh);
            ++generation;
        }
    }
    std::int32_t address() const {
        return static_cast<std::int32_t>(reinterpret_cast<std::uintptr_t>(words.data()));
    }
    std::int32_t count() const { return static_cast<std::int32_t>(words.size() / 5); }
};

SharedList loaded, candidates;
std::array<std::int32_t, 7> summary;

} // namespace

// The loaded words' address, count and generation, the same for the current
// list, then how many words the rows would keep (-1: not known). Running out
// of memory throws through to the page, whose panel then gives up.
extern "C" EMSCRIPTEN_KEEPALIVE const std::int32_t* web_programLists() {
    loaded.refresh(advice::readLoadedWords);
    candidates.refresh(advice::readCandidates);
    const std::int32_t kept = advice::wordsTheRowsKeep(loaded.words);
    summary = {loaded.address(),
               loaded.count(),
               loaded.generation,
               candidates.address(),
               candidates.count(),
               candidates.generation,
               kept};
    return summary.data();
}
