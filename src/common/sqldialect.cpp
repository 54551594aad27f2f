#include "sqldialect.h"

#include "sqlitecaseless.h"

#include <QSqlDriver>
#include <QSqlError>

SqlDialect SqlDialect::of(const QSqlDatabase &database)
{
    return SqlDialect(database.driverName() == QLatin1String("QPSQL") ? Kind::PostgreSQL : Kind::SQLite);
}

QStringList SqlDialect::sessionSetup() const
{
    if (!isServer())
        return {};
    // Prepared statements are planned for the text actually searched: a plan made once for
    // any pattern could not use the prefix indexes.
    return {QStringLiteral("SET plan_cache_mode = force_custom_plan"), QStringLiteral("SET client_min_messages = warning")};
}

QString SqlDialect::caselessTextType() const
{
    return isServer() ? QStringLiteral("TEXT") : QStringLiteral("TEXT COLLATE NOCASE");
}

QString SqlDialect::shortTextType(int length) const
{
    // The file never enforced the length; the server must accept every value the file holds.
    return isServer() ? QStringLiteral("TEXT") : QStringLiteral("VARCHAR(%1)").arg(length);
}

QString SqlDialect::binaryType() const
{
    return isServer() ? QStringLiteral("BYTEA") : QStringLiteral("BLOB");
}

QString SqlDialect::rowNumberKeyType() const
{
    return isServer() ? QStringLiteral("BIGSERIAL PRIMARY KEY") : QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT");
}

QString SqlDialect::returningRowNumber(const QString &column) const
{
    return isServer() ? QStringLiteral(" RETURNING ") + column : QString();
}

QString SqlDialect::uniqueIndexName(const QString &table, const QString &name) const
{
    return isServer() ? table + QLatin1Char('_') + name.toLower() : name;
}

QString SqlDialect::caseless(const QString &column) const
{
    return isServer() ? QStringLiteral("lower(%1) COLLATE \"C\"").arg(column)
                      : QStringLiteral("%1 COLLATE %2").arg(column, QLatin1String(SqliteCaseless::Collation));
}

QString SqlDialect::caselessLike(const QString &column) const
{
    if (isServer())
        return QStringLiteral("%1 LIKE lower(CAST(? AS TEXT)) ESCAPE '\\'").arg(caseless(column));
    // SQLite's LIKE uses an index only in its own NOCASE order; a range in ours does.
    return QStringLiteral("(%1 >= ? AND %1 < ? AND (? IS NULL OR %2(?, %3)))")
        .arg(caseless(column), QLatin1String(SqliteCaseless::MatchFunction), column);
}

QVariantList SqlDialect::caselessLikeValues(const QString &pattern) const
{
    return isServer() ? QVariantList{pattern} : SqliteCaseless::likeValues(pattern);
}

QString SqlDialect::caselessEquals(const QString &column) const
{
    return isServer() ? QStringLiteral("%1 = lower(CAST(? AS TEXT))").arg(caseless(column))
                      : QStringLiteral("%1 = ?").arg(caseless(column));
}

QString SqlDialect::anyOfGroup(const QString &column) const
{
    // SQLite takes a bare column from one row of the group, without the work of min().
    return isServer() ? QStringLiteral("min(%1)").arg(column) : column;
}

QString SqlDialect::caselessIndex(const QString &name, const QString &table, const QString &column,
                                  const QString &tieBreaker) const
{
    const QString key = isServer() ? QLatin1Char('(') + caseless(column) + QLatin1Char(')') : caseless(column);
    return QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3, %4)").arg(name, table, key, tieBreaker);
}

QString SqlDialect::beginReadThenWrite() const
{
    return isServer() ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE");
}

QString SqlDialect::indexLookup() const
{
    return isServer() ? QStringLiteral("SELECT 1 FROM pg_indexes WHERE schemaname = current_schema() "
                                       "AND indexname = ? AND tablename = ?")
                      : QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'index' "
                                       "AND name = ? COLLATE NOCASE AND tbl_name = ? COLLATE NOCASE");
}

QString SqlDialect::outdatedIndexesLookup() const
{
    if (isServer())
        return {};
    return QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = ? COLLATE NOCASE "
                          "AND sql LIKE '%COLLATE NOCASE%'");
}

QString SqlDialect::maintenance(const QString &table) const
{
    return (isServer() ? QStringLiteral("VACUUM ANALYZE ") : QStringLiteral("ANALYZE ")) + table;
}

QString SqlDialect::tableLookup() const
{
    return isServer() ? QStringLiteral("SELECT 1 FROM pg_tables WHERE schemaname = current_schema() "
                                       "AND tablename = ?")
                      : QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE");
}

bool SqlDialect::isUniqueViolation(const QSqlError &error) const
{
    if (isServer())
        return error.nativeErrorCode() == QLatin1String("23505");
    return error.databaseText().contains(QLatin1String("UNIQUE constraint failed"));
}

bool SqlDialect::isConnectionLost(const QSqlError &error) const
{
    if (!isServer() || error.type() == QSqlError::NoError)
        return false;
    const QString state = error.nativeErrorCode();
    return state.isEmpty() || state.startsWith(QLatin1String("08")) || state.startsWith(QLatin1String("57P0"));
}

QString SqlDialect::aloneCondition() const
{
    if (!isServer())
        return QStringLiteral("1 = 1");
    return QStringLiteral("NOT EXISTS (SELECT 1 FROM pg_stat_activity WHERE datname = current_database() "
                          "AND application_name = '%1' AND pid <> pg_backend_pid())")
        .arg(applicationName());
}
