// What the "Next guesses" panel (panel.js) reads of the program while the
// program waits for the next event: the loaded words and the current list,
// in the module's memory, and what the rows would keep. Each list carries a
// generation that counts its changes, so that the page sends a list on to
// the advice worker only when it changed.
#include "app/program_lists.h"

#include <emscripten.h>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

struct SharedList {
    program::WordUnits words;
    program::WordUnits fresh; // the next reading, kept for its memory
    std::int32_t generation = 0;

    void refresh(bool changed, void (*read)(program::WordUnits&)) {
        if (!changed)
            return;
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
// What the rows keep of the loaded words, and for which rows and words.
std::int32_t kept = -1;
std::vector<int> keptForRows;
std::int32_t keptForWords = -1;

} // namespace

// The loaded words' address, count and generation, the same for the current
// list, then how many words the rows would keep: -1 where that is not known,
// -2 where it is not counted yet. The count is a pass of the rows over every
// loaded word, made only when asked, so that the page can put it off until
// the frame of the change is painted. Running out of memory throws through to
// the page, whose panel then gives up.
extern "C" EMSCRIPTEN_KEEPALIVE const std::int32_t* web_programLists(int countKept) {
    // Most events change nothing that the panel reads: each read is made
    // only when what it reads changed.
    loaded.refresh(program::loadedLinesChanged(), program::readLoadedWords);
    candidates.refresh(program::candidatesChanged(), program::readCandidates);
    std::vector<int> rows = program::rowStates();
    const bool counted = rows == keptForRows && loaded.generation == keptForWords && kept >= 0;
    if (!counted && countKept) {
        kept = program::wordsTheRowsKeep(loaded.words);
        keptForRows = std::move(rows);
        keptForWords = loaded.generation;
    }
    summary = {loaded.address(),
               loaded.count(),
               loaded.generation,
               candidates.address(),
               candidates.count(),
               candidates.generation,
               counted || countKept ? kept : -2};
    return summary.data();
}
