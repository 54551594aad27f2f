#include "picturecatalog.h"

#include "sqlconnection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace PictureCatalog {

bool createEmpty(const DatabaseAddress &address, QString *error)
{
    SqlConnection connection;
    if (!connection.openOrCreate(address)) {
        if (error)
            *error = connection.errorText();
        return false;
    }
    const SqlDialect dialect = connection.dialect();
    QSqlQuery query(connection.database());
    const QStringList statements = {
        QStringLiteral("CREATE TABLE IF NOT EXISTS immagini (progressivo INTEGER NOT NULL, "
                       "np INTEGER NOT NULL, tipo %1, descrizionebreve TEXT NOT NULL, desclunga TEXT)")
            .arg(dialect.shortTextType(4)),
        QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS %1 ON immagini (progressivo, np)")
            .arg(dialect.uniqueIndexName(QStringLiteral("immagini"), QStringLiteral("Indice"))),
    };
    for (const QString &statement : statements) {
        if (!query.exec(statement)) {
            if (error)
                *error = query.lastError().text();
            return false;
        }
    }
    return true;
}

bool exists(const DatabaseAddress &address, QString *error)
{
    if (!address.isServer())
        return QFileInfo::exists(address.filePath());
    SqlConnection connection;
    if (!connection.openExisting(address)) {
        if (error)
            *error = connection.errorText();
        return false;
    }
    QSqlQuery query(connection.database());
    query.prepare(connection.dialect().tableLookup());
    query.addBindValue(QStringLiteral("immagini"));
    return query.exec() && query.next();
}

QString typeOf(const QString &sourcePath)
{
    return sourcePath.right(4);
}

QString fileName(qint32 program, qint32 np, const QString &type)
{
    return ProgramFolder::picturePrefix(program) + QStringLiteral("%1").arg(np, 4, 10, QLatin1Char('0')) + type;
}

QString filePath(const ProgramFolder &folder, qint32 program, qint32 np, const QString &type)
{
    return QDir(folder.pictureDir()).filePath(fileName(program, np, type));
}

RemovalResult removeProgramPictures(const ProgramFolder &folder, qint32 number)
{
    RemovalResult result;

    QDir pictures(folder.pictureDir());
    const QStringList files = pictures.entryList({ProgramFolder::picturePrefix(number) + QLatin1Char('*')},
                                                 QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : files) {
        if (!QFile::remove(pictures.filePath(name)))
            result.filesRemoved = false;
    }

    SqlConnection connection;
    if (!connection.openExisting(folder.catalogDatabase())) {
        result.rowsRemoved = false;
        return result;
    }
    QSqlQuery query(connection.database());
    query.prepare(QStringLiteral("DELETE FROM immagini WHERE progressivo = ?"));
    query.addBindValue(number);
    result.rowsRemoved = query.exec();
    return result;
}

} // namespace PictureCatalog
