#pragma once

#include "accessreader.h"
#include "programfolder.h"

#include <QStringList>

class QTextStream;

// truvnet import-access SOURCE [FOLDER]: a new program folder (default: the program folder) from
// an old shop's one. The rows read and written of every table go to out, warnings and the reason
// of a failure to err. Returns the exit status: 0, 1 on a failure or any count that differs, 2 on
// wrong arguments.
int importAccessArchive(const QStringList &arguments, const ProgramFolder &defaultFolder,
                        const AccessReaderFactory &openReader, QTextStream &out, QTextStream &err);
