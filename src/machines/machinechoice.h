#pragma once

#include "machinefile.h"

class Dialogs;
class ProgramFolder;
class SerialPort;
struct TransferFlags;

// The logic of the machine choice before a transfer (xForm3): a serial machine's line goes
// onto the port, "Annulla" cancels the transfer.
class MachineChoice {
public:
    MachineChoice(MachineState &machines, const ProgramFolder &folder, SerialPort &port, TransferFlags &flags,
                  Dialogs &dialogs);

    // Opening: loads the machine list; select() the returned selection.
    MachineList open();
    // List1 selection: CurrentMachine := the entry's record index - 1. -1 changes nothing.
    void select(int position);
    // "Ok ": a serial machine's line onto the port and its notification address; an Ethernet
    // machine changes nothing. With an empty list it is "Annulla"; so it is, after a message,
    // for a serial machine whose settings no port can take.
    void confirm();
    // "Annulla", and closing the window without a button.
    void cancel();

private:
    MachineState &m_machines;
    const ProgramFolder &m_folder;
    SerialPort &m_port;
    TransferFlags &m_flags;
    Dialogs &m_dialogs;
    QList<MachineListEntry> m_entries;
};

// The position of the machine in the list, its name compared trimmed and without regard to
// case; -1 when there is none.
int findMachine(const MachineList &list, const QString &name);
// The machine choice of the windows, with the named machine selected and confirmed: its line
// goes onto the port. False, with TransferCancelled set, when the machine file lacks it.
bool chooseNamedMachine(MachineState &machines, const ProgramFolder &folder, SerialPort &port, TransferFlags &flags,
                        Dialogs &dialogs, const QString &name);
