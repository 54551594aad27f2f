#pragma once

#include <QString>

#include <optional>
#include <vector>

// The program numbers that an NC line names, read as the control reads them: a header's O-word,
// and the P word of a block that calls a program (M98, G65, G66). Comments, from "(" to ")" or
// the end of the line, are not code.

// The smallest and largest program number the CNC memory holds.
inline constexpr long FirstCncProgram = 1;
inline constexpr long LastCncProgram = 9999;

// A header line's O-word: "O" and its digits at the start of the line.
struct ProgramHeader {
    long number = 0;
    qsizetype digits = 0; // how many digits follow the O
};
std::optional<ProgramHeader> programHeader(const QString &line);

struct ProgramCall {
    qsizetype start = 0;  // the P word's first digit in the line
    qsizetype length = 0; // the P word's digits
    QString repeat;       // the repeat count standing before the program's four digits, if any
    // The program called; nullopt when the P word is not plain digits the control can read
    // (a variable, a sign, a decimal point, more than eight digits).
    std::optional<long> program;
};
// Every call of the line, in order.
std::vector<ProgramCall> programCalls(const QString &line);

// The P word's digits for a call of program, with the call's repeat count kept.
QString callDigits(const ProgramCall &call, long program);
