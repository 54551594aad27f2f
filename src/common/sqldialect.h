#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>

class QSqlError;

// What differs between the local SQLite file and a PostgreSQL server, in one place; the
// stores write the rest of their SQL once for both. Text compared "without regard to case"
// is lower() in byte order on the server and the same order in our own collation on the file
// (SqliteCaseless), so that both find, group and sort alike and an index answers prefix
// searches on both.
class SqlDialect {
public:
    enum class Kind { SQLite, PostgreSQL };

    explicit SqlDialect(Kind kind) : m_kind(kind) {}
    static SqlDialect of(const QSqlDatabase &database);
    Kind kind() const { return m_kind; }
    bool isServer() const { return m_kind == Kind::PostgreSQL; }

    // Run once on every new connection.
    QStringList sessionSetup() const;

    // Column types of the schemas.
    QString caselessTextType() const;
    QString shortTextType(int length) const;
    // Bytes kept as they are (compressed program texts).
    QString binaryType() const;
    // A column numbered by the database, one higher for every row added.
    QString rowNumberKeyType() const;
    // After an INSERT: makes the statement yield the new row's number where lastInsertId() cannot.
    QString returningRowNumber(const QString &column) const;
    // Unique index names: the server's index names are shared by every table of a schema.
    QString uniqueIndexName(const QString &table, const QString &name) const;

    // An expression for ORDER BY, GROUP BY and comparisons that ignore case.
    QString caseless(const QString &column) const;
    // A condition matching a LIKE pattern escaped with "\"; it binds caselessLikeValues(pattern).
    QString caselessLike(const QString &column) const;
    QVariantList caselessLikeValues(const QString &pattern) const;
    // A condition with one bound parameter, equal but for case.
    QString caselessEquals(const QString &column) const;
    // One value of column for a row of GROUP BY: any of its group's.
    QString anyOfGroup(const QString &column) const;
    // An index that answers caselessLike / caselessEquals on column, ties in tieBreaker order.
    QString caselessIndex(const QString &name, const QString &table, const QString &column,
                          const QString &tieBreaker) const;

    // Begins a transaction that reads, then writes: on the file it takes the write lock at once,
    // so two programs doing the same wait for each other instead of locking each other out.
    QString beginReadThenWrite() const;
    // A query with two bound parameters (index name, table name) that yields a row when the
    // index exists on that table.
    QString indexLookup() const;
    // A query with one bound parameter (table name) that yields the names of the table's
    // indexes kept in an earlier release's caseless order, which must be made again; empty
    // where there are none.
    QString outdatedIndexesLookup() const;
    // The server's own upkeep of a table (space reused, statistics renewed); removes no row.
    QString maintenance(const QString &table) const;
    // A query with one bound parameter (table name) that yields a row when the table exists.
    QString tableLookup() const;

    bool isUniqueViolation(const QSqlError &error) const;
    // The connection to the server has gone (the server restarted, the network broke): an
    // error libpq made itself, without a state, or a connection or shutdown state.
    bool isConnectionLost(const QSqlError &error) const;

    // The name every connection of this program gives itself on a server.
    static QString applicationName() { return QStringLiteral("truv"); }
    // A condition true when no other connection of this program uses the database: rows a
    // running program holds (reserved numbers) may then be cleared. Always true on the file,
    // where the start-up load has always cleared them.
    QString aloneCondition() const;

private:
    Kind m_kind;
};
