#pragma once

#include "cncaddress.h"
#include "machinestate.h"
#include "programfolder.h"

#include <QStringList>

#include <memory>
#include <optional>

class CncLibrary;
class TransferJournal;
struct TransferRequest;
class QTextStream;

// The commands that work on an Ethernet machine's CNC. Each runs its library calls on a thread
// of their own, so that Ctrl+C and SIGTERM end it within a second or two (128 + the signal's
// number) even while a call blocks; they return the exit status and tell every failure on err.

// The machine named on the command line; nullopt after telling why there is none.
std::optional<MachineRecord> namedMachine(const ProgramFolder &folder, const QString &name, QTextStream &err);
// The machine's CNC address; nullopt after telling why there is none.
std::optional<CncAddress> addressOf(const MachineRecord &record, QTextStream &err);
// The CNC address of the machine named on the command line, which must be an Ethernet one;
// nullopt after telling why there is none.
std::optional<CncAddress> ethernetMachineAddress(const ProgramFolder &folder, const QString &name, QTextStream &err);

// truvnet dir MACHINE: the programs of the CNC memory, one per line (number, size in bytes,
// comment, separated by tabs), in the CNC's order.
int listCncDirectory(const ProgramFolder &folder, const QString &machine, std::shared_ptr<CncLibrary> library,
                     QTextStream &out, QTextStream &err);

// truvnet receive MACHINE FILE --from O1234: the program read from the CNC, into FILE as the
// terminal holds it (CR LF lines); FILE is written only when the whole program arrived. A serial
// machine is a usage error (2).
// Both record the transfer in journal, when given, from the connection on.
int receiveFromCnc(const ProgramFolder &folder, const QString &machine, const QString &from, const QString &file,
                   std::shared_ptr<CncLibrary> library, QTextStream &err, TransferJournal *journal = nullptr);

// truvnet send MACHINE FILE|--program N --as O1234 [--continue] [--verify]: the text written into
// the CNC as the Ethernet window sends it, with its checks and messages; --verify reads every
// program back and compares it with what the CNC should hold. A serial machine is a usage error (2).
int sendToCnc(const ProgramFolder &folder, const TransferRequest &request, std::shared_ptr<CncLibrary> library,
              QTextStream &err, TransferJournal *journal = nullptr);

// truvnet dir: the whole command line, as main() has it; the exit status.
int cncDirectoryCommand(int argc, char **argv);
