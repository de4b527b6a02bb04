#include "filter/letter_panel.h"

#include "filter/letter_colours.h"
#include "filter/letter_state.h"
#include "filter/parse_list.h"
#include "layout/gadget_numbers.h"
#include "ui/toolkit.h"

using namespace gadget;

// Sets everything on every call, changed or not: the panel keeps no copy of
// the states to compare against, the controls are the only record.
void refreshLetterPanel() {
    for (int k = 0; k < kLetterCount; ++k) {
        const int state = ui::getState(letterList(k));
        if (isLetterState(state)) {
            ui::setColour(letterLabel(k), ui::kBackground, kLetterColours[state].background);
            ui::setColour(letterLabel(k), ui::kForeground, kLetterColours[state].text);
        }
        // Hiding keeps the ticks, so they apply again when the row turns
        // yellow again.
        const int hidden = state == Present ? 0 : 1;
        for (int p = 1; p <= kPositions; ++p)
            ui::setHidden(tickBox(k, p), hidden);
    }
    parseList();
}

void resetLetterStates() {
    for (int k = 0; k < kLetterCount; ++k)
        ui::setState(letterList(k), Unmarked);
    for (int number = kFirstTickBox; number <= kLastTickBox; ++number)
        ui::setState(number, 0);
}
