#pragma once

#include "machinestate.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Reading cncsett.dat. Line 1 holds CurrentMachine; every further line one machine with its
// seven fields. A line the reader cannot take for what it is meant to be is not guessed at:
// it is reported with its number and kept as it stood, so that writing the file back does not
// lose what a user typed.

struct MachineFileProblem {
    int lineNumber = 0;  // 1 for the first line of the file
    QString what;

    bool operator==(const MachineFileProblem &) const = default;
};

struct MachineFileContent {
    qint16 currentMachine = 0;
    // At most MachineTable::Capacity machines.
    QList<MachineRecord> records;
    QList<KeptMachineLine> keptLines;
    QList<MachineFileProblem> problems;
};

// Blank lines are skipped; CR LF, LF and CR all end a line. A first line that is not a number
// makes the whole file unreadable.
MachineFileContent parseMachineFile(const QByteArray &bytes);

// One machine line: fields separated by commas, blanks before a field skipped, a quoted field
// running to the next double quote (commas included), an unquoted one to the next comma, an
// integer read as a decimal number; a short line gives empty trailing fields. A line that
// breaks these rules gives an empty record and, in *problem, what is wrong.
MachineRecord parseMachineLine(const QString &line, QString *problem = nullptr);
