#include "programsaver.h"

#include "accesspassword.h"
#include "archivestore.h"
#include "dialogs.h"
#include "editortext.h"
#include "programfolder.h"
#include "programrevisions.h"
#include "programtext.h"
#include "revisedtext.h"

#include <QTimer>

namespace {

// Packs what the save left pending once the event loop runs again, so that the save does not
// wait for it; on this thread, as the archive's connection belongs to it.
void packSoon(ArchiveStore &archive, const ProgramFolder &folder)
{
    QTimer::singleShot(0, [alive = archive.lifetime(), &archive, folder] {
        // What cannot be packed stays pending, read from its link meanwhile.
        if (!alive.expired())
            packPendingRevisions(archive, folder);
    });
}

} // namespace

bool mayWriteProgramText(const AccessPassword &password, Dialogs &dialogs)
{
    if (password.check(dialogs))
        return true;
    dialogs.beep();
    return false;
}

SaveOutcome saveProgramText(const QByteArray &text, qint32 number, ArchiveStore &archive,
                            const ProgramFolder &folder, const AccessPassword &password, Dialogs &dialogs)
{
    if (!mayWriteProgramText(password, dialogs))
        return SaveOutcome::PasswordRefused;
    return writeProgramText(text, number, archive, folder, dialogs);
}

SaveOutcome writeProgramText(const QByteArray &text, qint32 number, ArchiveStore &archive, const ProgramFolder &folder,
                             Dialogs &dialogs)
{
    if (!archive.seek(number)) {
        // Without its row there is no number to name the file: writing it anywhere could
        // overwrite another program.
        dialogs.message(EditorText::SaveRowMissing);
        return SaveOutcome::NotSaved;
    }
    const TextChange change = replaceProgramText(archive, folder, number, programFileBytes(text), RevisionOrigin::Editor);
    if (!change.done) {
        dialogs.message(change.error, {}, Dialogs::Icon::Exclamation);
        return SaveOutcome::NotSaved;
    }
    if (change.revision)
        packSoon(archive, folder);
    return SaveOutcome::Saved;
}
