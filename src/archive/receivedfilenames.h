#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The names of the files that machines send back by DNC into dati, and the archive-number
// marker that ties a returned program to its archived one. The receiving side writes these
// names; the received-files window reads them.
namespace ReceivedFileNames {

// By the first three letters, in any case: OUT + seven digits returns an archived program,
// NEW is a program not yet archived, ERR an error report of the line.
enum class Kind { None, Out, New, Err };
Kind kindOf(const QString &fileName);

// The archive number of an OUT name, when seven digits follow the prefix.
std::optional<qint32> outNumber(const QString &fileName);
QString outName(qint32 number);
QString newName(qint32 suffix);
QString errName(qint32 suffix);
// The highest seven-digit suffix among names of that kind; 0 when there is none.
qint32 highestSuffix(const QStringList &fileNames, Kind kind);

// Taking in a new program writes its archive number after "YYY" on every line that holds the
// marker; the machine sends it back with the number still there.
// The number after the first "YYY" that digits follow, when it can be an archive number.
std::optional<qint32> markedNumber(const QByteArray &text);
// The text as archived program number: lines with CR LF ends, the number right after the first
// "YYY" of each line, in place of digits already there.
QByteArray withMarkedNumber(const QByteArray &text, qint32 number);

} // namespace ReceivedFileNames
