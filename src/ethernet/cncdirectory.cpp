#include "cncdirectory.h"

#include <cstring>
#include <limits>

namespace {

// Takes one directory read's answer into the list; the start number of the next read, or nullopt
// when the list has ended (complete, failed, or a CNC that does not move forward).
std::optional<short> takeDirectoryRead(CncDirectory &directory, short start, short result, short count,
                                       const PRGDIR2 &entry)
{
    if (result == EW_NUMBER)
        return std::nullopt;
    if (result != EW_OK) {
        directory.result = result;
        return std::nullopt;
    }
    if (count <= 0)
        return std::nullopt;
    const size_t commentLength = strnlen(entry.comment, sizeof entry.comment);
    directory.programs.push_back({entry.number, entry.length, QByteArray(entry.comment, qsizetype(commentLength))});
    // A CNC that does not move forward, or the last number there is, ends the list rather than
    // asking the same question for ever.
    if (entry.number < start || entry.number == std::numeric_limits<short>::max())
        return std::nullopt;
    return short(entry.number + 1);
}

} // namespace

CncDirectory readCncDirectory(CncLibrary &library, unsigned short handle)
{
    CncDirectory directory;
    std::optional<short> start = 0;
    while (start) {
        short count = 1;
        short top = *start;
        PRGDIR2 entry{};
        const short result = library.cnc_rdprogdir2(handle, 2, &top, &count, &entry);
        start = takeDirectoryRead(directory, *start, result, count, entry);
    }
    return directory;
}

std::optional<long> typedProgramNumber(const QString &typed)
{
    const QString digits = typed.startsWith(u'O') ? typed.mid(1) : typed;
    bool ok = false;
    const double value = digits.trimmed().toDouble(&ok);
    if (!ok || digits.trimmed().isEmpty() || qAbs(value) > 2147483647.0)
        return std::nullopt;
    return long(qRound64(value));
}

QString programNumberText(long number)
{
    return QStringLiteral("O%1").arg(number, 4, 10, QLatin1Char('0'));
}

QString programSizeText(long size, const QLocale &locale)
{
    const QString digits = QStringLiteral("%1").arg(qAbs(size), 4, 10, QLatin1Char('0'));
    QString grouped;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += locale.groupSeparator();
        grouped += digits.at(i);
    }
    return size < 0 ? locale.negativeSign() + grouped : grouped;
}
