#pragma once

#include "programfolder.h"

#include <QStringList>

class ArchiveStore;
class QIODevice;
class QTextStream;

// The subcommands on program revisions and texts, for scripts and CAM post-processors:
// revisions, diff, restore, text and store. Each takes the words after its name and answers
// with its exit status: 2 for words that do not fit the usage.
namespace RevisionCommands {

// Runs the subcommand of argv[1] on the program folder of the environment.
int run(int argc, char **argv);

// truvnet revisions N: one revision a line, tab-separated (revision, UTC time, who, origin,
// size, SHA-256), newest first.
int listRevisions(ArchiveStore &archive, const QStringList &args, QTextStream &out, QTextStream &err);
// truvnet restore N REV
int restore(ArchiveStore &archive, const ProgramFolder &folder, const QStringList &args, QTextStream &out,
            QTextStream &err);

} // namespace RevisionCommands
