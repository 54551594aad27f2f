#pragma once

#include <QString>

class ProgramFolder;

// truvnet machines: the machines of cncsett.dat in file order, one line each, tab-separated:
// index, name, kind and how the machine is reached. False with the reason in *error when an
// existing machine file cannot be read.
bool listMachines(const ProgramFolder &folder, QString *listing, QString *error);
