#pragma once

#include "accessreader.h"

// Reads Access files (Jet 3, Jet 4) through mdbtools' libmdb. Texts arrive as Unicode: Jet 3
// files, which do not record their code page, are read as Windows-1252. The file's page
// structure is checked when it is opened, and every table the catalogue lists must pass: a
// damaged file is refused then, in one message, before libmdb can lose itself in it.
class MdbReader : public AccessReader {
public:
    static std::unique_ptr<AccessReader> open(const QString &path, QString *error);

    ~MdbReader() override;
    MdbReader(const MdbReader &) = delete;
    MdbReader &operator=(const MdbReader &) = delete;

    QList<AccessTable> tables() override;
    bool readRows(const AccessTable &table, const RowSink &sink, QString *error) override;

private:
    struct Handle;
    explicit MdbReader(std::unique_ptr<Handle> handle);

    std::unique_ptr<Handle> m_handle;
};
