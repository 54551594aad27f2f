#include "startupload.h"

#include "settingsstore.h"

bool loadSession(Session &session, const SettingsStore &settings, QString *error)
{
    session.accessPassword = settings.text(QStringLiteral("password"), QStringLiteral("password"));
    // Folders that cannot be created surface later, when a program is saved.
    session.folder.createWorkFolders();

    QString openError;
    auto archive = ArchiveStore::open(session.folder.archivePath(), &openError);
    if (!archive) {
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
