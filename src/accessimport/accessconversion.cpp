#include "accessconversion.h"

#include "accessimporttext.h"
#include "sqlconnection.h"

#include <QFile>
#include <QSqlError>

#include <algorithm>

QStringList ImportReport::summaryLines() const
{
    QStringList lines;
    for (const TableCount &count : counts)
        lines.append(AccessImportText::Summary.arg(count.file, count.table).arg(count.read).arg(count.written));
    return lines;
}

bool ImportReport::countsMatch() const
{
    return std::all_of(counts.begin(), counts.end(),
                       [](const TableCount &count) { return count.read == count.written; });
}

namespace {

bool copyEveryTable(AccessReader &reader, const AccessConversion &conversion, QSqlDatabase db,
                    ImportReport *report, QString *error)
{
    const QList<AccessTable> tables = reader.tables();
    const bool hasOurTable = std::any_of(tables.begin(), tables.end(), [&](const AccessTable &table) {
        return table.name.compare(conversion.ourTable, Qt::CaseInsensitive) == 0;
    });
    if (!hasOurTable)
        report->warnings.append(AccessImportText::MissingOurTable.arg(conversion.label, conversion.ourTable));
    for (const AccessTable &table : tables) {
        report->counts.append({conversion.label, table.name, 0, 0});
        if (!copyAccessTable(reader, table, db, &report->counts.last(), error))
            return false;
    }
    return true;
}

} // namespace

bool AccessConversion::run(AccessReader &reader, const QString &targetPath, ImportReport *report,
                           QString *error) const
{
    if (!createEmpty(targetPath, error))
        return false;
    bool copied = false;
    {
        SqlConnection connection;
        if (!connection.openExisting(targetPath)) {
            *error = AccessImportText::DatabaseError.arg(targetPath, connection.errorText());
        } else {
            QSqlDatabase db = connection.database();
            db.transaction();
            copied = copyEveryTable(reader, *this, db, report, error);
            if (copied && !db.commit()) {
                *error = AccessImportText::DatabaseError.arg(targetPath, db.lastError().text());
                copied = false;
            }
            if (!copied)
                db.rollback();
        }
    }
    if (!copied)
        QFile::remove(targetPath);
    return copied;
}
