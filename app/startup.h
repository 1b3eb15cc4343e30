#pragma once

// Runs the program: start-up, the event loop until Quit, then shut-down.
int runQuillory(int argc, char **argv);
