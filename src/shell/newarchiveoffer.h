#pragma once

#include "programfolder.h"

class Dialogs;

enum class NewArchiveOutcome { ArchivePresent, Created, Declined, Failed };

// At start-up: when the program folder holds no truv.mdb at all (a fresh account), asks whether
// to create a new archive there. Yes makes the folder's empty files as truvnet --init does; a
// failure is shown. A truv.mdb that exists, however damaged, locked or unreadable, is not asked
// about: opening it tells what is wrong.
NewArchiveOutcome offerNewArchive(const ProgramFolder &folder, Dialogs &dialogs);
