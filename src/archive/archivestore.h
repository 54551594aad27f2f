#pragma once

#include "archiverecord.h"
#include "sqlconnection.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

// The program archive: table cicli with its unique index "indice" on progr, in the file
// truv.mdb or in a PostgreSQL database. Every value reaches the database as a bound parameter.
class ArchiveStore {
public:
    enum class ListOrder { CustomerDrawing, CustomerDescription, DrawingCustomer };

    // Creates an empty archive; refuses a file, or a server table, that exists already.
    static bool createEmpty(const DatabaseAddress &address, QString *error = nullptr);
    static bool createEmpty(const QString &path, QString *error = nullptr)
    {
        return createEmpty(DatabaseAddress::file(path), error);
    }
    // True when the file, or the server's table cicli, is there; false also when the server
    // cannot be reached (the error then says why).
    static bool exists(const DatabaseAddress &address, QString *error = nullptr);
    // Opens an existing archive; a missing or unreadable file, or a server that cannot be
    // reached, gives nullptr and the database's message in *error.
    static std::unique_ptr<ArchiveStore> open(const DatabaseAddress &address, QString *error = nullptr);
    static std::unique_ptr<ArchiveStore> open(const QString &path, QString *error = nullptr)
    {
        return open(DatabaseAddress::file(path), error);
    }

    ~ArchiveStore();
    ArchiveStore(const ArchiveStore &) = delete;
    ArchiveStore &operator=(const ArchiveStore &) = delete;

    // The start-up load: creates the schema in an empty server database, removes rows without drawing number or description, checks that
    // cicli and indice exist, adds the field MACCHINA to an archive that lacks it (one attempt)
    // and makes sure the search indexes exist. False with lastError() on a failure that must
    // stop the program.
    bool prepareForUse();
    bool wasUpgraded() const { return m_upgraded; }
    // Expires with the store: work put off to the event loop checks it before use.
    std::weak_ptr<const bool> lifetime() const { return m_alive; }

    std::optional<ArchiveRecord> seek(qint32 progr) const;
    bool contains(qint32 progr) const;
    std::optional<qint32> firstNumber() const;
    std::optional<qint32> lastNumber() const;
    bool isEmpty() const { return !firstNumber().has_value(); }

    // The lowest positive number that no row has ("Libero").
    qint32 lowestFreeNumber() const;
    // Highest number + 1, or 1 for an empty archive: the number of a received program.
    qint32 numberAfterLast() const;
    // A number no row has for a row begun without a requested number.
    qint32 automaticNumber() const;

    // Archive numbers of the rows found, in the order the list shows them. A search text is a
    // prefix in which "*" stands for any run of characters; case does not matter.
    std::vector<qint32> searchByDrawing(const QString &text) const;
    std::vector<qint32> searchByDescription(const QString &text) const;
    std::vector<qint32> programsOfCustomer(const QString &customer) const;
    // The same searches with whole rows, in the same order, in one statement; an empty text
    // searching by drawing lists every saved row. Empty with lastError() when the query fails.
    enum class SearchField { Drawing, Description, Customer };
    std::vector<ArchiveRecord> findRecords(SearchField field, const QString &text) const;
    // Every non-blank customer once, ascending.
    QStringList customers() const;
    // Rows of the printed list: customer matching the pattern ("*" any run), never customer ".".
    std::vector<ArchiveRecord> printedList(ListOrder order, const QString &pattern) const;

    // A row begun but not yet saved holds its number as a row without drawing number and
    // description: no search lists it, no other row can take the number, and the start-up
    // load removes it if it was never saved.
    bool reserve(qint32 progr);
    // Reserves an automatic number; nullopt with lastError() when the archive refuses.
    std::optional<qint32> reserveAutomatic();
    // Writes the record into its reserved row, or adds it when the reservation has gone;
    // never overwrites a saved row.
    bool saveReserved(const ArchiveRecord &record);
    bool releaseReservation(qint32 progr);

    bool add(const ArchiveRecord &record);
    bool update(const ArchiveRecord &record);
    bool remove(qint32 progr);
    // Empties the old in-row copy of the program text.
    bool clearStoredText(qint32 progr);

    QString lastError() const { return m_error; }
    QSqlDatabase database() const { return m_connection.database(); }
    const SqlDialect &dialect() const { return m_dialect; }
    // The statements of the searches, for checking their plans.
    QString drawingSearchStatement() const;
    QString descriptionSearchStatement() const;
    QString customerSearchStatement() const;
    // What those statements bind for a search text.
    QVariantList searchValues(SearchField field, const QString &text) const;

private:
    ArchiveStore() = default;
    bool openConnection(const DatabaseAddress &address, bool mustExist, QString *error);
    bool createSchema();
    bool createSearchIndexes();
    QStringList outdatedIndexes();
    bool remakeIndex(const QString &name, const QString &create);
    bool hasTable(const QString &table);
    struct NextNumber {
        enum Outcome { Taken, Conflict, RangeFull, Failed } outcome;
        qint32 number = 0;
    };
    NextNumber reserveNextInOneStatement();
    QString prefixSearchStatement(const QString &column, const QString &columns = QStringLiteral("progr")) const;
    QString searchStatement(SearchField field, const QString &columns) const;
    bool exec(QSqlQuery &query) const;
    // True when the server had dropped the connection and it is open again.
    bool reconnectIfLost(const QSqlError &error) const;
    bool execStatement(const QString &statement);
    std::vector<qint32> numbers(const QString &statement, const QVariantList &values) const;
    bool hasMachineField();

    // Mutable: a read on a const store may open a dropped server connection again.
    mutable SqlConnection m_connection;
    std::shared_ptr<const bool> m_alive = std::make_shared<const bool>(true);
    mutable int m_connectionGeneration = 0;
    SqlDialect m_dialect{SqlDialect::Kind::SQLite};
    mutable std::unique_ptr<QSqlQuery> m_seekQuery;
    mutable int m_seekGeneration = 0;
    mutable QString m_error;
    bool m_upgraded = false;
};
