#pragma once

#include "programfolder.h"

#include <QString>

#include <memory>

class ArchiveStore;
class ArchiveUsers;

// Compacting the archive: the archive is closed, compacted into miodb.mdb, and the copy takes
// the archive's place. The archive file is replaced by a rename, so it is never missing.
// An archive on a server is left in place: the server's own maintenance (VACUUM ANALYZE) runs
// on its tables instead, which never removes a row.
struct ReorganisationResult {
    enum class Stage { Done, ServerMaintained, CompactFailed, ReplaceFailed };
    Stage stage = Stage::Done;
    QString description;
    int number = 0;

    // The message the user sees before the program ends.
    QString message() const;
};

// Closes and releases the archive first; the program must end afterwards. Refused, with the
// archive untouched, while another process uses the archive. keepRevisions (settings key
// revisions/keep) above 0 keeps only that many of each program's newest revisions; the only
// place where revisions are ever dropped.
ReorganisationResult reorganiseArchive(std::unique_ptr<ArchiveStore> &archive, const ProgramFolder &folder,
                                       ArchiveUsers &users, int keepRevisions = 0);
