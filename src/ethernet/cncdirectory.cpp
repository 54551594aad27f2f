#include "cncdirectory.h"

#include "cncresults.h"
#include "ethernettext.h"
#include "programcalls.h"

#include <cstring>

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
    if (entry.number < FirstCncProgram || entry.number > LastCncProgram) {
        directory.result = EW_PROTOCOL;
        directory.badNumber = entry.number;
        return std::nullopt;
    }
    // A CNC that goes back ends the list rather than listing a program twice or asking the same
    // question for ever.
    if (entry.number < start)
        return std::nullopt;
    const size_t commentLength = strnlen(entry.comment, sizeof entry.comment);
    directory.programs.push_back({entry.number, entry.length, QByteArray(entry.comment, qsizetype(commentLength))});
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

QString directoryFailure(const CncDirectory &directory)
{
    if (directory.badNumber)
        return EthernetText::DirectoryBadNumber.arg(*directory.badNumber).arg(FirstCncProgram).arg(LastCncProgram);
    return testoerrore(directory.result);
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
