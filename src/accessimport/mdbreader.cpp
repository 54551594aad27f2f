#include "mdbreader.h"

#include "accessdate.h"
#include "accessimporttext.h"
#include "mdbstructure.h"
#include "quietstandarderror.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <array>
#include <vector>

namespace {

// Long enough for any text typed in Access (a text field holds 255 characters, up to three
// UTF-8 bytes each); a longer value is reported instead of being cut.
constexpr size_t kBindSize = 1024 * 1024;
// A row's start within its page; the bits above are flags.
constexpr int kRowOffsetMask = 0x1fff;
// The catalogue of a Jet file is the table defined on its page 2.
constexpr quint32 kCataloguePage = 2;
// A memo's or OLE field's reference: its length in the low bits, how it is kept in the top ones.
constexpr quint32 kLongLengthMask = 0x3fffffff;
constexpr quint32 kLongInline = 0x80000000;
constexpr quint32 kLongOnePage = 0x40000000;
// The catalogue's flags of the engine's own tables.
constexpr qint64 kSystemObject = 0x80000002;

ColumnKind kindOf(int mdbType)
{
    switch (mdbType) {
    case MDB_BOOL:
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
    case MDB_COMPLEX:
        return ColumnKind::Integer;
    case MDB_MONEY:
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_NUMERIC:
        return ColumnKind::Real;
    case MDB_TEXT:
    case MDB_MEMO:
    case MDB_DATETIME:
    case MDB_REPID:
        return ColumnKind::Text;
    default:
        // OLE and binary fields keep their bytes.
        return ColumnKind::Blob;
    }
}

MdbColumn *columnAt(MdbTableDef *table, unsigned int index)
{
    return static_cast<MdbColumn *>(g_ptr_array_index(table->columns, index));
}

struct TableDefDeleter {
    void operator()(MdbTableDef *table) const { mdb_free_tabledef(table); }
};
using TableDef = std::unique_ptr<MdbTableDef, TableDefDeleter>;

TableDef readDefinition(MdbCatalogEntry *entry)
{
    TableDef table(entry ? mdb_read_table(entry) : nullptr);
    if (!table || !mdb_read_columns(table.get()))
        return nullptr;
    return table;
}

QByteArray boundText(const QByteArray &buffer)
{
    return QByteArray(buffer.constData(), qsizetype(qstrnlen(buffer.constData(), kBindSize)));
}

// Which columns of the row just fetched are NULL. The bound values alone cannot tell a NULL
// from an empty text, and our archive treats the two differently.
std::vector<bool> nullColumns(MdbTableDef *table)
{
    MdbHandle *mdb = table->entry->mdb;
    std::vector<bool> nulls(table->num_cols, false);
    int start = 0;
    size_t length = 0;
    if (table->cur_row == 0 || mdb_find_row(mdb, int(table->cur_row) - 1, &start, &length) != 0)
        return nulls;
    std::vector<MdbField> fields(table->num_cols);
    const int count = mdb_crack_row(table, start & kRowOffsetMask, length, fields.data());
    for (int i = 0; i < count; ++i) {
        const int column = fields[size_t(i)].colnum;
        if (column >= 0 && column < int(table->num_cols))
            nulls[size_t(column)] = fields[size_t(i)].is_null != 0;
    }
    return nulls;
}

// The value of the row just fetched lies inside the page.
bool insidePage(MdbHandle *mdb, MdbColumn *column, int length)
{
    return column->cur_value_start >= 0 && length >= 0 && column->cur_value_start + length <= mdb->fmt->pg_size;
}

// The whole value of a memo or OLE field, which libmdb hands over piece by piece. False when the
// pieces loop, run past the length the reference declares or do not add up to it.
bool longValue(MdbHandle *mdb, MdbColumn *column, char *buffer, qint64 fileSize, QByteArray *value)
{
    value->clear();
    if (column->cur_value_len == 0)
        return true;
    if (column->cur_value_len < MDB_MEMO_OVERHEAD || !insidePage(mdb, column, column->cur_value_len))
        return false;
    char reference[MDB_MEMO_OVERHEAD];
    memcpy(reference, mdb->pg_buf + column->cur_value_start, MDB_MEMO_OVERHEAD);
    const quint32 head = quint32(mdb_get_int32(reference, 0));
    const qint64 declared = head & kLongLengthMask;
    if (declared > fileSize)
        return false;
    const bool chained = (head & (kLongInline | kLongOnePage)) == 0;
    void *const bound = column->bind_ptr;
    column->bind_ptr = buffer;
    QSet<quint32> pieces{quint32(mdb_get_int32(reference, 4))};
    bool whole = true;
    for (size_t length = mdb_ole_read(mdb, column, reference, kBindSize); length > 0;
         length = mdb_ole_read_next(mdb, column, reference)) {
        if (value->size() + qint64(length) > declared) {
            whole = false;
            break;
        }
        value->append(buffer, qsizetype(length));
        if (!chained || column->cur_blob_pg_row == 0)
            break;
        if (pieces.contains(column->cur_blob_pg_row)) {
            whole = false;
            break;
        }
        pieces.insert(column->cur_blob_pg_row);
    }
    column->bind_ptr = bound;
    return whole && value->size() == declared;
}

QString memoText(MdbHandle *mdb, const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return QStringLiteral("");
    // Up to three UTF-8 bytes for each byte of the file (Windows-1252 or compressed Unicode).
    QByteArray text(bytes.size() * 3 + 1, Qt::Uninitialized);
    const int length = mdb_unicode2ascii(mdb, bytes.constData(), size_t(bytes.size()), text.data(),
                                         size_t(text.size()));
    return QString::fromUtf8(text.constData(), qMin(length, int(text.size()) - 1));
}

} // namespace

