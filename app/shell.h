// Start-up, the event loop and the routing of gadget events to handlers.
#pragma once

// Runs the whole program; the result is the process's exit code, always 0.
int runProgram();

// Waits for events and handles them one at a time until the window is
// asked to close.
void eventLoop();

// Runs the handler that the current gadget number selects.
void dispatchGadgetEvent();

// The shell's program-wide values.
extern int currentEventCode;
extern int currentGadget;
extern int quitRequested;
