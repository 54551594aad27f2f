#pragma once

#include "archiverecord.h"

#include <QAbstractListModel>
#include <QCache>

#include <vector>

class ArchiveStore;

// Which field leads a program list line: the option chosen under "Scelta tipo di ricerca".
enum class SearchType { Drawing, Description };

// The browser's program list: one line per archive number of the last search. Only the lines
// a view asks for are read from the archive, so a search that finds a million rows lists at once.
class ArchiveListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // The leading field padded or cut to exactly this many characters, then the other field.
    static constexpr int LeadingWidth = 31;

    explicit ArchiveListModel(const ArchiveStore &archive, QObject *parent = nullptr);

    static QString line(const ArchiveRecord &record, SearchType layout);

    void setRows(std::vector<qint32> numbers, SearchType layout);
    const std::vector<qint32> &numbers() const { return m_numbers; }
    qint32 number(int row) const { return m_numbers.at(std::size_t(row)); }
    int size() const { return int(m_numbers.size()); }
    // The first line of a program, or -1.
    int lineOf(qint32 number) const;
    SearchType layout() const { return m_layout; }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    const ArchiveStore &m_archive;
    std::vector<qint32> m_numbers;
    SearchType m_layout = SearchType::Drawing;
    // Repaints ask for the same lines again and again.
    mutable QCache<int, QString> m_lines{1024};
};
