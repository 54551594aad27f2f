#pragma once

#include "archiverecord.h"

#include <optional>

// What the archive browser hands back to the editor that opened it.
struct ArchiveChoice {
    bool programChosen = false;                // ProgramChosen
    std::optional<ArchiveRecord> chosenRecord; // the row confirmed with "Conferma"
};
