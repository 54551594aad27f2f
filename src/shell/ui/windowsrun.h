#pragma once

// truvnet's windows: the start-up sequence, then the main window, until the program ends.
int runWindows(int argc, char **argv);
