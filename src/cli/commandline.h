#pragma once

#include <optional>

// The subcommand that the command line names, run to its end; nullopt when the words ask for
// the windows (none, or options such as Qt's -platform). Subcommands need no display.
std::optional<int> runCommandLine(int argc, char **argv);
