#include "programfoldersetup.h"

#include "archivestore.h"
#include "archivetext.h"
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
        result.error = ArchiveText::FolderNotCreated.arg(folder.root());
        return result;
    }

    struct Item {
        QString name;
        std::function<bool(QString *)> exists;
        std::function<bool(QString *)> make;
    };
    const auto fileExists = [](const QString &path) { return [path](QString *) { return QFileInfo::exists(path); }; };
    const DatabaseAddress archive = folder.archiveDatabase();
    const DatabaseAddress catalog = folder.catalogDatabase();
    const auto tableName = [](const DatabaseAddress &address, const char *table) {
        return address.isServer() ? QStringLiteral("%1 (%2)").arg(address.describe(), QLatin1String(table))
                                  : address.filePath();
    };
    const Item items[] = {
        {tableName(archive, "cicli"), [&](QString *error) { return ArchiveStore::exists(archive, error); },
         [&](QString *error) { return ArchiveStore::createEmpty(archive, error); }},
        {tableName(catalog, "immagini"), [&](QString *error) { return PictureCatalog::exists(catalog, error); },
         [&](QString *error) { return PictureCatalog::createEmpty(catalog, error); }},
        {folder.machineFilePath(), fileExists(folder.machineFilePath()),
         [&](QString *error) { return TextFile::writeAtomically(folder.machineFilePath(), kEmptyMachineFile, error); }},
        {folder.dataDir(), fileExists(folder.dataDir()), [&](QString *) { return QDir().mkpath(folder.dataDir()); }},
        {folder.pictureDir(), fileExists(folder.pictureDir()),
         [&](QString *) { return QDir().mkpath(folder.pictureDir()); }},
    };
    for (const Item &item : items) {
        QString error;
        if (item.exists(&error)) {
            result.kept.append(item.name);
            continue;
        }
        if (!item.make(&error)) {
            result.error = QStringLiteral("%1: %2").arg(item.name, error);
            return result;
        }
        result.created.append(item.name);
    }
    return result;
}
