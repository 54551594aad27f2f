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
// one column a field, the revision of a sent text included.
class TransferLogList : public QAbstractTableModel {
    Q_OBJECT
public:
    TransferLogList(const TransferLogStore &store, Dialogs &dialogs, QObject *parent = nullptr);

    // The filter of the fields; nullopt after telling what is wrong with them.
    std::optional<TransferFilter> filterFrom(const TransferFilterFields &fields) const;
    // Lists the rows again; false after telling why the log could not be read.
    bool list(const TransferFilterFields &fields);
    // Double-click: the whole row, a field a line.
    QString details(int row) const;
    // "Esporta": the rows listed, as CSV, where the user chooses; false when not written.
    bool exportCsv(const QString &folder);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const TransferLogStore &m_store;
    Dialogs &m_dialogs;
    const QStringList m_header;
    std::vector<TransferListing> m_rows;
    std::vector<QStringList> m_fields;
};
