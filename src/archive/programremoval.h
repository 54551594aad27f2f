#pragma once

#include "programfolder.h"

class ArchiveStore;

// Deleting an archived program: its text file and row (kept first as a revision, see
// revisedtext.h), then its picture files and catalogue rows. The pictures go whatever became
// of each other; the result says which step failed.
struct ProgramRemovalResult {
    bool textRemoved = true;     // also true when there was no text file
    bool picturesRemoved = true;
    bool catalogueRowsRemoved = true;
    bool rowRemoved = true;
    QString error; // why the text and the row are still there

    bool complete() const { return textRemoved && picturesRemoved && catalogueRowsRemoved && rowRemoved; }
};

ProgramRemovalResult removeArchivedProgram(ArchiveStore &archive, const ProgramFolder &folder, qint32 number);
