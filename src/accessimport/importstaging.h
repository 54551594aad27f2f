#pragma once

#include <QStringList>

// The folder beside the target that an import fills before anything of it takes its place:
// an import killed on the way leaves only this folder, which the next import removes.
namespace ImportStaging {

// <root>/.importazione-<this process's id>
QString path(const QString &root);
// Removes what imports whose process is gone left in root: their staging folders, and the
// <file>.importazione-<id> files of earlier versions. Returns what could not be removed.
QStringList clearLeftovers(const QString &root);

} // namespace ImportStaging
