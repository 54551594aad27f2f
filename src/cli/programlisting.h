#pragma once

#include "programfolder.h"

#include <QStringList>

class QTextStream;

// truvnet programs [--customer X | --drawing X | --description X | --number N]: the archive
// browser's searches for scripts, one program a line (number, customer, drawing, description,
// machine; tab-separated). Without an option every program, by number. Returns the exit status:
// 2 for words that do not fit the usage, 1 when the archive cannot be read or --number finds
// nothing.
int listPrograms(const ProgramFolder &folder, const QStringList &options, QTextStream &out, QTextStream &err);

// truvnet programs: the whole command line, as main() has it; the exit status.
int programsCommand(int argc, char **argv);
