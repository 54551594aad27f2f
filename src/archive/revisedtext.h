#pragma once

#include "programrevisions.h"

#include <QByteArray>
#include <QString>

#include <optional>

class ArchiveStore;
class ProgramFolder;

// Every replacement or removal of an archived program's text goes through here: in one
// database transaction, which also locks the program's row against other PCs, the text being
// replaced is kept as a revision, then the file changes; a revision that cannot be written
// leaves the file as it was, and a file that cannot change leaves no revision behind.
struct TextChange {
    bool done = false;
    // The revision that keeps the replaced text; none when there was no text, or the same one.
    std::optional<int> revision;
    QString error;
};

// bytes become the program's text, written atomically. The program's row must exist.
TextChange replaceProgramText(ArchiveStore &archive, const ProgramFolder &folder, qint32 number,
                              const QByteArray &bytes, RevisionOrigin origin);
// A file renamed over the program's text (a program received by DNC); also for a number
// without a row.
TextChange moveIntoProgramText(ArchiveStore &archive, const ProgramFolder &folder, qint32 number,
                               const QString &sourcePath);
// The program's text and row go; the revision keeps both, so the program can come back.
TextChange removeProgramTextAndRow(ArchiveStore &archive, const ProgramFolder &folder, qint32 number);
// A revision becomes the current text; a deleted program gets its row back from the revision
// that kept it, unless another program has its number now.
TextChange restoreRevision(ArchiveStore &archive, const ProgramFolder &folder, qint32 number, int revision);
