#pragma once

#include "accessreader.h"
#include "tablecopy.h"

#include <QStringList>

// What an import did, table by table, and what the user should know about it.
struct ImportReport {
    QList<TableCount> counts;
    QStringList warnings;

    // One line per table: rows read and rows written.
    QStringList summaryLines() const;
    bool countsMatch() const;
};

// One of our SQLite files made out of an Access one: the file is created with our schema
// (createEmpty), then every table of the Access file is copied into it in one transaction.
struct AccessConversion {
    QString label;        // the file's name in the summary, e.g. "truv.mdb"
    QString ourTable;     // "cicli" or "immagini"
    std::function<bool(const QString &path, QString *error)> createEmpty;

    // Writes targetPath, which must not exist; on a failure removes it again.
    bool run(AccessReader &reader, const QString &targetPath, ImportReport *report, QString *error) const;
};
