#pragma once

#include "programfolder.h"

#include <QStringList>

class CncLibrary;
struct TransferRequest;
class QTextStream;

// truvnet dir MACHINE: the programs of an Ethernet machine's CNC memory, one per line (number,
// size in bytes, comment, separated by tabs), in the CNC's order. Returns the exit status; every
// failure is told on err with the library's message for its code.
int listCncDirectory(const ProgramFolder &folder, const QString &machine, CncLibrary &library, QTextStream &out,
                     QTextStream &err);

// truvnet receive MACHINE FILE --from O1234: the program read from an Ethernet machine's CNC, into
// FILE as the terminal holds it (CR LF lines). Returns the exit status; a serial machine is a
// usage error (2).
int receiveFromCnc(const ProgramFolder &folder, const QString &machine, const QString &from, const QString &file,
                   CncLibrary &library, QTextStream &err);

// truvnet send MACHINE FILE|--program N --as O1234 [--continue] [--verify]: the text written into
// an Ethernet machine's CNC as the Ethernet window sends it, with its checks and messages on err;
// --verify reads every program back and compares. Returns the exit status; a serial machine is a
// usage error (2).
int sendToCnc(const ProgramFolder &folder, const TransferRequest &request, CncLibrary &library, QTextStream &err);
