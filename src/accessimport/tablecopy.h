#pragma once

#include "accessreader.h"

#include <QSqlDatabase>

// Rows of one table that came out of the Access file and went into the SQLite one.
struct TableCount {
    QString file;
    QString table;
    qint64 read = 0;
    qint64 written = 0;
};

// Copies every row of an Access table into db, every column and NULL kept. A table that db
// lacks is created with the columns' SQLite types; one that db has already (our own cicli or
// immagini, with their indexes) receives the rows and gains any column that it lacks, so nothing
// the shop kept is lost. Runs inside the caller's transaction. False with *error when a row cannot
// be read or written, or when fewer rows come out than the file records.
bool copyAccessTable(AccessReader &reader, const AccessTable &table, QSqlDatabase db, TableCount *count,
                     QString *error);
