#pragma once

#include "programfolder.h"

class Pinger;
class PortProbe;
class QTextStream;

// truvnet lines: the start-up line test without windows, its result lines and "Test terminato"
// on out. Returns 0 when every line answered, 1 otherwise or when the machine file cannot be read.
int testLines(const ProgramFolder &folder, Pinger &pinger, PortProbe &probe, QTextStream &out, QTextStream &err);

// truvnet lines: the whole command line, as main() has it; the exit status.
int lineTestCommand(int argc, char **argv);
