#pragma once

#include "programfolder.h"

#include <QStringList>

class ArchiveStore;
class QIODevice;
class QTextStream;

// truvnet diff N [REV [REV]]: the unified diff, as diff -u prints it, between two revisions,
// a revision and the current text, or (without REV) the program's last two revisions. Exit 0
// when the texts are equal, 1 when they differ, 2 on error (a damaged revision among them).
int diffRevisions(ArchiveStore &archive, const ProgramFolder &folder, const QStringList &args, QIODevice &out,
                  QTextStream &err);
