#pragma once

#include "programfolder.h"

#include <QString>

#include <memory>

class ArchiveStore;
class ArchiveUsers;

// Compacting the archive: the archive is closed, compacted into miodb.mdb, and the copy takes
// the archive's place. The archive file is replaced by a rename, so it is never missing.
struct ReorganisationResult {
    enum class Stage { Done, CompactFailed, ReplaceFailed };
    Stage stage = Stage::Done;
    QString description;
    int number = 0;

    // The message the user sees before the program ends.
    QString message() const;
};

// Closes and releases the archive first; the program must end afterwards. Refused, with the
// archive untouched, while another process uses the archive.
ReorganisationResult reorganiseArchive(std::unique_ptr<ArchiveStore> &archive, const ProgramFolder &folder,
                                       ArchiveUsers &users);
