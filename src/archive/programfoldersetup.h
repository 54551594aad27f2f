#pragma once

#include "programfolder.h"

#include <QStringList>

// truvnet --init: the empty delivered files of a program folder. Existing files are never
// overwritten.
struct ProgramFolderSetupResult {
    QStringList created;  // paths made now
    QStringList kept;     // paths that existed already
    QString error;        // empty on success
};

ProgramFolderSetupResult initialiseProgramFolder(const ProgramFolder &folder);
