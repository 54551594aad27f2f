#pragma once

#include "cnclibrary.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <algorithm>
#include <optional>
#include <vector>

// One program of the CNC memory as the directory read gives it.
struct CncProgramEntry {
    long number = 0;
    long size = 0;
    QByteArray comment;
};

struct CncDirectory {
    // EW_OK when the list is complete, else the code of the read that failed (the list then
    // holds what came before it).
    short result = EW_OK;
    std::vector<CncProgramEntry> programs;
    // A number the CNC memory cannot hold, given by a read (result EW_PROTOCOL); it is not listed.
    std::optional<long> badNumber;

    // The program is in the list: numbers compared as numbers.
    bool contains(long number) const
    {
        return std::any_of(programs.begin(), programs.end(),
                           [number](const CncProgramEntry &program) { return program.number == number; });
    }
};

// Reads the CNC's programs one at a time, each read asking for the first program above the last
// one listed, until the CNC answers that there is none (EW_NUMBER).
CncDirectory readCncDirectory(CncLibrary &library, unsigned short handle);
// Why a directory read failed, for the user.
QString directoryFailure(const CncDirectory &directory);

// The number of a program typed as "O12" or "12" (a decimal is rounded); nullopt when it is none.
std::optional<long> typedProgramNumber(const QString &typed);

// "O" and the number with at least four digits: O0012, O12345.
QString programNumberText(long number);
// The size with at least four digits, thousands grouped as the locale groups them: 0,056.
QString programSizeText(long size, const QLocale &locale = QLocale());
