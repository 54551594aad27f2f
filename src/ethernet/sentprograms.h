#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The programs that a download writes into the CNC memory, to read them back: the first under
// the destination, each further header line starting the next one.
struct SentProgram {
    long number = 0;
    QStringList lines; // as sent: the header with its number, then the body
};
std::vector<SentProgram> sentPrograms(const QStringList &lines, const QString &destination);

// Where a program read back from the CNC differs from what was sent: the 1-based line and both
// texts; nullopt when it is the same. The CNC writes numbers with its own zeros (O12 → O0012).
struct LineDifference {
    int line = 0;
    QString sent;
    QString read;
};
std::optional<LineDifference> firstDifference(const QStringList &sent, const QStringList &read);
