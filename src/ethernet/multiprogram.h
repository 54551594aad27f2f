#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// A text of several programs (a main program and the subprograms it calls with M98 P) renumbered
// for the CNC: each program gets the next number from the destination's on, and the calls follow
// their subprograms.
struct RenumberedProgram {
    QString oldNumber; // the header line's first five characters
    QString newNumber; // "O" and four digits
    bool onCnc = false; // the new number is already taken in the CNC memory
};

struct MultiProgramCheck {
    QStringList lines; // the text with its headers and calls rewritten
    std::vector<RenumberedProgram> programs;
    QStringList problems; // one line per call that cannot be followed
    bool blocking = false; // a new number is taken, or a call is too short to read
    bool question = false; // a call names a program that is not in the text

    // Nothing to ask the user: the send goes on by itself.
    bool clean() const { return !blocking && !question; }
    QStringList takenNumbers() const;
};

// destination: "O" and the number, as the download has checked it; onCnc tells whether a program
// number ("O0012") is in the CNC directory.
MultiProgramCheck renumberPrograms(const QStringList &lines, const QString &destination,
                                   const std::function<bool(const QString &)> &onCnc);
