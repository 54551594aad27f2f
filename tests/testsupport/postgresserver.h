#pragma once

#include "databaseaddress.h"

#include <QString>
#include <QTemporaryDir>

// A throw-away PostgreSQL server for one test or benchmark run: a cluster made by initdb in a
// temporary folder, started by pg_ctl on a free port of 127.0.0.1, stopped and removed with the
// object. PostgreSQL refuses to run as root, so under root the server runs as the postgres user
// (or nobody).
class PostgresServer {
public:
    PostgresServer() = default;
    ~PostgresServer();
    PostgresServer(const PostgresServer &) = delete;
    PostgresServer &operator=(const PostgresServer &) = delete;

    // False with error() when PostgreSQL is not installed or will not start.
    bool start();
    QString error() const { return m_error; }
    bool isRunning() const { return m_port != 0; }

    // Stops the server, ending every connection as a restart does, and starts it again.
    bool restart();
    // A new empty database, one per call; an empty address with error() on failure.
    DatabaseAddress createDatabase();
    DatabaseAddress address(const QString &databaseName) const;
    // The folder of initdb, pg_ctl and psql.
    QString binDir() const { return m_binDir; }
    quint16 port() const { return m_port; }

private:
    bool run(const QString &program, const QStringList &arguments, bool asServerUser);
    bool tryStart(quint16 port);

    QTemporaryDir m_dir;
    QString m_binDir;
    QString m_dataDir;
    QString m_error;
    quint16 m_port = 0;
    int m_databases = 0;
};