struct MdbReader::Handle {
    QString path;
    qint64 fileSize = 0;
    MdbHandle *mdb = nullptr;
    // One entry per user table, in the order of tables.
    std::vector<std::unique_ptr<MdbCatalogEntry>> entries;
    QList<AccessTable> tables;
    QList<qint64> rowLimits;
    ~Handle()
    {
        if (mdb)
            mdb_close(mdb);
    }

    bool readCatalogue(MdbStructure &structure, QString *problem);
    bool describeTables(MdbStructure &structure, QString *problem);
};

// The user tables that the catalogue lists. libmdb's own catalogue read also parses every
// object's properties, and loops on damaged ones; the import needs names and pages only.
bool MdbReader::Handle::readCatalogue(MdbStructure &structure, QString *problem)
{
    TableShape shape;
    if (!structure.checkTable(kCataloguePage, QStringLiteral("MSysObjects"), &shape, problem))
        return false;
    MdbCatalogEntry catalogue{};
    catalogue.mdb = mdb;
    qstrncpy(catalogue.object_name, "MSysObjects", sizeof catalogue.object_name);
    catalogue.object_type = MDB_TABLE;
    catalogue.table_pg = kCataloguePage;
    const TableDef table = readDefinition(&catalogue);
    if (!table) {
        *problem = AccessImportText::DamageCatalogue;
        return false;
    }
    std::array<char[8], 4> names{{"Id", "Name", "Type", "Flags"}};
    std::array<QByteArray, 4> values;
    for (size_t i = 0; i < names.size(); ++i) {
        values[i] = QByteArray(qsizetype(kBindSize), '\0');
        if (mdb_bind_column_by_name(table.get(), names[i], values[i].data(), nullptr) < 0) {
            *problem = AccessImportText::DamageCatalogue;
            return false;
        }
    }
    mdb_rewind_table(table.get());
    for (qint64 rows = 1; mdb_fetch_row(table.get()); ++rows) {
        if (rows > shape.rowLimit) {
            *problem = AccessImportText::DamageCatalogue;
            return false;
        }
        const qint64 type = boundText(values[2]).toLongLong() & 0x7f;
        const qint64 flags = boundText(values[3]).toLongLong();
        if (type != MDB_TABLE || (flags & kSystemObject) != 0)
            continue;
        auto entry = std::make_unique<MdbCatalogEntry>();
        *entry = MdbCatalogEntry{};
        entry->mdb = mdb;
        qstrncpy(entry->object_name, boundText(values[1]).constData(), sizeof entry->object_name);
        entry->object_type = MDB_TABLE;
        entry->table_pg = (unsigned long)(boundText(values[0]).toLongLong() & 0x00ffffff);
        entry->flags = int(flags);
        entries.push_back(std::move(entry));
    }
    return true;
}

bool MdbReader::Handle::describeTables(MdbStructure &structure, QString *problem)
{
    for (const auto &entry : entries) {
        const QString name = QString::fromUtf8(entry->object_name);
        TableShape shape;
        if (!structure.checkTable(quint32(entry->table_pg), name, &shape, problem))
            return false;
        const TableDef table = readDefinition(entry.get());
        if (!table) {
            *problem = AccessImportText::DamageTable.arg(name);
            return false;
        }
        AccessTable described;
        described.name = name;
        described.declaredRows = shape.declaredRows;
        for (unsigned int c = 0; c < table->num_cols; ++c) {
            MdbColumn *column = columnAt(table.get(), c);
            described.columns.append({QString::fromUtf8(column->name), kindOf(column->col_type)});
        }
        tables.append(described);
        rowLimits.append(shape.rowLimit);
    }
    return true;
}

MdbReader::MdbReader(std::unique_ptr<Handle> handle) : m_handle(std::move(handle)) {}

MdbReader::~MdbReader() = default;

