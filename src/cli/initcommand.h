#pragma once

// truvnet --init [FOLDER]: the empty delivered files of a program folder.
int initialise(int argc, char **argv);
