#include "cncdirectory.h"

#include <cstring>
#include <limits>

CncDirectory readCncDirectory(CncLibrary &library, unsigned short handle)
{
    CncDirectory directory;
    short start = 0;
    short count = 0;
    do {
        count = 1;
        PRGDIR2 entry{};
        short top = start;
        const short result = library.cnc_rdprogdir2(handle, 2, &top, &count, &entry);
        if (result == EW_NUMBER)
            break;
        if (result != EW_OK) {
            directory.result = result;
            break;
        }
        if (count <= 0)
            break;
        const size_t commentLength = strnlen(entry.comment, sizeof entry.comment);
        directory.programs.push_back({entry.number, entry.length, QByteArray(entry.comment, qsizetype(commentLength))});
        // A CNC that does not move forward, or the last number there is, ends the list rather
        // than asking the same question for ever.
        if (entry.number < start || entry.number == std::numeric_limits<short>::max())
            break;
        start = short(entry.number + 1);
    } while (count > 0);
    return directory;
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