std::unique_ptr<AccessReader> MdbReader::open(const QString &path, QString *error)
{
    const QuietStandardError quiet;
    auto handle = std::make_unique<Handle>();
    handle->path = path;
    handle->fileSize = QFileInfo(path).size();
    handle->mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!handle->mdb) {
        *error = AccessImportText::Unreadable.arg(path);
        return nullptr;
    }
    MdbHandle *mdb = handle->mdb;
    // Jet 3 files do not say which code page their texts use: Italian shops wrote Windows-1252.
    // Set the conversions here rather than trusting whatever the environment asks of libmdb.
    mdb_iconv_close(mdb);
    const char *fileCharset = mdb->f->jet_version == MDB_VER_JET3 ? "CP1252" : "UCS-2LE";
    mdb->iconv_in = iconv_open("UTF-8", fileCharset);
    mdb->iconv_out = iconv_open(fileCharset, "UTF-8");
    if (mdb->iconv_in == iconv_t(-1) || mdb->iconv_out == iconv_t(-1)) {
        *error = AccessImportText::Unreadable.arg(path);
        return nullptr;
    }
    mdb_set_bind_size(mdb, kBindSize);
    mdb_set_boolean_fmt_numbers(mdb);
    MdbStructure structure(mdb, handle->fileSize);
    QString problem;
    if (!structure.checkFile(&problem) || !handle->readCatalogue(structure, &problem)
        || !handle->describeTables(structure, &problem)) {
        *error = AccessImportText::Damaged.arg(path, problem);
        return nullptr;
    }
    return std::unique_ptr<AccessReader>(new MdbReader(std::move(handle)));
}

QList<AccessTable> MdbReader::tables()
{
    return m_handle->tables;
}

bool MdbReader::readRows(const AccessTable &described, const RowSink &sink, QString *error)
{
    const QuietStandardError quiet;
    MdbHandle *mdb = m_handle->mdb;
    qsizetype index = 0;
    while (index < m_handle->tables.size() && m_handle->tables.at(index).name != described.name)
        ++index;
    const TableDef table = readDefinition(index < m_handle->tables.size() ? m_handle->entries[size_t(index)].get()
                                                                          : nullptr);
    if (!table) {
        *error = AccessImportText::TableUnreadable.arg(described.name);
        return false;
    }
    const auto damaged = [&](const QString &problem) {
        *error = AccessImportText::Damaged.arg(m_handle->path, problem);
        return false;
    };
    const unsigned int columnCount = table->num_cols;
    std::vector<QByteArray> buffers(columnCount);
    std::vector<int> lengths(columnCount, 0);
    for (unsigned int c = 0; c < columnCount; ++c) {
        buffers[c] = QByteArray(qsizetype(kBindSize), Qt::Uninitialized);
        // A memo is gathered here, piece by piece; libmdb's own gathering trusts the pieces.
        if (columnAt(table.get(), c)->col_type != MDB_MEMO)
            mdb_bind_column(table.get(), int(c) + 1, buffers[c].data(), &lengths[c]);
    }
    mdb_rewind_table(table.get());
    QVariantList row;
    for (qint64 rows = 1; mdb_fetch_row(table.get()); ++rows) {
        if (rows > m_handle->rowLimits.at(index))
            return damaged(AccessImportText::DamageTable.arg(described.name));
        const std::vector<bool> nulls = nullColumns(table.get());
        row.clear();
        for (unsigned int c = 0; c < columnCount; ++c) {
            MdbColumn *column = columnAt(table.get(), c);
            const QString field = described.columns.value(int(c)).name;
            if (column->col_type != MDB_BOOL && nulls[c]) {
                row.append(QVariant());
                continue;
            }
            if (column->col_type == MDB_OLE || column->col_type == MDB_MEMO) {
                QByteArray bytes;
                if (!longValue(mdb, column, buffers[c].data(), m_handle->fileSize, &bytes))
                    return damaged(AccessImportText::DamageLongValue.arg(described.name, field));
                row.append(column->col_type == MDB_OLE ? QVariant(bytes) : QVariant(memoText(mdb, bytes)));
                continue;
            }
            if (column->col_type == MDB_DATETIME) {
                if (!insidePage(mdb, column, 8))
                    return damaged(AccessImportText::DamageValue.arg(described.name, field));
                const QString date = accessDateText(mdb_get_double(mdb->pg_buf, column->cur_value_start));
                if (date.isEmpty()) {
                    *error = AccessImportText::ValueUnreadable.arg(described.name, field, QString());
                    return false;
                }
                row.append(date);
                continue;
            }
            if (kindOf(column->col_type) == ColumnKind::Blob) {
                if (!insidePage(mdb, column, column->cur_value_len))
                    return damaged(AccessImportText::DamageValue.arg(described.name, field));
                row.append(QByteArray(reinterpret_cast<const char *>(mdb->pg_buf) + column->cur_value_start,
                                      column->cur_value_len));
                continue;
            }
            const QByteArray text = boundText(buffers[c]);
            if (text.size() >= qsizetype(kBindSize) - 1) {
                *error = AccessImportText::ValueTooLong.arg(described.name, field);
                return false;
            }
            bool ok = true;
            switch (kindOf(column->col_type)) {
            case ColumnKind::Integer:
                row.append(text.toLongLong(&ok));
                break;
            case ColumnKind::Real:
                row.append(text.toDouble(&ok));
                break;
            default:
                row.append(QString::fromUtf8(text));
                break;
            }
            if (!ok) {
                *error = AccessImportText::ValueUnreadable.arg(described.name, field, QString::fromUtf8(text));
                return false;
            }
        }
        if (!sink(row))
            return true;
    }
    return true;
}
