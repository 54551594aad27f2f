#pragma once

#include "programfolder.h"

#include <QStringList>

class CncLibrary;
class QTextStream;

// truvnet dir MACHINE: the programs of an Ethernet machine's CNC memory, one per line (number,
// size in bytes, comment, separated by tabs), in the CNC's order. Returns the exit status; every
// failure is told on err with the library's message for its code.
int listCncDirectory(const ProgramFolder &folder, const QString &machine, CncLibrary &library, QTextStream &out,
                     QTextStream &err);
