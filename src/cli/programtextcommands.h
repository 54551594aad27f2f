#pragma once

#include "programfolder.h"

#include <QStringList>

class ArchiveStore;
class QIODevice;
class QTextStream;

// Packs the revisions a change left pending; the change stands either way, so a failure is only
// told (they stay pending until the next try).
void packAfterChange(ArchiveStore &archive, const ProgramFolder &folder, QTextStream &err);
// truvnet text N: the program's current text, byte for byte. Exit 1 when N is not in the
// archive or its text cannot be read.
int printProgramText(ArchiveStore &archive, const ProgramFolder &folder, const QStringList &args, QIODevice &out,
                     QTextStream &err);
// truvnet store N FILE (- for standard input): FILE becomes the program's text as the editor's
// save makes it: cleaned the same way, written atomically, the replaced text kept as a revision
// from the command line. Exit 1 when N is not in the archive or nothing could be stored.
int storeProgramText(ArchiveStore &archive, const ProgramFolder &folder, const QStringList &args, QIODevice &in,
                     QTextStream &out, QTextStream &err);
