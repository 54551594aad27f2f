#pragma once

#include "programfolder.h"

#include <memory>

class CncLibrary;
class QTextStream;

// truvnet backup MACHINE FOLDER: every program of an Ethernet machine's CNC memory into FOLDER,
// one file per program (O1234.nc, the text as truvnet receive --from writes it), each written
// atomically and only when its text differs from the file already there, so that a nightly run
// leaves the files of unchanged programs as they were. One line per program on out (file,
// characters, written or unchanged); the programs that could not be read are named on err and
// make the exit status 1, the others are kept all the same.
int backupCnc(const ProgramFolder &folder, const QString &machine, const QString &target,
              std::shared_ptr<CncLibrary> library, QTextStream &out, QTextStream &err);

// truvnet backup: the whole command line, as main() has it; the exit status.
int backupCommand(int argc, char **argv);
