// For the Qt-only tests: the widget behind a gadget, and the events waiting.
#pragma once

#include "tests/support/main_window_fixture.h"
#include "ui/qt/gadget_record.h"

#include <QWidget>

inline QWidget* widgetOf(int number) {
    QWidget* widget = ui::gadgetWidget(number);
    EXPECT_NE(widget, nullptr) << "no gadget " << number;
    return widget;
}

// Runs the program's event loop over the events waiting; returns how many.
inline int dispatchPendingEvents() {
    driver::settle();
    const int waiting = driver::pendingEvents();
    runEventLoop();
    return waiting;
}
