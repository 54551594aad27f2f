#include "fakeaccessreader.h"

#include <QFileInfo>

QList<AccessTable> FakeAccessReader::tables()
{
    QList<AccessTable> result;
    for (const FakeAccessFile::Table &table : m_file.tables)
        result.append(table.table);
    return result;
}

bool FakeAccessReader::readRows(const AccessTable &wanted, const RowSink &sink, QString *error)
{
    for (const FakeAccessFile::Table &table : m_file.tables) {
        if (table.table.name != wanted.name)
            continue;
        const qint64 count = table.generate ? table.generatedRows : table.rows.size();
        for (qint64 i = 0; i < count; ++i) {
            if (m_file.failAfterRows >= 0 && m_rowsRead >= m_file.failAfterRows) {
                *error = BrokenMessage;
                return false;
            }
            ++m_rowsRead;
            if (!sink(table.generate ? table.generate(i) : table.rows.at(i)))
                return true;
        }
        return true;
    }
    *error = BrokenMessage;
    return false;
}

AccessReaderFactory FakeAccessReader::factory(QMap<QString, FakeAccessFile> filesByName)
{
    return [files = std::move(filesByName)](const QString &path, QString *error) -> std::unique_ptr<AccessReader> {
        for (auto it = files.cbegin(); it != files.cend(); ++it) {
            if (it.key().compare(QFileInfo(path).fileName(), Qt::CaseInsensitive) == 0)
                return std::make_unique<FakeAccessReader>(it.value());
        }
        *error = BrokenMessage;
        return nullptr;
    };
}

QByteArray jetHeader()
{
    return QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + QByteArray(2028, '\0');
}
