#pragma once

#include "session.h"

// The main window's load: reads the access password, creates dati and imm, opens the
// archive, cleans it and upgrades its layout. False with the database's message in *error
// when the archive cannot be used; the program must then stop.
bool loadSession(Session &session, QString *error);
