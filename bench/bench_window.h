// The benchmarks time the real main window, headless unless told otherwise.
#pragma once

#include "app/main_window.h"
#include "ui/toolkit.h"
#include "words/word_store.h"

#include <QApplication>

inline bool openBenchWindow() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ui::initToolkit();
    initWordStore();
    if (!openMainWindow())
        return false;
    createMainWindowControls();
    QApplication::processEvents();
    return true;
}
