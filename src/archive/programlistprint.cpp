#include "programlistprint.h"

#include "archivetext.h"

namespace ProgramListPrint {

namespace {

constexpr int kPrintZone = 14;

} // namespace

QString customerPattern(const QString &typed)
{
    QString pattern = typed.trimmed();
    if (!pattern.endsWith(QLatin1Char('*')))
        pattern += QLatin1Char('*');
    return pattern;
}

QString titleLine(const QDateTime &now)
{
    return ArchiveText::ListTitle + now.toString(QStringLiteral("dd/MM/yy")) + QStringLiteral("  ")
           + now.toString(QStringLiteral("hh:mm"));
}

QString programLine(const ArchiveRecord &record)
{
    QString line = QString::number(record.progr).rightJustified(6) + QLatin1Char(' ')
                   + (record.cliente + QString(31, QLatin1Char(' '))).left(21);
    // A comma in the old print statement moved on to the start of the next zone, never staying put.
    const qsizetype zone = (line.size() / kPrintZone + 1) * kPrintZone;
    line = line.leftJustified(zone);
    return line + (record.disegno + QString(21, QLatin1Char(' '))).left(31) + record.descrizione;
}

Listing compose(const std::vector<ArchiveRecord> &records, const QDateTime &now, PageMetrics metrics)
{
    PageComposer composer(metrics);
    composer.addLine(titleLine(now));
    composer.addLine(QString());
    if (!records.empty())
        composer.addLine(QString());
    for (const ArchiveRecord &record : records)
        composer.addLine(programLine(record));
    return Listing{composer.pages(), records.empty()};
}

} // namespace ProgramListPrint
