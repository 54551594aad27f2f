#pragma once

#include "programfolder.h"

#include <QString>

// The picture catalogue (table immagini, in IMMAGINI.MDB or on the archive server) and the
// picture files in imm.
namespace PictureCatalog {

// Creates the table immagini in a new file, or in a server database that lacks it.
bool createEmpty(const DatabaseAddress &address, QString *error = nullptr);
inline bool createEmpty(const QString &path, QString *error = nullptr)
{
    return createEmpty(DatabaseAddress::file(path), error);
}
// The file, or the server's table immagini, is there.
bool exists(const DatabaseAddress &address, QString *error = nullptr);

// The last four characters of the chosen file's path: stored as the picture's type and used as
// the ending of its file name (".jpg", or "jpeg" without a dot).
QString typeOf(const QString &sourcePath);
// "M" + seven digits + "N" + the picture number in at least four digits + the type.
QString fileName(qint32 program, qint32 np, const QString &type);
QString filePath(const ProgramFolder &folder, qint32 program, qint32 np, const QString &type);

struct RemovalResult {
    bool filesRemoved = true; // every picture file of the program is gone
    bool rowsRemoved = true;  // the catalogue rows are gone
};

// Removes every picture file and catalogue row of one program. Each step runs whatever
// became of the other, so a locked catalogue still lets the files go and the reverse.
RemovalResult removeProgramPictures(const ProgramFolder &folder, qint32 number);

} // namespace PictureCatalog
