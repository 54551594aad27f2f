#pragma once

#include "archivestore.h"
#include "programfolder.h"

#include <memory>

// Run-wide state that the windows share, created once in main() and handed to them.
struct Session {
    explicit Session(ProgramFolder programFolder) : folder(std::move(programFolder)) {}

    ProgramFolder folder;
    // ArchiveTable: the archive, open from the main window's load until the process ends.
    std::unique_ptr<ArchiveStore> archive;
    QString accessPassword;
};
