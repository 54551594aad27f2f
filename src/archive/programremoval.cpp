#include "programremoval.h"

#include "archivestore.h"
#include "picturecatalog.h"
#include "revisedtext.h"

ProgramRemovalResult removeArchivedProgram(ArchiveStore &archive, const ProgramFolder &folder, qint32 number)
{
    ProgramRemovalResult result;
    // The text and the row go together, once a revision keeps both; without it nothing goes.
    const TextChange change = removeProgramTextAndRow(archive, folder, number);
    if (!change.done) {
        result.textRemoved = result.rowRemoved = false;
        result.picturesRemoved = result.catalogueRowsRemoved = false;
        result.error = change.error;
        return result;
    }
    const PictureCatalog::RemovalResult pictures = PictureCatalog::removeProgramPictures(folder, number);
    result.picturesRemoved = pictures.filesRemoved;
    result.catalogueRowsRemoved = pictures.rowsRemoved;
    return result;
}
