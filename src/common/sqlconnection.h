#pragma once

#include <QSqlDatabase>
#include <QString>

// One named SQLite connection that removes itself from Qt's registry when it goes away,
// so that several stores (archive, picture catalogue, benchmarks) can be open at once.
class SqlConnection {
public:
    SqlConnection();
    ~SqlConnection();
    SqlConnection(const SqlConnection &) = delete;
    SqlConnection &operator=(const SqlConnection &) = delete;

    // Opens an existing database file; a missing file is an error, never an empty new database.
    bool openExisting(const QString &path);
    // Creates the file when it does not exist.
    bool openOrCreate(const QString &path);
    QSqlDatabase database() const { return QSqlDatabase::database(m_name, false); }
    QString errorText() const { return m_error; }
    void close();

private:
    bool open(const QString &path, bool mustExist);

    QString m_name;
    QString m_error;
};
