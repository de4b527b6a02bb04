#include "app/shell.h"

#include "app/main_window.h"
#include "filter/letter_panel.h"
#include "filter/parse_list.h"
#include "layout/gadget_numbers.h"
#include "ui/toolkit.h"
#include "words/load_word_list.h"
#include "words/word_store.h"

int currentEventCode = 0;
int currentGadget = 0;
int quitRequested = 0;

int runProgram() {
    ui::initToolkit();
    // The store is ready before any control exists, so every handler finds a
    // valid store even before the first load.
    initWordStore();
    if (openMainWindow()) {
        createMainWindowControls();
        eventLoop();
    }
    ui::closeToolkit();
    return 0;
}

void eventLoop() {
    for (;;) {
        currentEventCode = ui::nextEvent();
        if (currentEventCode == ui::kGadgetEvent) {
            currentGadget = ui::eventSource();
            dispatchGadgetEvent();
        }
        if (currentEventCode == ui::kCloseRequest)
            quitRequested = 1;
        if (quitRequested == 1)
            return;
    }
}

// The event's type is not examined: each listed control raises one kind of
// user event, and the program's own changes raise none, so one user action
// runs its handler once. The text area and the labels route nowhere.
void dispatchGadgetEvent() {
    using namespace gadget;
    const int number = currentGadget;
    if (number == kParseButton) {
        parseList();
    } else if (number == kLoadButton) {
        loadWordList();
    } else if (number == kResetButton) {
        resetLetterStates();
        refreshLetterPanel();
    } else if (number >= letterList(0) && number <= letterList(kLetterCount - 1)) {
        refreshLetterPanel();
    } else if (number >= kFirstTickBox && number <= kLastTickBox) {
        refreshLetterPanel();
    }
}
