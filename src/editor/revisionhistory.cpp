#include "revisionhistory.h"

#include "archivestore.h"
#include "programfolder.h"
#include "revisiontext.h"
#include "textfile.h"

#include <QColor>
#include <QFile>

RevisionHistory::RevisionHistory(ArchiveStore &archive, const ProgramFolder &folder, qint32 number)
    : m_archive(archive), m_folder(folder), m_number(number)
{
    reload();
}

void RevisionHistory::reload()
{
    const ProgramRevisions revisions(m_archive, m_folder);
    m_revisions = revisions.list(m_number);
    m_error = revisions.lastError();
    m_texts.clear();
    m_counts.clear();
}

std::optional<QByteArray> RevisionHistory::text(int revision)
{
    if (const auto found = m_texts.find(revision); found != m_texts.end())
        return found->second;
    std::optional<QByteArray> text;
    if (revision == Current) {
        const QString path = m_folder.programTextPath(m_number);
        // A program without its file has an empty text, as the editor opens it.
        text = QFile::exists(path) ? TextFile::read(path, &m_error) : QByteArray();
    } else {
        const ProgramRevisions revisions(m_archive, m_folder);
        text = revisions.text(m_number, revision);
        m_error = revisions.lastError();
    }
    if (text)
        m_texts[revision] = *text;
    return text;
}

std::optional<TextDiff::Counts> RevisionHistory::countsAgainstNext(size_t index)
{
    if (const auto found = m_counts.find(index); found != m_counts.end())
        return found->second;
    if (index >= m_revisions.size())
        return std::nullopt;
    const std::optional<QByteArray> older = text(m_revisions[index].revision);
    const std::optional<QByteArray> newer = older ? text(index == 0 ? Current : m_revisions[index - 1].revision)
                                                  : std::nullopt;
    if (!newer)
        return std::nullopt;
    const TextDiff::Counts counts =
        TextDiff::count(TextDiff::changes(TextDiff::splitLines(*older), TextDiff::splitLines(*newer)));
    m_counts[index] = counts;
    return counts;
}

TextChange RevisionHistory::restore(int revision)
{
    const TextChange change = restoreRevision(m_archive, m_folder, m_number, revision);
    reload();
    return change;
}

void DiffModel::compare(const QByteArray &oldText, const QByteArray &newText)
{
    beginResetModel();
    m_oldText = oldText;
    m_newText = newText;
    m_oldLines = TextDiff::splitLines(m_oldText);
    m_newLines = TextDiff::splitLines(m_newText);
    const std::vector<TextDiff::Change> changes = TextDiff::changes(m_oldLines, m_newLines);
    m_counts = TextDiff::count(changes);
    m_rows.clear();
    m_rows.reserve(std::max(m_oldLines.size(), m_newLines.size()) + size_t(m_counts.added));
    qsizetype oldLine = 0;
    qsizetype newLine = 0;
    auto same = [&](qsizetype until) {
        for (; oldLine < until; ++oldLine, ++newLine)
            m_rows.push_back({oldLine, newLine, Kind::Same});
    };
    for (const TextDiff::Change &change : changes) {
        same(change.oldStart);
        const qsizetype paired = std::min(change.oldCount, change.newCount);
        for (qsizetype i = 0; i < paired; ++i)
            m_rows.push_back({oldLine++, newLine++, Kind::Changed});
        for (qsizetype i = paired; i < change.oldCount; ++i)
            m_rows.push_back({oldLine++, -1, Kind::Removed});
        for (qsizetype i = paired; i < change.newCount; ++i)
            m_rows.push_back({-1, newLine++, Kind::Added});
    }
    same(qsizetype(m_oldLines.size()));
    endResetModel();
}

int DiffModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int DiffModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DiffModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || size_t(index.row()) >= m_rows.size())
        return {};
    const Row &row = m_rows[size_t(index.row())];
    const bool oldSide = index.column() == OldNumber || index.column() == OldText;
    const qsizetype line = oldSide ? row.oldLine : row.newLine;
    if (role == Qt::DisplayRole) {
        if (line < 0)
            return {};
        if (index.column() == OldNumber || index.column() == NewNumber)
            return QString::number(line + 1);
        QByteArrayView text = (oldSide ? m_oldLines : m_newLines)[size_t(line)];
        while (text.endsWith('\n') || text.endsWith('\r'))
            text.chop(1);
        return QString::fromLatin1(text);
    }
    if (role == Qt::BackgroundRole) {
        switch (row.kind) {
        case Kind::Same:
            return {};
        case Kind::Changed:
            return QColor(255, 240, 170);
        case Kind::Removed:
            return oldSide ? QColor(255, 200, 200) : QColor(235, 235, 235);
        case Kind::Added:
            return oldSide ? QColor(235, 235, 235) : QColor(200, 240, 200);
        }
    }
    return {};
}

QVariant DiffModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return section == OldNumber || section == NewNumber ? QVariant(RevisionText::OldLineColumn) : QVariant();
}
