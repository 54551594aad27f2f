#include "sqlconnection.h"

#include <QSqlError>
#include <QUrl>
#include <QUuid>

SqlConnection::SqlConnection()
    : m_name(QStringLiteral("truv-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

SqlConnection::~SqlConnection()
{
    close();
}

bool SqlConnection::openExisting(const QString &path)
{
    return open(path, true);
}

bool SqlConnection::openOrCreate(const QString &path)
{
    return open(path, false);
}

bool SqlConnection::open(const QString &path, bool mustExist)
{
    close();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    // A URI with mode=rw makes SQLite refuse a missing file instead of creating an empty one.
    QString uri = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
    uri += mustExist ? QStringLiteral("?mode=rw") : QStringLiteral("?mode=rwc");
    db.setDatabaseName(uri);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=3000"));
    if (!db.open()) {
        m_error = db.lastError().text();
        return false;
    }
    m_error.clear();
    return true;
}

void SqlConnection::close()
{
    if (!QSqlDatabase::contains(m_name))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
}
