#pragma once

#include <QString>

// Recognises a Microsoft Access file (Jet 3, Jet 4 or ACE) by the name that its first page
// carries, so that an old shop's truv.mdb is told apart from our SQLite archive.
namespace AccessFile {

bool isAccessFile(const QString &path);

} // namespace AccessFile
