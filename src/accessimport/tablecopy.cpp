#include "tablecopy.h"

#include "accessimporttext.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

QString quoted(const QString &name)
{
    QString inner = name;
    inner.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

QString sqlType(ColumnKind kind)
{
    switch (kind) {
    case ColumnKind::Integer:
        return QStringLiteral("INTEGER");
    case ColumnKind::Real:
        return QStringLiteral("REAL");
    case ColumnKind::Blob:
        return QStringLiteral("BLOB");
    case ColumnKind::Text:
        break;
    }
    return QStringLiteral("TEXT");
}

bool hasField(const QSqlRecord &record, const QString &name)
{
    for (int i = 0; i < record.count(); ++i) {
        if (record.fieldName(i).compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// The statements that give db a table able to take every column of the Access one.
QStringList tableStatements(const AccessTable &table, const QSqlRecord &existing)
{
    QStringList statements;
    if (existing.isEmpty()) {
        QStringList columns;
        for (const AccessColumn &column : table.columns)
            columns.append(quoted(column.name) + QLatin1Char(' ') + sqlType(column.kind));
        statements.append(QStringLiteral("CREATE TABLE %1 (%2)").arg(quoted(table.name), columns.join(QStringLiteral(", "))));
        return statements;
    }
    for (const AccessColumn &column : table.columns) {
        if (!hasField(existing, column.name))
            statements.append(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                                  .arg(quoted(table.name), quoted(column.name), sqlType(column.kind)));
    }
    return statements;
}

} // namespace

bool copyAccessTable(AccessReader &reader, const AccessTable &table, QSqlDatabase db, TableCount *count,
                     QString *error)
{
    count->table = table.name;
    QSqlQuery query(db);
    for (const QString &statement : tableStatements(table, db.record(table.name))) {
        if (!query.exec(statement)) {
            *error = AccessImportText::TableNotCreated.arg(table.name, query.lastError().text());
            return false;
        }
    }
    if (table.columns.isEmpty())
        return true;

    QStringList names;
    for (const AccessColumn &column : table.columns)
        names.append(quoted(column.name));
    QSqlQuery insert(db);
    if (!insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(quoted(table.name), names.join(QStringLiteral(", ")),
                                 QStringList(names.size(), QStringLiteral("?")).join(QStringLiteral(", "))))) {
        *error = AccessImportText::TableNotCreated.arg(table.name, insert.lastError().text());
        return false;
    }
    QString writeError;
    const bool readToEnd = reader.readRows(table, [&](const QVariantList &row) {
        ++count->read;
        for (int i = 0; i < row.size(); ++i)
            insert.bindValue(i, row.at(i));
        if (!insert.exec()) {
            writeError = AccessImportText::RowNotWritten.arg(table.name).arg(count->read).arg(insert.lastError().text());
            return false;
        }
        ++count->written;
        return true;
    }, error);
    if (!writeError.isEmpty()) {
        *error = writeError;
        return false;
    }
    if (!readToEnd)
        return false;
    if (table.declaredRows >= 0 && count->read != table.declaredRows) {
        *error = AccessImportText::RowsMissing.arg(table.name).arg(table.declaredRows).arg(count->read);
        return false;
    }
    return true;
}
