#pragma once

#include "databaseaddress.h"
#include "programfolder.h"

class QTextStream;

// truvnet copy-archive postgresql://… : the folder's archive file and picture catalogue copied
// into a server database that holds neither yet, in one transaction, then the rows counted on
// both sides. Lines on out say what was copied; the reason of a failure goes to err.
// Returns the exit status: 0, 1 on a failure or any count that differs.
int copyArchiveToServer(const ProgramFolder &folder, const DatabaseAddress &target, QTextStream &out,
                        QTextStream &err);

// truvnet copy-archive: the whole command line, as main() has it; the exit status.
int copyArchiveCommand(int argc, char **argv);
