#pragma once

#include "machinestate.h"

#include <QByteArray>
#include <QList>
#include <QString>

class ProgramFolder;

// cncsett.dat: line 1 holds CurrentMachine as numeric printing writes it (" 0 "), then one
// line per machine with its seven fields, strings quoted, integers bare, CR LF line ends.

struct MachineFileContent {
    qint16 currentMachine = 0;
    // At most MachineTable::Capacity machines; later lines are ignored.
    QList<MachineRecord> records;
};

// Reads the machine file's bytes. Blank lines are skipped; a short line gives empty trailing
// fields; CR LF, LF and CR all end a line.
MachineFileContent parseMachineFile(const QByteArray &bytes);
// One machine line: fields separated by commas, blanks before a field skipped, a quoted field
// running to the next double quote (commas included), integers read as decimal numbers.
MachineRecord parseMachineLine(const QString &line);
// Records 1..100 with a name, in order, after CurrentMachine.
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
};

// Reloads MachineTable and CurrentMachine from cncsett.dat and says what a machine list shows.
// A missing file is an empty table. A CurrentMachine outside the list becomes 0.
MachineList LoadMachineList(MachineState &machines, const ProgramFolder &folder);
// Rewrites cncsett.dat atomically from memory; records with an empty name are dropped.
bool SaveMachineFile(const MachineState &machines, const ProgramFolder &folder, QString *error = nullptr);
