#pragma once

#include "accessreader.h"
#include "programfolder.h"

#include <QStringList>

#include <functional>

class QTextStream;

// truvnet import-access SOURCE [FOLDER]: a new program folder (default: the program folder) from
// an old shop's one. The rows read and written of every table go to out, warnings and the reason
// of a failure to err. pendingSignal, asked between rows and files, gives the number of a signal
// (Ctrl+C) that asks to stop, or 0: the import then ends, undone. Returns the exit status: 0, 1 on
// a failure or any count that differs, 2 on wrong arguments, 128 + the signal's number when stopped.
int importAccessArchive(const QStringList &arguments, const ProgramFolder &defaultFolder,
                        const AccessReaderFactory &openReader, const std::function<int()> &pendingSignal,
                        QTextStream &out, QTextStream &err);

// truvnet import-access: the whole command line, as main() has it; the exit status.
int importAccessCommand(int argc, char **argv);
