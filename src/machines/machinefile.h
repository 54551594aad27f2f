#pragma once

#include "machinefileparser.h"
#include "machinestate.h"

#include <QByteArray>
#include <QList>
#include <QString>

class Dialogs;
class ProgramFolder;

// cncsett.dat: line 1 holds CurrentMachine as numeric printing writes it (" 0 "), then one
// line per machine with its seven fields, strings quoted, integers bare, CR LF line ends.

// Records 1..100 with a name, in order, after CurrentMachine; the lines that could not be read
// stand where they stood.
QByteArray formatMachineFile(const MachineState &machines);
// A number as numeric printing writes it: a blank in place of a plus sign, the digits and a
// trailing blank (" 0 ", "-3 ").
QString numericPrint(qint64 number);

struct MachineListEntry {
    QString name;
    int recordIndex = 0;  // the list entry's item data
};

struct MachineList {
    QList<MachineListEntry> entries;  // file order, never sorted: position + 1 = record index
    int selection = -1;               // the entry to select, -1 when the list is empty
    QString error;                    // why an existing file could not be read
    // A missing file or the lines that could not be read, when this run has not said so yet.
    QString warning;
};

// Reloads MachineTable and CurrentMachine from cncsett.dat and says what a machine list shows.
// A missing file is an empty table. A CurrentMachine outside the list becomes 0.
MachineList LoadMachineList(MachineState &machines, const ProgramFolder &folder);
// Rewrites cncsett.dat atomically from memory; records with an empty name are dropped.
bool SaveMachineFile(const MachineState &machines, const ProgramFolder &folder, QString *error = nullptr);
// What the windows say on opening a machine list: the read error, then the warning.
void ReportMachineList(const MachineList &list, Dialogs &dialogs);
