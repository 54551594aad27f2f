#include "accessimport.h"

#include "accessfile.h"
#include "accessimporttext.h"
#include "archivestore.h"
#include "picturecatalog.h"
#include "undoablefiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kArchiveName = QStringLiteral("truv.mdb");
const QString kCatalogName = QStringLiteral("IMMAGINI.MDB");

// A folder copied from Windows may spell its names in any case (TRUV.MDB, Dati).
QString entryIgnoringCase(const QString &folder, const QString &name)
{
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return QDir(folder).filePath(entry);
    }
    return {};
}

QString temporaryName(const QString &path)
{
    return QStringLiteral("%1.importazione-%2").arg(path).arg(QCoreApplication::applicationPid());
}

const AccessConversion kArchiveConversion{kArchiveName, QStringLiteral("cicli"),
                                          [](const QString &path, QString *error) {
                                              return ArchiveStore::createEmpty(path, error);
                                          }};
const AccessConversion kCatalogConversion{kCatalogName, QStringLiteral("immagini"),
                                          [](const QString &path, QString *error) {
                                              return PictureCatalog::createEmpty(path, error);
                                          }};

} // namespace

AccessImport::AccessImport(AccessReaderFactory openReader) : m_openReader(std::move(openReader)) {}

namespace {

// Converts one Access file into a new file at a temporary name beside target; the temporary
// file is recorded in files so that a later failure removes it.
bool convertToTemporary(const AccessReaderFactory &openReader, const AccessConversion &conversion,
                        const QString &source, const QString &target, UndoableFiles &files,
                        ImportReport *report, QString *temporary, QString *error)
{
    auto reader = openReader(source, error);
    if (!reader)
        return false;
    *temporary = temporaryName(target);
    QFile::remove(*temporary); // only ever a leftover of an import that was killed
    if (!conversion.run(*reader, *temporary, report, error))
        return false;
    files.created(*temporary);
    return true;
}

// What to do with a catalogue that is not an Access file (already ours, or foreign).
enum class ForeignCatalog { Copy, Keep };

// The new catalogue at a temporary name beside target: converted from Access, empty when there
// was none, or a copy of one that is not an Access file. *temporary stays empty when the folder's
// own catalogue is kept as it is.
bool catalogToTemporary(const AccessReaderFactory &openReader, const QString &sourceCatalog, const QString &target,
                        ForeignCatalog foreign, UndoableFiles &files, ImportReport *report, QString *temporary,
                        QString *error)
{
    if (!sourceCatalog.isEmpty() && AccessFile::isAccessFile(sourceCatalog))
        return convertToTemporary(openReader, kCatalogConversion, sourceCatalog, target, files, report, temporary,
                                  error);
    if (!sourceCatalog.isEmpty() && foreign == ForeignCatalog::Keep) {
        report->warnings.append(AccessImportText::CatalogueKept.arg(sourceCatalog));
        temporary->clear();
        return true;
    }
    *temporary = temporaryName(target);
    QFile::remove(*temporary);
    if (!sourceCatalog.isEmpty()) {
        report->warnings.append(AccessImportText::CatalogueNotAccess.arg(sourceCatalog));
        return files.copyFile(sourceCatalog, *temporary, error);
    }
    report->warnings.append(AccessImportText::MissingCatalogue.arg(kCatalogName));
    if (!PictureCatalog::createEmpty(*temporary, error))
        return false;
    files.created(*temporary);
    return true;
}

} // namespace

bool AccessImport::importInto(const QString &source, const ProgramFolder &destination, QString *error)
{
    m_report = {};
    const QFileInfo sourceInfo(source);
    const QString sourceFolder = sourceInfo.isDir() ? sourceInfo.absoluteFilePath() : sourceInfo.absolutePath();
    const QString sourceArchive =
        sourceInfo.isDir() ? entryIgnoringCase(sourceFolder, kArchiveName) : sourceInfo.absoluteFilePath();
    if (sourceArchive.isEmpty() || !QFileInfo(sourceArchive).isFile()) {
        *error = AccessImportText::NoSourceArchive.arg(source);
        return false;
    }
    if (!AccessFile::isAccessFile(sourceArchive)) {
        *error = AccessImportText::SourceNotAccess.arg(sourceArchive);
        return false;
    }
    for (const QString &path : {destination.archivePath(), destination.catalogPath(), destination.machineFilePath()}) {
        if (QFileInfo::exists(path)) {
            *error = AccessImportText::AlreadyExists.arg(path);
            return false;
        }
    }

    UndoableFiles files;
    const bool done = [&] {
        if (!files.makeFolder(destination.root(), error))
            return false;
        QString archiveTemporary;
        if (!convertToTemporary(m_openReader, kArchiveConversion, sourceArchive, destination.archivePath(), files,
                                &m_report, &archiveTemporary, error))
            return false;
        QString catalogTemporary;
        if (!catalogToTemporary(m_openReader, entryIgnoringCase(sourceFolder, kCatalogName), destination.catalogPath(),
                                ForeignCatalog::Copy, files, &m_report, &catalogTemporary, error))
            return false;
        for (const QString &name : {QStringLiteral("dati"), QStringLiteral("imm")}) {
            const QString folder = entryIgnoringCase(sourceFolder, name);
            if (!folder.isEmpty() && !files.copyFolder(folder, destination.path(name), error))
                return false;
        }
        const QString machines = entryIgnoringCase(sourceFolder, QStringLiteral("cncsett.dat"));
        if (!machines.isEmpty() && !files.copyFile(machines, destination.machineFilePath(), error))
            return false;
        // The archive last: a folder with truv.mdb is a complete one.
        return files.rename(catalogTemporary, destination.catalogPath(), error)
            && files.rename(archiveTemporary, destination.archivePath(), error);
    }();
    if (!done)
        files.undo();
    return done;
}

bool AccessImport::convertInPlace(const ProgramFolder &folder, QString *error)
{
    m_report = {};
    const QString keptArchive = folder.path(QStringLiteral("truv-access.mdb"));
    const QString keptCatalog = folder.path(QStringLiteral("IMMAGINI-access.mdb"));
    for (const QString &path : {keptArchive, keptCatalog}) {
        if (QFileInfo::exists(path)) {
            *error = AccessImportText::AlreadyExists.arg(path);
            return false;
        }
    }
    UndoableFiles files;
    const bool done = [&] {
        QString archiveTemporary;
        if (!convertToTemporary(m_openReader, kArchiveConversion, folder.archivePath(), folder.archivePath(), files,
                                &m_report, &archiveTemporary, error))
            return false;
        const QString sourceCatalog = entryIgnoringCase(folder.root(), kCatalogName);
        QString catalogTemporary;
        if (!catalogToTemporary(m_openReader, sourceCatalog, folder.catalogPath(), ForeignCatalog::Keep, files,
                                &m_report, &catalogTemporary, error))
            return false;
        if (!catalogTemporary.isEmpty()) {
            if (!sourceCatalog.isEmpty() && !files.rename(sourceCatalog, keptCatalog, error))
                return false;
            if (!files.rename(catalogTemporary, folder.catalogPath(), error))
                return false;
        }
        return files.rename(folder.archivePath(), keptArchive, error)
            && files.rename(archiveTemporary, folder.archivePath(), error);
    }();
    if (!done)
        files.undo();
    return done;
}
