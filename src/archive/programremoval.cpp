#include "programremoval.h"

#include "archivestore.h"
#include "picturecatalog.h"

#include <QFile>

ProgramRemovalResult removeArchivedProgram(ArchiveStore &archive, const ProgramFolder &folder, qint32 number)
{
    ProgramRemovalResult result;
    const QString textPath = folder.programTextPath(number);
    result.textRemoved = !QFile::exists(textPath) || QFile::remove(textPath);

    const PictureCatalog::RemovalResult pictures = PictureCatalog::removeProgramPictures(folder, number);
    result.picturesRemoved = pictures.filesRemoved;
    result.catalogueRowsRemoved = pictures.rowsRemoved;

    result.rowRemoved = archive.remove(number);
    return result;
}
