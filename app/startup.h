#pragma once

// Start-up, before the event loop: module state, the application object with its
// menu bar and handlers, the main window, and the Open event that deals the first
// hand. Needs a QApplication. Returns false when start-up failed.
bool startUp();

// Shut-down, after the event loop: closes what is still open, then releases the
// application object, the menu bars and the module state.
void shutDown();

// The whole program: start-up, the event loop until Quit, shut-down.
int runQuillory(int argc, char **argv);
