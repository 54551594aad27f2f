#include "reorganisation.h"

#include "archivestore.h"
#include "archivetext.h"
#include "archiveusers.h"
#include "programrevisions.h"
#include "sqlconnection.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

constexpr int SqliteBusy = 5;

ReorganisationResult failure(ReorganisationResult::Stage stage, const QString &description, int number)
{
    return {stage, description, number > 0 ? number : 1};
}

ReorganisationResult maintainOnServer(ArchiveStore &archive)
{
    QSqlQuery query(archive.database());
    for (const char *table : {"cicli", "immagini", "revisioni"}) {
        if (!query.exec(archive.dialect().maintenance(QLatin1String(table)))) {
            const QSqlError error = query.lastError();
            return failure(ReorganisationResult::Stage::CompactFailed, error.databaseText(), 0);
        }
    }
    return {ReorganisationResult::Stage::ServerMaintained, {}, 0};
}

QString supportMessage(int stage, const QString &description, int number)
{
    return ArchiveText::ContactSupport.arg(stage) + u'\r' + description + u' ' + QString::number(number);
}

} // namespace

QString ReorganisationResult::message() const
{
    switch (stage) {
    case Stage::Done:
        return ArchiveText::ReorganisationDone;
    case Stage::ServerMaintained:
        return ArchiveText::ServerMaintained;
    case Stage::CompactFailed:
        return supportMessage(2, description, number);
    case Stage::ReplaceFailed:
        return supportMessage(3, description, number);
    }
    return {};
}

ReorganisationResult reorganiseArchive(std::unique_ptr<ArchiveStore> &archive, const ProgramFolder &folder,
                                       ArchiveUsers &users, int keepRevisions)
{
    const bool onServer = archive && archive->dialect().isServer();
    // A compaction copy needs only a read lock: the database itself would let the copy replace
    // the archive under another running program. Told as the database tells a locked archive.
    if (!onServer && !users.takeAlone())
        return failure(ReorganisationResult::Stage::CompactFailed, QStringLiteral("database is locked"), SqliteBusy);
    if (archive && keepRevisions > 0) {
        ProgramRevisions revisions(*archive, folder);
        if (!revisions.keepNewest(keepRevisions))
            return failure(ReorganisationResult::Stage::CompactFailed, revisions.lastError(), 0);
    }
    if (onServer)
        return maintainOnServer(*archive);
    archive.reset();
    const QString archivePath = folder.archivePath();
    const QString copyPath = folder.path(QStringLiteral("miodb.mdb"));
    QFile::remove(copyPath);

    {
        SqlConnection source;
        if (!source.openExisting(archivePath))
            return failure(ReorganisationResult::Stage::CompactFailed, source.errorText(), 0);
        QSqlQuery compact(source.database());
        compact.prepare(QStringLiteral("VACUUM INTO ?"));
        compact.addBindValue(copyPath);
        if (!compact.exec()) {
            const QSqlError error = compact.lastError();
            return failure(ReorganisationResult::Stage::CompactFailed, error.databaseText(),
                           error.nativeErrorCode().toInt());
        }
    }

    // The compacted copy stays as miodb.mdb; a second copy replaces the archive in one rename.
    const QString replacement = archivePath + QStringLiteral(".new");
    QFile::remove(replacement);
    QFile copy(copyPath);
    if (!copy.copy(replacement))
        return failure(ReorganisationResult::Stage::ReplaceFailed, copy.errorString(), int(copy.error()));
    if (std::rename(QFile::encodeName(replacement).constData(), QFile::encodeName(archivePath).constData()) != 0) {
        const int code = errno;
        QFile::remove(replacement);
        return failure(ReorganisationResult::Stage::ReplaceFailed, QString::fromLocal8Bit(std::strerror(code)), code);
    }
    return {};
}
