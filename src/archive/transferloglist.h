#pragma once

#include "transferlogstore.h"

#include <QAbstractTableModel>

#include <vector>

class Dialogs;

// What the window's filter fields hold, as typed or chosen.
struct TransferFilterFields {
    QString machine;
    QString program;
    std::optional<QDate> since;
    std::optional<QDate> until;
    std::optional<TransferResult> result;
};

// The rows of the window "Registro trasferimenti": the listing the filter asks for, newest first,
// one column a field, the revision of a sent text included. Rows are read a page at a time, as
// the grid scrolls to them: a log of years opens as fast as one of a day.
class TransferLogList : public QAbstractTableModel {
    Q_OBJECT
public:
    TransferLogList(const TransferLogStore &store, Dialogs &dialogs, QObject *parent = nullptr);

    // The filter of the fields; nullopt after telling what is wrong with them.
    std::optional<TransferFilter> filterFrom(const TransferFilterFields &fields) const;
    // Lists the rows again from the first page; false after telling why the log could not be read.
    bool list(const TransferFilterFields &fields);
    // How many rows the filter matched when listed, those not read yet included.
    qint64 matched() const { return m_matched; }
    // Double-click: the whole row, a field a line.
    QString details(int row) const;
    // "Esporta": every row the filter matches, as CSV, where the user chooses; false when not written.
    bool exportCsv(const QString &folder);

    static constexpr int PageRows = 500;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

private:
    // The filter's page after the row given (the first page without one); nullopt after telling
    // why it could not be read.
    std::optional<std::vector<TransferListing>> page(const TransferFilter &filter, const TransferListing *after) const;
    void append(std::vector<TransferListing> &&rows);

    const TransferLogStore &m_store;
    Dialogs &m_dialogs;
    const QStringList m_header;
    TransferFilter m_filter;
    qint64 m_matched = 0;
    bool m_complete = true;
    std::vector<TransferListing> m_rows;
    std::vector<QStringList> m_fields;
};
