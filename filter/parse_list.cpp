#include "filter/parse_list.h"

#include "filter/letter_filters.h"
#include "filter/letter_state.h"
#include "layout/gadget_numbers.h"
#include "ui/toolkit.h"
#include "words/result_display.h"
#include "words/word_store.h"

#include <new>

namespace {

void applyLetterState(const std::u16string& letter, int state) {
    if (state == Absent)
        filterAbsent(letter);
    else if (state == Present)
        filterPresent(letter);
    else if (state >= Green1 && state <= Green5)
        filterAtPosition(letter, greenPosition(state));
    // "?" and anything outside the known states (-1 for no selection) add
    // no constraint.
}

} // namespace

void applyLetterStates() {
    for (int k = 0; k < gadget::kLetterCount; ++k) {
        // Read as the pass reaches the row; each filter works on what the
        // letters before it left.
        const int state = ui::getState(gadget::letterList(k));
        const std::u16string letter(1, static_cast<char16_t>(u'A' + k));
        applyLetterState(letter, state);
    }
}

void parseList() {
    try {
        applyLetterStates();
    } catch (const std::bad_alloc&) {
        // Out of memory in a pass, which left the list as the passes before
        // it had: the count and the list shown are that list's.
    }
    showCount(candidateCount());
    showCandidates();
}
