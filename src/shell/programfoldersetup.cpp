#include "programfoldersetup.h"

#include "archivestore.h"
#include "picturecatalog.h"
#include "textfile.h"

#include <QDir>
#include <QFileInfo>

#include <functional>

namespace {

// The machine list with no machine: only the line that remembers machine 0.
const QByteArray kEmptyMachineFile = QByteArrayLiteral(" 0 \r\n");

} // namespace

ProgramFolderSetupResult initialiseProgramFolder(const ProgramFolder &folder)
{
    ProgramFolderSetupResult result;
    if (!QDir().mkpath(folder.root())) {
        result.error = QStringLiteral("Impossibile creare la cartella %1").arg(folder.root());
        return result;
    }

    struct Item {
        QString path;
        std::function<bool(const QString &, QString *)> make;
    };
    const Item items[] = {
        {folder.archivePath(), [](const QString &path, QString *error) { return ArchiveStore::createEmpty(path, error); }},
        {folder.catalogPath(), [](const QString &path, QString *error) { return PictureCatalog::createEmpty(path, error); }},
        {folder.machineFilePath(),
         [](const QString &path, QString *error) { return TextFile::writeAtomically(path, kEmptyMachineFile, error); }},
        {folder.dataDir(), [](const QString &path, QString *) { return QDir().mkpath(path); }},
        {folder.pictureDir(), [](const QString &path, QString *) { return QDir().mkpath(path); }},
    };
    for (const Item &item : items) {
        if (QFileInfo::exists(item.path)) {
            result.kept.append(item.path);
            continue;
        }
        QString error;
        if (!item.make(item.path, &error)) {
            result.error = QStringLiteral("%1: %2").arg(item.path, error);
            return result;
        }
        result.created.append(item.path);
    }
    return result;
}
