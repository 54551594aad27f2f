#include "startupload.h"

bool loadSession(Session &session, QString *error)
{
    session.accessPassword = AccessPassword::load(session.settings);
    // Folders that cannot be created surface later, when a program is saved.
    session.folder.createWorkFolders();

    QString openError;
    auto archive = ArchiveStore::open(session.folder.archivePath(), &openError);
    if (!archive || !session.archiveUsers.announce(&openError)) {
        *error = session.folder.archivePath() + QStringLiteral("\n\n") + openError;
        return false;
    }
    if (!archive->prepareForUse()) {
        *error = session.folder.archivePath() + QStringLiteral("\n\n") + archive->lastError();
        return false;
    }
    session.archive = std::move(archive);
    return true;
}
