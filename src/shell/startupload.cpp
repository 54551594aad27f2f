#include "startupload.h"

#include "picturecatalog.h"
#include "programrevisions.h"

bool loadSession(Session &session, QString *error)
{
    session.accessPassword = AccessPassword::load(session.settings);
    // Folders that cannot be created surface later, when a program is saved.
    session.folder.createWorkFolders();

    const DatabaseAddress address = session.folder.archiveDatabase();
    QString openError;
    auto archive = ArchiveStore::open(address, &openError);
    if (!archive || !session.archiveUsers.announce(&openError)) {
        *error = address.describe() + QStringLiteral("\n\n") + openError;
        return false;
    }
    if (!archive->prepareForUse()) {
        *error = address.describe() + QStringLiteral("\n\n") + archive->lastError();
        return false;
    }
    // The picture catalogue's table, made when missing (a new server database); a statement
    // that finds it there changes nothing.
    if (address.isServer() && !PictureCatalog::createEmpty(session.folder.catalogDatabase(), &openError)) {
        *error = address.describe() + QStringLiteral("\n\n") + openError;
        return false;
    }
    // What a save left pending before the program stopped; what cannot be packed stays pending,
    // and is told as damaged when read.
    packPendingRevisions(*archive, session.folder);
    session.archive = std::move(archive);
    session.transferLog = std::make_unique<TransferLogStore>(*session.archive);
    session.transfers.setLog(session.transferLog.get());
    return true;
}
