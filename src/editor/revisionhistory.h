#pragma once

#include "programrevisions.h"
#include "revisedtext.h"
#include "textdiff.h"

#include <QAbstractTableModel>
#include <QByteArray>

#include <map>
#include <optional>
#include <vector>

class ArchiveStore;
class ProgramFolder;

// The revisions window's logic: a program's revisions, the differences between any two of its
// texts (a revision or the current one), and the restore.
class RevisionHistory {
public:
    // The current text in the choices below.
    static constexpr int Current = 0;

    RevisionHistory(ArchiveStore &archive, const ProgramFolder &folder, qint32 number);

    qint32 number() const { return m_number; }
    // Newest first; read again after a restore.
    const std::vector<RevisionInfo> &revisions() const { return m_revisions; }
    void reload();
    QString lastError() const { return m_error; }

    // A revision's text, or the current one; nullopt (lastError()) for a damaged row.
    std::optional<QByteArray> text(int revision);
    // Lines added and removed from a revision to the one after it (or the current text).
    std::optional<TextDiff::Counts> countsAgainstNext(size_t index);
    TextChange restore(int revision);

private:
    ArchiveStore &m_archive;
    const ProgramFolder &m_folder;
    const qint32 m_number;
    std::vector<RevisionInfo> m_revisions;
    std::map<int, QByteArray> m_texts;
    std::map<size_t, TextDiff::Counts> m_counts;
    QString m_error;
};

// The differences of two texts side by side, one row a line: old line number and text, new
// line number and text; removed, added and changed lines coloured. Rows are made from the
// changes alone and their texts read when shown, so a large program stays quick.
class DiffModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { OldNumber, OldText, NewNumber, NewText, ColumnCount };
    enum class Kind { Same, Removed, Added, Changed };
    struct Row {
        qsizetype oldLine; // -1: none on that side
        qsizetype newLine;
        Kind kind;
    };

    using QAbstractTableModel::QAbstractTableModel;
    void compare(const QByteArray &oldText, const QByteArray &newText);
    const std::vector<Row> &diffRows() const { return m_rows; }
    TextDiff::Counts counts() const { return m_counts; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QByteArray m_oldText;
    QByteArray m_newText;
    std::vector<QByteArrayView> m_oldLines;
    std::vector<QByteArrayView> m_newLines;
    std::vector<Row> m_rows;
    TextDiff::Counts m_counts;
};
