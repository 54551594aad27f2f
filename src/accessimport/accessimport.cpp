#include "accessimport.h"

#include "accessfile.h"
#include "accessimporttext.h"
#include "archivestore.h"
#include "importstaging.h"
#include "picturecatalog.h"
#include "undoablefiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// What a conversion in place keeps of the Access files.
const QString kKeptArchiveName = QStringLiteral("truv-access.mdb");
const QString kKeptCatalogName = QStringLiteral("IMMAGINI-access.mdb");

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

const AccessConversion kArchiveConversion{ProgramFolder::archiveFileName(), QStringLiteral("cicli"),
                                          [](const QString &path, QString *error) {
                                              return ArchiveStore::createEmpty(path, error);
                                          }};
const AccessConversion kCatalogConversion{ProgramFolder::catalogFileName(), QStringLiteral("immagini"),
                                          [](const QString &path, QString *error) {
                                              return PictureCatalog::createEmpty(path, error);
                                          }};

// Hands the rows on until the user asks the import to stop.
class StoppableReader : public AccessReader {
public:
    StoppableReader(std::unique_ptr<AccessReader> reader, const std::function<bool()> &stopRequested)
        : m_reader(std::move(reader)), m_stopRequested(stopRequested)
    {
    }

    QList<AccessTable> tables() override { return m_reader->tables(); }

    bool readRows(const AccessTable &table, const RowSink &sink, QString *error) override
    {
        bool stopped = false;
        const bool read = m_reader->readRows(table, [&](const QVariantList &row) {
            stopped = m_stopRequested && m_stopRequested();
            return !stopped && sink(row);
        }, error);
        if (stopped)
            *error = AccessImportText::Interrupted;
        return read && !stopped;
    }

private:
    std::unique_ptr<AccessReader> m_reader;
    const std::function<bool()> &m_stopRequested;
};

// The folder's name in an old folder, whatever its case; refused when it is there but not a
// folder (or not a file), rather than left behind without a word.
bool sourceEntry(const QString &sourceFolder, const QString &name, bool folder, QString *path, QString *error)
{
    *path = entryIgnoringCase(sourceFolder, name);
    if (path->isEmpty() || (folder ? QFileInfo(*path).isDir() : QFileInfo(*path).isFile()))
        return true;
    *error = (folder ? AccessImportText::NotAFolder : AccessImportText::NotAFile).arg(*path);
    return false;
}

} // namespace

AccessImport::AccessImport(AccessReaderFactory openReader, std::function<bool()> stopRequested)
    : m_openReader(std::move(openReader)), m_stopRequested(std::move(stopRequested))
{
}

bool AccessImport::convertFile(const AccessConversion &conversion, const QString &source, const QString &target,
                               UndoableFiles &files, QString *error)
{
    auto reader = m_openReader(source, error);
    if (!reader)
        return false;
    StoppableReader stoppable(std::move(reader), m_stopRequested);
    if (!conversion.run(stoppable, target, &m_report, error))
        return false;
    files.created(target);
    return true;
}

// The new catalogue at target: converted from Access, empty when there was none, or a copy of
// one that is not an Access file. *made stays false when the folder's own catalogue is kept.
bool AccessImport::catalogToStaging(const QString &sourceCatalog, const QString &target, bool keepForeign,
                                    UndoableFiles &files, bool *made, QString *error)
{
    *made = false;
    if (!sourceCatalog.isEmpty() && AccessFile::isAccessFile(sourceCatalog)) {
        *made = convertFile(kCatalogConversion, sourceCatalog, target, files, error);
        return *made;
    }
    if (!sourceCatalog.isEmpty() && keepForeign) {
        m_report.warnings.append(AccessImportText::CatalogueKept.arg(sourceCatalog));
        return true;
    }
    if (!sourceCatalog.isEmpty()) {
        m_report.warnings.append(AccessImportText::CatalogueNotAccess.arg(sourceCatalog));
        *made = files.copyFile(sourceCatalog, target, error);
        return *made;
    }
    m_report.warnings.append(AccessImportText::MissingCatalogue.arg(ProgramFolder::catalogFileName()));
    *made = PictureCatalog::createEmpty(target, error);
    if (*made)
        files.created(target);
    return *made;
}

void AccessImport::clearLeftovers(const QString &root)
{
    for (const QString &path : ImportStaging::clearLeftovers(root))
        m_report.warnings.append(AccessImportText::LeftoverKept.arg(path));
}

