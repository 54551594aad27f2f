#pragma once

#include <QString>
#include <QUrl>

// Where a database lives: a local SQLite file, or a PostgreSQL server named by a
// postgresql://user@host:port/database address. A server address without a password leaves
// the password to libpq (PGPASSWORD, ~/.pgpass).
class DatabaseAddress {
public:
    static DatabaseAddress file(const QString &path);
    static DatabaseAddress server(const QString &url, const QString &password = {});
    // A server address with only the database name changed: copies and test databases.
    DatabaseAddress onDatabase(const QString &databaseName) const;

    bool isServer() const { return !m_urlText.isEmpty(); }
    // A postgresql:// address that names a host and a database.
    bool isValidServer() const { return isServerUrl(m_urlText); }
    QString filePath() const { return m_path; }
    QUrl url() const { return m_url; }
    QString password() const;
    QString databaseName() const;

    // "postgresql://" or "postgres://" with a host and a database name.
    static bool isServerUrl(const QString &text);
    // What messages show: the file's path, or the address without its password.
    QString describe() const;

private:
    QString m_path;
    QString m_urlText;
    QUrl m_url;
    QString m_password;
};
