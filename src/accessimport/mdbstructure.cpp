#include "mdbstructure.h"

#include "accessimporttext.h"

#include <QList>
#include <QSet>
#include <QtEndian>

namespace {

constexpr char kDefinitionPage = 0x02;
constexpr char kDataPage = 0x01;
constexpr char kMapPage = 0x05;
// A row's start within its page; the bits above are flags.
constexpr int kRowOffsetMask = 0x1fff;
constexpr int kDeletedRow = 0x4000;
// A page and a row travel as one number, the row in its low byte.
constexpr int kRowsPerPageAtMost = 256;

quint32 le32(const QByteArray &bytes, qint64 at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 le16(const QByteArray &bytes, qint64 at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

bool knownColumnType(int type)
{
    switch (type) {
    case MDB_BOOL:
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
    case MDB_MONEY:
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_DATETIME:
    case MDB_BINARY:
    case MDB_TEXT:
    case MDB_OLE:
    case MDB_MEMO:
    case MDB_REPID:
    case MDB_NUMERIC:
    case MDB_COMPLEX:
        return true;
    default:
        return false;
    }
}

} // namespace

MdbStructure::MdbStructure(MdbHandle *mdb, qint64 fileSize)
    : m_mdb(mdb), m_fileSize(fileSize), m_pageCount(fileSize / mdb->fmt->pg_size)
{
}

bool MdbStructure::checkFile(QString *problem) const
{
    const qint64 pageSize = m_mdb->fmt->pg_size;
    if (m_fileSize % pageSize != 0) {
        *problem = AccessImportText::DamageSize.arg(m_fileSize).arg(pageSize);
        return false;
    }
    // Page 2 holds the definition of the table catalogue.
    if (m_pageCount < 3) {
        *problem = AccessImportText::DamagePageOutside.arg(2).arg(m_pageCount);
        return false;
    }
    return true;
}

bool MdbStructure::readPage(quint32 number, QByteArray *bytes, QString *problem) const
{
    if (number >= m_pageCount || mdb_read_alt_pg(m_mdb, number) != m_mdb->fmt->pg_size) {
        *problem = AccessImportText::DamagePageOutside.arg(number).arg(m_pageCount);
        return false;
    }
    *bytes = QByteArray(reinterpret_cast<const char *>(m_mdb->alt_pg_buf), qsizetype(m_mdb->fmt->pg_size));
    return true;
}

// A definition longer than a page goes on in the pages its first four bytes name; libmdb
// reads it as one run, each further page from its eighth byte.
bool MdbStructure::definitionBytes(quint32 page, const QString &name, QByteArray *bytes, QString *problem) const
{
    QSet<quint32> seen;
    bytes->clear();
    for (quint32 next = page; next != 0;) {
        if (seen.contains(next)) {
            *problem = AccessImportText::DamageDefinition.arg(name);
            return false;
        }
        seen.insert(next);
        QByteArray content;
        if (!readPage(next, &content, problem))
            return false;
        if (content.at(0) != kDefinitionPage) {
            *problem = AccessImportText::DamagePageType.arg(next).arg(AccessImportText::PageOfDefinition);
            return false;
        }
        bytes->append(bytes->isEmpty() ? content : content.mid(8));
        next = le32(content, 4);
    }
    return true;
}

bool MdbStructure::checkColumns(const QByteArray &definition, const QString &name, QString *problem) const
{
    const MdbFormatConstants &format = *m_mdb->fmt;
    if (definition.size() < format.tab_cols_start_offset) {
        *problem = AccessImportText::DamageDefinition.arg(name);
        return false;
    }
    const qint64 columns = le16(definition, format.tab_num_cols_offset);
    const qint64 indexes = le32(definition, format.tab_num_ridxs_offset);
    const qint64 first = format.tab_cols_start_offset + indexes * format.tab_ridx_entry_size;
    qint64 at = first + columns * format.tab_col_entry_size;
    if (columns == 0 || columns > MDB_MAX_COLS || at > definition.size()) {
        *problem = AccessImportText::DamageDefinition.arg(name);
        return false;
    }
    for (qint64 c = 0; c < columns; ++c) {
        const int type = quint8(definition.at(first + c * format.tab_col_entry_size));
        if (!knownColumnType(type)) {
            *problem = AccessImportText::DamageColumnType.arg(name).arg(c + 1).arg(type);
            return false;
        }
    }
    // The names follow, each after its length in bytes.
    const int lengthSize = IS_JET3(m_mdb) ? 1 : 2;
    for (qint64 c = 0; c < columns; ++c) {
        if (at + lengthSize > definition.size()) {
            *problem = AccessImportText::DamageDefinition.arg(name);
            return false;
        }
        const qint64 length = lengthSize == 1 ? quint8(definition.at(at)) : le16(definition, at);
        at += lengthSize + length;
        if (length > MDB_MAX_OBJ_NAME || at > definition.size()) {
            *problem = AccessImportText::DamageDefinition.arg(name);
            return false;
        }
    }
    return true;
}

bool MdbStructure::rowOfPage(quint32 pageRow, QByteArray *row, QString *problem) const
{
    const quint32 number = pageRow >> 8;
    const int index = int(pageRow & 0xff);
    QByteArray page;
    if (!readPage(number, &page, problem))
        return false;
    if (page.at(0) != kDataPage) {
        *problem = AccessImportText::DamagePageType.arg(number).arg(AccessImportText::PageOfData);
        return false;
    }
    const int countAt = m_mdb->fmt->row_count_offset;
    const int rows = le16(page, countAt);
    const int pageSize = int(m_mdb->fmt->pg_size);
    const int start = index < rows ? le16(page, countAt + 2 + 2 * index) & kRowOffsetMask : 0;
    const int end = index == 0 ? pageSize : le16(page, countAt + 2 * index) & kRowOffsetMask;
    if (index >= rows || start < countAt + 2 + 2 * rows || start > end) {
        *problem = AccessImportText::DamageRowOutside.arg(index).arg(number);
        return false;
    }
    *row = page.mid(start, end - start);
    return true;
}

bool MdbStructure::dataPageRows(const QByteArray &page, quint32 number, qint64 *rows, QString *problem) const
{
    const int countAt = m_mdb->fmt->row_count_offset;
    const int pageSize = int(m_mdb->fmt->pg_size);
    const int count = le16(page, countAt);
    const int firstRow = countAt + 2 + 2 * count;
    if (count > kRowsPerPageAtMost || firstRow > pageSize) {
        *problem = AccessImportText::DamagePageRows.arg(number).arg(count);
        return false;
    }
    int end = pageSize;
    for (int r = 0; r < count; ++r) {
        const int offset = le16(page, countAt + 2 + 2 * r);
        const int start = offset & kRowOffsetMask;
        if (!(offset & kDeletedRow) && (start < firstRow || start > end)) {
            *problem = AccessImportText::DamageRowOutside.arg(r).arg(number);
            return false;
        }
        end = start;
    }
    *rows += count;
    return true;
}

bool MdbStructure::addMappedPage(qint64 page, const QString &name, QList<quint32> *pages, QString *problem) const
{
    if (page >= m_pageCount) {
        *problem = AccessImportText::DamageMappedPage.arg(name).arg(page).arg(m_pageCount);
        return false;
    }
    pages->append(quint32(page));
    return true;
}

// The pages a table owns, as libmdb will walk them: a bitmap inside the map's row (type 0),
// or bitmaps on pages of their own that the row lists (type 1).
bool MdbStructure::mappedPages(const QByteArray &definition, const QString &name, QList<quint32> *pages,
                               QString *problem) const
{
    QByteArray map;
    if (!rowOfPage(le32(definition, m_mdb->fmt->tab_usage_map_offset), &map, problem))
        return false;
    if (map.size() >= 5 && map.at(0) == 0) {
        const qint64 first = le32(map, 1);
        for (qint64 bit = 0; bit < (map.size() - 5) * 8; ++bit) {
            if ((quint8(map.at(5 + bit / 8)) >> (bit % 8)) & 1) {
                if (!addMappedPage(first + bit, name, pages, problem))
                    return false;
            }
        }
        return true;
    }
    if (map.size() >= 1 && map.at(0) == 1) {
        const qint64 bitsPerPage = (m_mdb->fmt->pg_size - 4) * 8;
        for (qint64 entry = 0; entry < (map.size() - 1) / 4; ++entry) {
            const quint32 mapPage = le32(map, 1 + 4 * entry);
            if (mapPage == 0)
                continue;
            QByteArray bitmap;
            if (!readPage(mapPage, &bitmap, problem))
                return false;
            if (bitmap.at(0) != kMapPage) {
                *problem = AccessImportText::DamagePageType.arg(mapPage).arg(AccessImportText::PageOfMap);
                return false;
            }
            for (qint64 bit = 0; bit < bitsPerPage; ++bit) {
                if ((quint8(bitmap.at(4 + bit / 8)) >> (bit % 8)) & 1) {
                    if (!addMappedPage(entry * bitsPerPage + bit, name, pages, problem))
                        return false;
                }
            }
        }
        return true;
    }
    *problem = AccessImportText::DamageMap.arg(name);
    return false;
}

bool MdbStructure::checkTable(quint32 page, const QString &name, TableShape *shape, QString *problem)
{
    QByteArray definition;
    QList<quint32> pages;
    if (!definitionBytes(page, name, &definition, problem) || !checkColumns(definition, name, problem)
        || !mappedPages(definition, name, &pages, problem))
        return false;
    shape->declaredRows = le32(definition, m_mdb->fmt->tab_num_rows_offset);
    shape->rowLimit = 0;
    for (const quint32 number : pages) {
        QByteArray content;
        if (!readPage(number, &content, problem))
            return false;
        // libmdb passes over a mapped page that belongs to another table; so do we.
        if (content.at(0) == kDataPage && le32(content, 4) == page
            && !dataPageRows(content, number, &shape->rowLimit, problem))
            return false;
    }
    if (shape->declaredRows > shape->rowLimit) {
        *problem = AccessImportText::DamageRows.arg(name).arg(shape->declaredRows).arg(shape->rowLimit);
        return false;
    }
    return true;
}
