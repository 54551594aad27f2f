#pragma once

#include <QByteArray>
#include <QString>

// After Qt's headers: libmdb's header opens an extern "C" block around its own includes.
#include <mdbtools.h>

// What a table definition promises, once checked against the file.
struct TableShape {
    qint64 declaredRows = 0;
    // The rows that the table's data pages hold: no read of the table can give more.
    qint64 rowLimit = 0;
};

// The page structure of an Access file, checked before libmdb follows any of it: libmdb trusts
// every page number, length and count it finds, and on a damaged file goes round in circles.
// Pages are read through libmdb (which decodes encrypted pages), never beyond the file's end.
class MdbStructure {
public:
    // mdb: just opened (only its first page read); fileSize: the file's size in bytes.
    MdbStructure(MdbHandle *mdb, qint64 fileSize);

    qint64 pageCount() const { return m_pageCount; }

    // The file is a whole number of pages and holds at least the table catalogue.
    bool checkFile(QString *problem) const;
    // The table definition at page (named name in messages): its chain of pages, its columns'
    // types and names, its map of pages and the data pages that the map names.
    bool checkTable(quint32 page, const QString &name, TableShape *shape, QString *problem);

private:
    bool readPage(quint32 number, QByteArray *bytes, QString *problem) const;
    bool definitionBytes(quint32 page, const QString &name, QByteArray *bytes, QString *problem) const;
    bool checkColumns(const QByteArray &definition, const QString &name, QString *problem) const;
    bool mappedPages(const QByteArray &definition, const QString &name, QList<quint32> *pages,
                     QString *problem) const;
    bool addMappedPage(qint64 page, const QString &name, QList<quint32> *pages, QString *problem) const;
    bool rowOfPage(quint32 pageRow, QByteArray *row, QString *problem) const;
    bool dataPageRows(const QByteArray &page, quint32 number, qint64 *rows, QString *problem) const;

    MdbHandle *m_mdb;
    qint64 m_fileSize;
    qint64 m_pageCount;
};