void AccessImport::endStaging(const QString &staging, UndoableFiles &files, bool done)
{
    if (!done)
        files.undo();
    if (QFileInfo::exists(staging) && !QDir(staging).removeRecursively())
        m_report.warnings.append(AccessImportText::LeftoverKept.arg(staging));
}

bool AccessImport::importInto(const QString &source, const ProgramFolder &destination, QString *error)
{
    m_report = {};
    const QFileInfo sourceInfo(source);
    const QString sourceFolder = sourceInfo.isDir() ? sourceInfo.absoluteFilePath() : sourceInfo.absolutePath();
    const QString sourceArchive = sourceInfo.isDir() ? entryIgnoringCase(sourceFolder, ProgramFolder::archiveFileName())
                                                     : sourceInfo.absoluteFilePath();
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
    QString sourceData;
    QString sourcePictures;
    QString sourceMachines;
    if (!sourceEntry(sourceFolder, ProgramFolder::dataFolderName(), true, &sourceData, error)
        || !sourceEntry(sourceFolder, ProgramFolder::pictureFolderName(), true, &sourcePictures, error)
        || !sourceEntry(sourceFolder, ProgramFolder::machineFileName(), false, &sourceMachines, error))
        return false;

    UndoableFiles files(m_stopRequested);
    const ProgramFolder staging(ImportStaging::path(destination.root()));
    const bool done = [&] {
        if (!files.makeFolder(destination.root(), error))
            return false;
        clearLeftovers(destination.root());
        if (!files.makeFolder(staging.root(), error)
            || !convertFile(kArchiveConversion, sourceArchive, staging.archivePath(), files, error))
            return false;
        bool catalogMade = false;
        if (!catalogToStaging(entryIgnoringCase(sourceFolder, ProgramFolder::catalogFileName()), staging.catalogPath(),
                              false, files, &catalogMade, error))
            return false;
        if ((!sourceData.isEmpty() && !files.copyFolder(sourceData, staging.dataDir(), error))
            || (!sourcePictures.isEmpty() && !files.copyFolder(sourcePictures, staging.pictureDir(), error))
            || (!sourceMachines.isEmpty() && !files.copyFile(sourceMachines, staging.machineFilePath(), error)))
            return false;
        if (stopRequested()) {
            *error = AccessImportText::Interrupted;
            return false;
        }
        // The archive last: a folder with truv.mdb is a complete one.
        for (const QString &name : {ProgramFolder::dataFolderName(), ProgramFolder::pictureFolderName(),
                                    ProgramFolder::machineFileName(), ProgramFolder::catalogFileName(),
                                    ProgramFolder::archiveFileName()}) {
            if (QFileInfo::exists(staging.path(name)) && !files.moveInto(staging.path(name), destination.path(name), error))
                return false;
        }
        return true;
    }();
    endStaging(staging.root(), files, done);
    return done;
}

bool AccessImport::convertInPlace(const ProgramFolder &folder, QString *error)
{
    m_report = {};
    const QString keptArchive = folder.path(kKeptArchiveName);
    const QString keptCatalog = folder.path(kKeptCatalogName);
    for (const QString &path : {keptArchive, keptCatalog}) {
        if (QFileInfo::exists(path)) {
            *error = AccessImportText::AlreadyExists.arg(path);
            return false;
        }
    }
    UndoableFiles files(m_stopRequested);
    const ProgramFolder staging(ImportStaging::path(folder.root()));
    const bool done = [&] {
        clearLeftovers(folder.root());
        if (!files.makeFolder(staging.root(), error)
            || !convertFile(kArchiveConversion, folder.archivePath(), staging.archivePath(), files, error))
            return false;
        const QString sourceCatalog = entryIgnoringCase(folder.root(), ProgramFolder::catalogFileName());
        bool catalogMade = false;
        if (!catalogToStaging(sourceCatalog, staging.catalogPath(), true, files, &catalogMade, error))
            return false;
        if (catalogMade) {
            if (!sourceCatalog.isEmpty() && !files.rename(sourceCatalog, keptCatalog, error))
                return false;
            if (!files.rename(staging.catalogPath(), folder.catalogPath(), error))
                return false;
        }
        return files.rename(folder.archivePath(), keptArchive, error)
            && files.rename(staging.archivePath(), folder.archivePath(), error);
    }();
    endStaging(staging.root(), files, done);
    return done;
}
