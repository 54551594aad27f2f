#pragma once

#include "programfolder.h"

class ArchiveStore;

// Deleting an archived program: its text file, picture files, catalogue rows and row.
// Each step is attempted whatever became of the others; the result says which failed.
struct ProgramRemovalResult {
    bool textRemoved = true;     // also true when there was no text file
    bool picturesRemoved = true;
    bool catalogueRowsRemoved = true;
    bool rowRemoved = true;

    bool complete() const { return textRemoved && picturesRemoved && catalogueRowsRemoved && rowRemoved; }
};

ProgramRemovalResult removeArchivedProgram(ArchiveStore &archive, const ProgramFolder &folder, qint32 number);
