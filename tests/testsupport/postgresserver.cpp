#include "postgresserver.h"

#include "sqlconnection.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTcpServer>

#include <pwd.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

const QString kUser = QStringLiteral("truv");

QString newestBinDir()
{
    QStringList versions = QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCollator numeric;
    numeric.setNumericMode(true);
    std::sort(versions.begin(), versions.end(), numeric);
    for (auto it = versions.crbegin(); it != versions.crend(); ++it) {
        const QString bin = QStringLiteral("/usr/lib/postgresql/%1/bin").arg(*it);
        if (QFileInfo(bin + QStringLiteral("/initdb")).isExecutable())
            return bin;
    }
    return {};
}

// The account the server runs under when this process is root.
const passwd *serverAccount()
{
    if (const passwd *account = getpwnam("postgres"))
        return account;
    return getpwnam("nobody");
}

quint16 freePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

} // namespace

PostgresServer::~PostgresServer()
{
    if (m_port != 0)
        run(m_binDir + QStringLiteral("/pg_ctl"), {QStringLiteral("-D"), m_dataDir, QStringLiteral("-m"),
                                                   QStringLiteral("immediate"), QStringLiteral("-w"), QStringLiteral("stop")},
            true);
}

bool PostgresServer::run(const QString &program, const QStringList &arguments, bool asServerUser)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (asServerUser && geteuid() == 0) {
        const passwd *account = serverAccount();
        if (!account) {
            m_error = QStringLiteral("no unprivileged account to run PostgreSQL under");
            return false;
        }
        process.start(QStringLiteral("runuser"),
                      QStringList{QStringLiteral("-u"), QString::fromLocal8Bit(account->pw_name), QStringLiteral("--"), program}
                          + arguments);
    } else {
        process.start(program, arguments);
    }
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        m_error = QStringLiteral("%1 failed: %2").arg(QFileInfo(program).fileName(),
                                                       QString::fromLocal8Bit(process.readAll()) + process.errorString());
        return false;
    }
    return true;
}

bool PostgresServer::start()
{
    m_binDir = newestBinDir();
    if (m_binDir.isEmpty()) {
        m_error = QStringLiteral("PostgreSQL is not installed (no /usr/lib/postgresql/*/bin/initdb)");
        return false;
    }
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("cannot create a temporary folder");
        return false;
    }
    if (geteuid() == 0) {
        const passwd *account = serverAccount();
        if (!account || chown(QFile::encodeName(m_dir.path()).constData(), account->pw_uid, account->pw_gid) != 0) {
            m_error = QStringLiteral("cannot hand the server's folder to an unprivileged account");
            return false;
        }
    }
    m_dataDir = m_dir.filePath(QStringLiteral("data"));
    if (!run(m_binDir + QStringLiteral("/initdb"),
             {QStringLiteral("-D"), m_dataDir, QStringLiteral("-U"), kUser, QStringLiteral("-A"), QStringLiteral("trust"),
              QStringLiteral("-E"), QStringLiteral("UTF8"), QStringLiteral("--locale=C.UTF-8"), QStringLiteral("--no-sync")},
             true))
        return false;
    // Another program may take the probed port before the server binds it: try a few.
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (tryStart(freePort()))
            return true;
    }
    return false;
}

bool PostgresServer::tryStart(quint16 port)
{
    if (port == 0)
        return false;
    const QString options = QStringLiteral("-p %1 -k %2 -c listen_addresses=127.0.0.1 -c fsync=off "
                                           "-c synchronous_commit=off -c full_page_writes=off")
                                .arg(port)
                                .arg(m_dir.path());
    if (!run(m_binDir + QStringLiteral("/pg_ctl"),
             {QStringLiteral("-D"), m_dataDir, QStringLiteral("-l"), m_dir.filePath(QStringLiteral("server.log")),
              QStringLiteral("-o"), options, QStringLiteral("-w"), QStringLiteral("start")},
             true))
        return false;
    m_port = port;
    return true;
}

bool PostgresServer::restart()
{
    return run(m_binDir + QStringLiteral("/pg_ctl"),
               {QStringLiteral("-D"), m_dataDir, QStringLiteral("-m"), QStringLiteral("fast"), QStringLiteral("-w"),
                QStringLiteral("restart")},
               true);
}

DatabaseAddress PostgresServer::address(const QString &databaseName) const
{
    return DatabaseAddress::server(QStringLiteral("postgresql://%1@127.0.0.1:%2/%3").arg(kUser).arg(m_port).arg(databaseName));
}

DatabaseAddress PostgresServer::createDatabase()
{
    const QString name = QStringLiteral("t%1").arg(++m_databases);
    SqlConnection maintenance;
    if (!maintenance.openExisting(address(QStringLiteral("postgres")))) {
        m_error = maintenance.errorText();
        return {};
    }
    QSqlQuery query(maintenance.database());
    if (!query.exec(QStringLiteral("CREATE DATABASE %1").arg(name))) {
        m_error = query.lastError().text();
        return {};
    }
    return address(name);
}
