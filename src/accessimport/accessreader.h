#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>

// How a column of an Access table is kept in SQLite: texts and memos as TEXT, integers and
// booleans as INTEGER, floating, currency and decimal numbers as REAL, dates as ISO 8601 TEXT,
// OLE and binary fields as BLOB.
enum class ColumnKind { Text, Integer, Real, Blob };

struct AccessColumn {
    QString name;
    ColumnKind kind = ColumnKind::Text;
};

struct AccessTable {
    QString name;
    QList<AccessColumn> columns;
    // The number of rows the file itself records for the table; -1 when unknown.
    qint64 declaredRows = -1;
};

// The tables and rows of one Access file, whatever reads it. A row holds one value per column,
// in column order: QString, qint64, double or QByteArray, or a null QVariant for NULL.
class AccessReader {
public:
    using RowSink = std::function<bool(const QVariantList &row)>;

    virtual ~AccessReader() = default;

    // The user tables, without the engine's own system tables.
    virtual QList<AccessTable> tables() = 0;
    // Hands every row of the table to sink in the file's order, stopping when sink returns false.
    // False with *error when the file cannot be read to the end.
    virtual bool readRows(const AccessTable &table, const RowSink &sink, QString *error) = 0;
};

// Opens an Access file for reading; nullptr with *error when it cannot be read.
using AccessReaderFactory = std::function<std::unique_ptr<AccessReader>(const QString &path, QString *error)>;
