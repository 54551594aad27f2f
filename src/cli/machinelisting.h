#pragma once

#include <QString>

class ProgramFolder;

// truvnet machines: the machines of cncsett.dat in file order, one line each, tab-separated:
// index, name, kind and how the machine is reached. False with the reason in *error when an
// existing machine file cannot be read; *warning tells of a missing file or unreadable lines.
bool listMachines(const ProgramFolder &folder, QString *listing, QString *error, QString *warning);

// truvnet machines: the whole command line, as main() has it; the exit status.
int listMachinesCommand(int argc, char **argv);
