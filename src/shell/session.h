#pragma once

#include "accesspassword.h"
#include "archivechoice.h"
#include "archivestore.h"
#include "archiveusers.h"
#include "editorsession.h"
#include "machinestate.h"
#include "programfolder.h"
#include "settingsstore.h"
#include "transferlogstore.h"

#include <memory>

// Run-wide state that the windows share, created once in main() and handed to them.
struct Session {
    explicit Session(ProgramFolder programFolder)
        : folder(std::move(programFolder)), archiveUsers(folder.archivePath())
    {
    }

    ProgramFolder folder;
    // This process's announcement on the archive, held until the process ends.
    ArchiveUsers archiveUsers;
    SettingsStore settings;
    // ArchiveTable: the archive, open from the main window's load until the process ends.
    std::unique_ptr<ArchiveStore> archive;
    // The transfer log on the archive, and the journal every window records its transfers in.
    std::unique_ptr<TransferLogStore> transferLog;
    TransferJournal transfers;
    AccessPassword accessPassword;
    // ProgramChosen and ChosenRecord: what the archive browser handed over last.
    ArchiveChoice archiveChoice;
    EditorSession editor;
    // MachineTable, CurrentMachine and the network serial port table.
    MachineState machines;
};
