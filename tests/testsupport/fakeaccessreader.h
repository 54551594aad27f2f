#pragma once

#include "accessreader.h"

#include <QMap>

// One Access file as a fake reader serves it: tables with their rows, given or generated.
struct FakeAccessFile {
    struct Table {
        AccessTable table;
        QList<QVariantList> rows;
        // Rows made on demand instead of kept (large synthetic tables).
        qint64 generatedRows = 0;
        std::function<QVariantList(qint64 index)> generate;
    };
    QList<Table> tables;
    // The file "breaks" after this many rows read in all; -1 never.
    qint64 failAfterRows = -1;
};

class FakeAccessReader : public AccessReader {
public:
    explicit FakeAccessReader(FakeAccessFile file) : m_file(std::move(file)) {}

    QList<AccessTable> tables() override;
    bool readRows(const AccessTable &table, const RowSink &sink, QString *error) override;

    // Opens the fake file registered under the path's file name (any case); unknown names fail.
    static AccessReaderFactory factory(QMap<QString, FakeAccessFile> filesByName);

    static inline const QString BrokenMessage = QStringLiteral("lettura interrotta");

private:
    FakeAccessFile m_file;
    qint64 m_rowsRead = 0;
};

// The first bytes of a Jet 4 file, so that a fake file is taken for an Access one.
QByteArray jetHeader();
