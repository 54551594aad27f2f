#pragma once

#include "accessreader.h"
#include "programfolder.h"

class Dialogs;

enum class AccessOfferOutcome { NotAccess, Converted, Declined, Failed };

// At start-up: when the folder's truv.mdb is an old Access archive, says so and offers to convert
// the folder now. Yes converts it (the Access files are kept beside the new ones) and shows what
// was copied; a failure is shown and changes nothing.
AccessOfferOutcome offerAccessConversion(const ProgramFolder &folder, Dialogs &dialogs,
                                         const AccessReaderFactory &openReader);
