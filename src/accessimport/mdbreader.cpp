#include "mdbreader.h"

#include "accessdate.h"
#include "accessimporttext.h"

#include <mdbtools.h>

#include <QByteArray>
#include <QFile>

#include <vector>

namespace {

// Long enough for any memo typed in Access (64K characters, up to three UTF-8 bytes each);
// a longer value is reported instead of being cut.
constexpr size_t kBindSize = 1024 * 1024;
// A row's start within its page; the bits above are flags.
constexpr int kRowOffsetMask = 0x1fff;

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
        // OLE, binary and types this reader does not know keep their bytes.
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

// The whole value of an OLE field, which libmdb hands over page by page.
QByteArray oleValue(MdbHandle *mdb, MdbColumn *column)
{
    char reference[MDB_MEMO_OVERHEAD];
    memcpy(reference, column->bind_ptr, MDB_MEMO_OVERHEAD);
    QByteArray value;
    size_t length = mdb_ole_read(mdb, column, reference, kBindSize);
    while (length > 0) {
        value.append(static_cast<const char *>(column->bind_ptr), qsizetype(length));
        length = mdb_ole_read_next(mdb, column, reference);
    }
    return value;
}

} // namespace

struct MdbReader::Handle {
    MdbHandle *mdb = nullptr;
    ~Handle()
    {
        if (mdb)
            mdb_close(mdb);
    }
};

MdbReader::MdbReader(std::unique_ptr<Handle> handle) : m_handle(std::move(handle)) {}

MdbReader::~MdbReader() = default;

std::unique_ptr<AccessReader> MdbReader::open(const QString &path, QString *error)
{
    auto handle = std::make_unique<Handle>();
    handle->mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!handle->mdb || !mdb_read_catalog(handle->mdb, MDB_TABLE)) {
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
    mdb_set_bind_size(mdb, kBindSize);
    mdb_set_boolean_fmt_numbers(mdb);
    return std::unique_ptr<AccessReader>(new MdbReader(std::move(handle)));
}

QList<AccessTable> MdbReader::tables()
{
    MdbHandle *mdb = m_handle->mdb;
    QList<AccessTable> result;
    for (unsigned int i = 0; i < mdb->num_catalog; ++i) {
        auto *entry = static_cast<MdbCatalogEntry *>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type != MDB_TABLE || !mdb_is_user_table(entry))
            continue;
        TableDef table(mdb_read_table(entry));
        if (!table || !mdb_read_columns(table.get()))
            continue;
        AccessTable described;
        described.name = QString::fromUtf8(entry->object_name);
        described.declaredRows = table->num_rows;
        for (unsigned int c = 0; c < table->num_cols; ++c) {
            MdbColumn *column = columnAt(table.get(), c);
            described.columns.append({QString::fromUtf8(column->name), kindOf(column->col_type)});
        }
        result.append(described);
    }
    return result;
}

bool MdbReader::readRows(const AccessTable &described, const RowSink &sink, QString *error)
{
    MdbHandle *mdb = m_handle->mdb;
    const QByteArray name = described.name.toUtf8();
    MdbCatalogEntry *entry = mdb_get_catalogentry_by_name(mdb, name.constData());
    TableDef table(entry ? mdb_read_table(entry) : nullptr);
    if (!table || !mdb_read_columns(table.get())) {
        *error = AccessImportText::TableUnreadable.arg(described.name);
        return false;
    }
    const unsigned int columnCount = table->num_cols;
    std::vector<QByteArray> buffers(columnCount);
    std::vector<int> lengths(columnCount, 0);
    for (unsigned int c = 0; c < columnCount; ++c) {
        buffers[c] = QByteArray(qsizetype(kBindSize), Qt::Uninitialized);
        mdb_bind_column(table.get(), int(c) + 1, buffers[c].data(), &lengths[c]);
    }
    mdb_rewind_table(table.get());
    QVariantList row;
    while (mdb_fetch_row(table.get())) {
        const std::vector<bool> nulls = nullColumns(table.get());
        row.clear();
        for (unsigned int c = 0; c < columnCount; ++c) {
            MdbColumn *column = columnAt(table.get(), c);
            if (column->col_type != MDB_BOOL && nulls[c]) {
                row.append(QVariant());
                continue;
            }
            if (column->col_type == MDB_OLE) {
                row.append(column->cur_value_len > 0 ? oleValue(mdb, column) : QByteArray(""));
                continue;
            }
            if (column->col_type == MDB_DATETIME) {
                const QString date = accessDateText(mdb_get_double(mdb->pg_buf, column->cur_value_start));
                if (date.isEmpty()) {
                    *error = AccessImportText::ValueUnreadable.arg(described.name, described.columns.value(int(c)).name,
                                                                   QString());
                    return false;
                }
                row.append(date);
                continue;
            }
            if (kindOf(column->col_type) == ColumnKind::Blob) {
                row.append(QByteArray(reinterpret_cast<const char *>(mdb->pg_buf) + column->cur_value_start,
                                      column->cur_value_len));
                continue;
            }
            const char *bound = buffers[c].constData();
            const qsizetype length = qsizetype(qstrnlen(bound, kBindSize));
            if (length >= qsizetype(kBindSize) - 1) {
                *error = AccessImportText::ValueTooLong.arg(described.name, described.columns.value(int(c)).name);
                return false;
            }
            const QByteArray text(bound, length);
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
                *error = AccessImportText::ValueUnreadable.arg(described.name, described.columns.value(int(c)).name,
                                                               QString::fromUtf8(text));
                return false;
            }
        }
        if (!sink(row))
            return true;
    }
    return true;
}
