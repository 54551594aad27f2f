#include "tempprogramfolder.h"

#include "archivestore.h"
#include "postgresserver.h"
#include "programfoldersetup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

TempProgramFolder::TempProgramFolder(Content content, PostgresServer *server) : m_folder(m_dir.path())
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary program folder");
    if (server) {
        const DatabaseAddress database = server->createDatabase();
        if (!database.isServer())
            throw std::runtime_error(server->error().toStdString());
        m_folder.setArchiveServer(database);
    }
    if (content == Content::Initialised) {
        const ProgramFolderSetupResult result = initialiseProgramFolder(m_folder);
        if (!result.error.isEmpty())
            throw std::runtime_error(result.error.toStdString());
    }
}

std::unique_ptr<ArchiveStore> TempProgramFolder::openArchive() const
{
    QString error;
    auto archive = ArchiveStore::open(m_folder.archiveDatabase(), &error);
    if (!archive)
        throw std::runtime_error(error.toStdString());
    if (!archive->prepareForUse())
        throw std::runtime_error(archive->lastError().toStdString());
    return archive;
}

void TempProgramFolder::writeProgramText(qint32 number, const QByteArray &bytes) const
{
    writeFile(QDir(m_folder.root()).relativeFilePath(m_folder.programTextPath(number)), bytes);
}

void TempProgramFolder::writeFile(const QString &relative, const QByteArray &bytes) const
{
    const QString target = m_folder.path(relative);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error(("cannot write " + target).toStdString());
}
