#include "sqlconnection.h"

#include "sqlitecaseless.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUuid>

namespace {

constexpr int ServerConnectSeconds = 10;

} // namespace

SqlConnection::SqlConnection()
    : m_name(QStringLiteral("truv-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

SqlConnection::~SqlConnection()
{
    close();
}

bool SqlConnection::openExisting(const DatabaseAddress &address)
{
    return open(address, true);
}

bool SqlConnection::openOrCreate(const DatabaseAddress &address)
{
    return open(address, false);
}

QSqlDatabase SqlConnection::fileDatabase(const QString &path, bool mustExist)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    // A URI with mode=rw makes SQLite refuse a missing file instead of creating an empty one.
    QString uri = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
    uri += mustExist ? QStringLiteral("?mode=rw") : QStringLiteral("?mode=rwc");
    db.setDatabaseName(uri);
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=3000"));
    return db;
}

QSqlDatabase SqlConnection::serverDatabase(const DatabaseAddress &address)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_name);
    const QUrl url = address.url();
    db.setHostName(url.host());
    db.setPort(url.port(5432));
    db.setDatabaseName(address.databaseName());
    // Left empty, libpq takes the login name and looks the password up in ~/.pgpass.
    db.setUserName(url.userName());
    db.setPassword(address.password());
    db.setConnectOptions(QStringLiteral("connect_timeout=%1;application_name=%2")
                             .arg(ServerConnectSeconds)
                             .arg(SqlDialect::applicationName()));
    return db;
}

bool SqlConnection::open(const DatabaseAddress &address, bool mustExist)
{
    close();
    if (address.isServer() && !address.isValidServer()) {
        m_error = tr("Indirizzo dell'archivio non valido: %1 (atteso postgresql://utente@host:porta/database)")
                      .arg(address.describe());
        return false;
    }
    QSqlDatabase db = address.isServer() ? serverDatabase(address) : fileDatabase(address.filePath(), mustExist);
    if (!db.isValid()) {
        m_error = db.lastError().text();
        return false;
    }
    if (!db.open()) {
        m_error = db.lastError().text();
        return false;
    }
    return runSessionSetup(db);
}

bool SqlConnection::runSessionSetup(QSqlDatabase &db)
{
    // The file's indexes are kept in this order: without it no row could be written.
    if (!SqlDialect::of(db).isServer() && !SqliteCaseless::install(db, &m_error))
        return false;
    QSqlQuery setup(db);
    for (const QString &statement : SqlDialect::of(db).sessionSetup()) {
        if (!setup.exec(statement)) {
            m_error = setup.lastError().text();
            return false;
        }
    }
    m_error.clear();
    return true;
}

bool SqlConnection::reconnect()
{
    QSqlDatabase db = database();
    db.close();
    if (!db.open()) {
        m_error = db.lastError().text();
        return false;
    }
    return runSessionSetup(db);
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
