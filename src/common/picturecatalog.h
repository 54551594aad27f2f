#pragma once

#include "programfolder.h"

#include <QString>

// The picture catalogue IMMAGINI.MDB (table immagini) and the picture files in imm.
namespace PictureCatalog {

bool createEmpty(const QString &path, QString *error = nullptr);

struct RemovalResult {
    bool filesRemoved = true; // every picture file of the program is gone
    bool rowsRemoved = true;  // the catalogue rows are gone
};

// Removes every picture file and catalogue row of one program. Each step runs whatever
// became of the other, so a locked catalogue still lets the files go and the reverse.
RemovalResult removeProgramPictures(const ProgramFolder &folder, qint32 number);

} // namespace PictureCatalog
