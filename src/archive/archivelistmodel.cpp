#include "archivelistmodel.h"

#include "archivestore.h"

#include <algorithm>

ArchiveListModel::ArchiveListModel(const ArchiveStore &archive, QObject *parent)
    : QAbstractListModel(parent), m_archive(archive)
{
}

QString ArchiveListModel::line(const ArchiveRecord &record, SearchType layout)
{
    const bool byDrawing = layout == SearchType::Drawing;
    const QString &first = byDrawing ? record.disegno : record.descrizione;
    const QString &second = byDrawing ? record.descrizione : record.disegno;
    return first.leftJustified(LeadingWidth, QLatin1Char(' '), true) + second;
}

void ArchiveListModel::setRows(std::vector<qint32> numbers, SearchType layout)
{
    beginResetModel();
    m_numbers = std::move(numbers);
    m_layout = layout;
    m_lines.clear();
    endResetModel();
}

int ArchiveListModel::lineOf(qint32 number) const
{
    const auto found = std::find(m_numbers.begin(), m_numbers.end(), number);
    return found == m_numbers.end() ? -1 : int(found - m_numbers.begin());
}

int ArchiveListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : size();
}

QVariant ArchiveListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= size())
        return {};
    if (const QString *cached = m_lines.object(index.row()))
        return *cached;
    // A row deleted meanwhile by another program shows as an empty line.
    const auto record = m_archive.seek(number(index.row()));
    auto *text = new QString(record ? line(*record, m_layout) : QString());
    const QString result = *text;
    m_lines.insert(index.row(), text);
    return result;
}
