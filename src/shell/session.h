#pragma once

#include "accesspassword.h"
#include "archivestore.h"
#include "editorsession.h"
#include "programfolder.h"
#include "settingsstore.h"

#include <memory>

// Run-wide state that the windows share, created once in main() and handed to them.
struct Session {
    explicit Session(ProgramFolder programFolder) : folder(std::move(programFolder)) {}

    ProgramFolder folder;
    SettingsStore settings;
    // ArchiveTable: the archive, open from the main window's load until the process ends.
    std::unique_ptr<ArchiveStore> archive;
    AccessPassword accessPassword;
    EditorSession editor;
};
