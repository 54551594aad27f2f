#include "transferloglist.h"

#include "dialogs.h"
#include "textfile.h"
#include "transferlogtext.h"

#include <QDir>

namespace {

constexpr qint32 LargestProgramNumber = 9999999;
// The columns the grid shows times in: stored in UTC, shown in local time.
constexpr int StartField = 0;
constexpr int EndField = 1;
// The columns of stored words, shown in the interface's language.
constexpr int OperationField = 4;
constexpr int ResultField = 11;

} // namespace

TransferLogList::TransferLogList(const TransferLogStore &store, Dialogs &dialogs, QObject *parent)
    : QAbstractTableModel(parent), m_store(store), m_dialogs(dialogs), m_header(transferLogHeader())
{
}

std::optional<TransferFilter> TransferLogList::filterFrom(const TransferFilterFields &fields) const
{
    TransferFilter filter;
    filter.machine = fields.machine.trimmed();
    const QString program = fields.program.trimmed();
    if (!program.isEmpty()) {
        bool ok = false;
        const int number = program.toInt(&ok);
        if (!ok || number < 1 || number > LargestProgramNumber) {
            m_dialogs.message(TransferLogText::BadProgram.arg(program), {}, Dialogs::Icon::Exclamation);
            return std::nullopt;
        }
        filter.program = number;
    }
    if (fields.since && fields.until && *fields.since > *fields.until) {
        m_dialogs.message(TransferLogText::BadDates, {}, Dialogs::Icon::Exclamation);
        return std::nullopt;
    }
    filter.since = fields.since;
    filter.until = fields.until;
    filter.result = fields.result;
    return filter;
}

bool TransferLogList::list(const TransferFilterFields &fields)
{
    const std::optional<TransferFilter> filter = filterFrom(fields);
    if (!filter)
        return false;
    const std::optional<qint64> matched = m_store.count(*filter);
    if (!matched) {
        m_dialogs.message(TransferLogText::NotRead.arg(m_store.lastError()), {}, Dialogs::Icon::Exclamation);
        return false;
    }
    std::optional<std::vector<TransferListing>> first = page(*filter, nullptr);
    if (!first)
        return false;
    beginResetModel();
    m_filter = *filter;
    m_matched = *matched;
    m_rows.clear();
    m_fields.clear();
    append(std::move(*first));
    endResetModel();
    return true;
}

bool TransferLogList::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && !m_complete;
}

void TransferLogList::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    std::optional<std::vector<TransferListing>> rows = page(m_filter, m_rows.empty() ? nullptr : &m_rows.back());
    // Told once: the rows read stay, the grid asks for no more.
    if (!rows || rows->empty()) {
        m_complete = true;
        return;
    }
    beginInsertRows({}, rowCount(), rowCount() + int(rows->size()) - 1);
    append(std::move(*rows));
    endInsertRows();
}

std::optional<std::vector<TransferListing>> TransferLogList::page(const TransferFilter &filter,
                                                                  const TransferListing *after) const
{
    TransferPage page{PageRows, {}};
    if (after)
        page.after = after->entry;
    std::vector<TransferListing> rows = m_store.list(filter, page);
    if (!m_store.lastError().isEmpty()) {
        m_dialogs.message(TransferLogText::NotRead.arg(m_store.lastError()), {}, Dialogs::Icon::Exclamation);
        return std::nullopt;
    }
    return rows;
}

void TransferLogList::append(std::vector<TransferListing> &&rows)
{
    // A short page is the last one.
    m_complete = rows.size() < size_t(PageRows);
    for (TransferListing &listing : rows) {
        QStringList fields = transferLogFields(listing);
        fields[OperationField] = operationShown(listing.entry.operation);
        fields[ResultField] = resultShown(listing.entry.result);
        for (int time : {StartField, EndField}) {
            const QDateTime &at = time == StartField ? listing.entry.started : listing.entry.ended;
            fields[time] = at.isValid() ? at.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")) : QString();
        }
        m_fields.push_back(std::move(fields));
        m_rows.push_back(std::move(listing));
    }
}

QString TransferLogList::details(int row) const
{
    if (row < 0 || row >= rowCount())
        return {};
    const QStringList &fields = m_fields.at(size_t(row));
    QStringList lines;
    for (int i = 0; i < m_header.size(); ++i)
        lines.append(m_header.at(i) + QStringLiteral(": ") + fields.at(i));
    return lines.join(u'\n');
}

bool TransferLogList::exportCsv(const QString &folder)
{
    const QString path = m_dialogs.saveFileName(TransferLogText::ExportTitle,
                                                QDir(folder).filePath(TransferLogText::ExportFileName),
                                                TransferLogText::CsvFiles);
    if (path.isEmpty())
        return false;
    std::vector<TransferListing> rows = m_store.list(m_filter);
    if (!m_store.lastError().isEmpty()) {
        m_dialogs.message(TransferLogText::NotRead.arg(m_store.lastError()), {}, Dialogs::Icon::Exclamation);
        return false;
    }
    QString error;
    if (!TextFile::writeAtomically(path, transferLogCsv(rows).toUtf8(), &error)) {
        m_dialogs.message(TransferLogText::NotExported.arg(QDir::toNativeSeparators(path), error), {},
                          Dialogs::Icon::Exclamation);
        return false;
    }
    m_dialogs.message(TransferLogText::Exported.arg(QDir::toNativeSeparators(path)));
    return true;
}

int TransferLogList::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_fields.size());
}

int TransferLogList::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_header.size());
}

QVariant TransferLogList::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    return m_fields.at(size_t(index.row())).at(index.column());
}

QVariant TransferLogList::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    return m_header.at(section);
}
