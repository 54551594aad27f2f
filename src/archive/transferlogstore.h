#pragma once

#include "transferlog.h"

#include <QDate>
#include <QStringList>
#include <QVariantList>

#include <optional>
#include <vector>

class ArchiveStore;
class QSqlQuery;

// Which rows of the transfer log to list.
struct TransferFilter {
    QString machine;                 // equal but for case; empty: every machine
    std::optional<qint32> program;   // archive number
    std::optional<QDate> since;      // local days, both included
    std::optional<QDate> until;
    std::optional<TransferResult> result;
    bool failedOnly = false;         // fallito or interrotto
};

// A page of a listing: at most rows rows (0: all), those after the row given in its order.
struct TransferPage {
    int rows = 0;
    std::optional<TransferEntry> after;
};

// A row as listed: the entry and, for a sent text, the revision of its program it matches.
struct TransferListing {
    TransferEntry entry;
    std::optional<int> revision;
};

// The transfer log in table trasferimenti beside cicli, on the archive's own connection: one row
// per operation, begun "in corso" and completed at its end.
class TransferLogStore : public TransferLog {
public:
    explicit TransferLogStore(ArchiveStore &archive);

    // Makes the table and its indexes when missing; an existing table is left as it is.
    static bool createTable(ArchiveStore &archive, QString *error = nullptr);

    std::optional<qint64> begin(const TransferEntry &entry) override;
    bool finish(const TransferEntry &entry) override;
    QString lastError() const override { return m_error; }

    // Newest first; empty with lastError() on a failure.
    std::vector<TransferListing> list(const TransferFilter &filter, const TransferPage &page = {}) const;
    // How many rows the filter matches, its page aside; nullopt with lastError() on a failure.
    std::optional<qint64> count(const TransferFilter &filter) const;

private:
    bool failed(const QString &error) const;
    QStringList conditionsOf(const TransferFilter &filter, QVariantList &values) const;
    bool run(QSqlQuery &query, const QString &statement, const QVariantList &values) const;

    ArchiveStore &m_archive;
    mutable QString m_error;
};

// The listing as lines: tab-separated for the command line, CSV (RFC 4180, header row) for export.
QStringList transferLogHeader();
QStringList transferLogFields(const TransferListing &listing);
QString tabSeparatedLine(const QStringList &fields);
QString csvLine(const QStringList &fields);
QString transferLogCsv(const std::vector<TransferListing> &listings);
