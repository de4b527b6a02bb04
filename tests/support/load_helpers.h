// Helpers for tests that load words.txt.
#pragma once

#include "app/gadget_numbers.h"
#include "tests/support/main_window_fixture.h"
#include "words/word_store.h"

#include <QTest>

// Presses the load button and runs the events it raised.
inline void pressLoad() {
    QTest::mouseClick(widgetOf(gadget::kLoadButton), Qt::LeftButton);
    dispatchPendingEvents();
}

// The store's invariants, which must hold after every load, failed or not.
inline void expectStoreSound() {
    const WordStore& store = wordStore();
    EXPECT_GE(store.lastIndex, -1);
    EXPECT_LT(store.lastIndex, static_cast<int>(store.candidates.size()));
    EXPECT_EQ(store.candidates.size(), store.scratch.size());
}
