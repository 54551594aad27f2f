#include "newarchiveoffer.h"

#include "dialogs.h"
#include "programfoldersetup.h"
#include "shelltext.h"

#include <QFileInfo>

NewArchiveOutcome offerNewArchive(const ProgramFolder &folder, Dialogs &dialogs)
{
    // A server's empty database gets its tables at the load.
    if (folder.archiveOnServer())
        return NewArchiveOutcome::ArchivePresent;
    // A link to an archive that has gone is a broken archive, not a fresh account.
    const QFileInfo archive(folder.archivePath());
    if (archive.exists() || archive.isSymLink())
        return NewArchiveOutcome::ArchivePresent;
    if (dialogs.question(ShellText::NoArchiveFound.arg(folder.root()), Dialogs::Buttons::YesNo)
        != Dialogs::Button::Yes)
        return NewArchiveOutcome::Declined;
    const ProgramFolderSetupResult result = initialiseProgramFolder(folder);
    if (!result.error.isEmpty()) {
        dialogs.message(ShellText::NewArchiveNotCreated.arg(result.error), {}, Dialogs::Icon::Critical);
        return NewArchiveOutcome::Failed;
    }
    return NewArchiveOutcome::Created;
}
