// A fresh main window with all its controls for each test, and helpers that
// act on it the way the event loop would.
#pragma once

#include <gtest/gtest.h>

#include <QWidget>

#include <string>

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
};

// Takes every queued event and dispatches the gadget events, as the event
// loop does; returns the number of events taken. Never waits.
int dispatchPendingEvents();

// The widget of a gadget, failing the test when there is none.
QWidget* widgetOf(int number);

// Texts of the count label and the result area.
std::u16string countLabelText();
std::u16string resultTextContent();
