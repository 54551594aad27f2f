#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// A text of several programs (a main program and the subprograms it calls) renumbered for the
// CNC: each program gets the next number from the destination's on, and every call of a program
// of the text follows it. Numbers are compared as numbers: O1, O01 and O0001 are one program.
struct RenumberedProgram {
    QString oldNumber; // the header's O-word as written
    QString newNumber; // "O" and four digits
    bool onCnc = false; // the new number is already taken in the CNC memory
};

struct MultiProgramCheck {
    QStringList lines; // the text with its headers and calls rewritten
    std::vector<RenumberedProgram> programs;
    QStringList problems; // one line per call that cannot be followed, per number out of range
    bool blocking = false; // a new number is taken or out of range, or a call cannot be rewritten
    bool question = false; // a call names a program that is not in the text, or one it cannot read
    bool outOfRange = false; // a new number the CNC cannot hold: never sent, whatever the user says

    // Nothing to ask the user: the send goes on by itself.
    bool clean() const { return !blocking && !question; }
    QStringList takenNumbers() const;
};

// destination: "O" and the number, as the download has checked it; onCnc tells whether a program
// number is in the CNC directory.
MultiProgramCheck renumberPrograms(const QStringList &lines, const QString &destination,
                                   const std::function<bool(long)> &onCnc);
