#pragma once

#include "databaseaddress.h"
#include "sqldialect.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QString>

// One named connection, to a SQLite file or a PostgreSQL server, that removes itself from
// Qt's registry when it goes away, so that several stores (archive, picture catalogue,
// benchmarks) can be open at once.
class SqlConnection {
    Q_DECLARE_TR_FUNCTIONS(SqlConnection)

public:
    SqlConnection();
    ~SqlConnection();
    SqlConnection(const SqlConnection &) = delete;
    SqlConnection &operator=(const SqlConnection &) = delete;

    // Opens an existing database; a missing file is an error, never an empty new database.
    bool openExisting(const DatabaseAddress &address);
    bool openExisting(const QString &path) { return openExisting(DatabaseAddress::file(path)); }
    // Creates a missing file; a server's database must exist already.
    bool openOrCreate(const DatabaseAddress &address);
    bool openOrCreate(const QString &path) { return openOrCreate(DatabaseAddress::file(path)); }
    QSqlDatabase database() const { return QSqlDatabase::database(m_name, false); }
    SqlDialect dialect() const { return SqlDialect::of(database()); }
    QString errorText() const { return m_error; }
    void close();
    // Opens the connection again with the same address, after the server dropped it.
    bool reconnect();

private:
    bool runSessionSetup(QSqlDatabase &db);
    bool open(const DatabaseAddress &address, bool mustExist);
    QSqlDatabase fileDatabase(const QString &path, bool mustExist);
    QSqlDatabase serverDatabase(const DatabaseAddress &address);

    QString m_name;
    QString m_error;
};
