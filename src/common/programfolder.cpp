#include "programfolder.h"

#include "settingsstore.h"

#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>

ProgramFolder::ProgramFolder(QString root) : m_root(QDir::cleanPath(std::move(root))) {}

QString ProgramFolder::resolveRoot(const QString &truvHome, const QString &executableDir,
                                   const QString &homeDir)
{
    if (!truvHome.isEmpty())
        return QDir(truvHome).absolutePath();
    if (!executableDir.isEmpty() && QFileInfo::exists(QDir(executableDir).filePath(archiveFileName())))
        return QDir(executableDir).absolutePath();
    return QDir(homeDir).filePath(QStringLiteral(".local/share/truv"));
}

ProgramFolder ProgramFolder::fromEnvironment(const QString &executableDir)
{
    const auto env = QProcessEnvironment::systemEnvironment();
    ProgramFolder folder(resolveRoot(env.value(QStringLiteral("TRUV_HOME")), executableDir, QDir::homePath()));
    folder.setArchiveServer(configuredArchiveServer(SettingsStore()));
    return folder;
}

DatabaseAddress ProgramFolder::configuredArchiveServer(const SettingsStore &settings)
{
    const QString url = settings.text(QStringLiteral("archive"), QStringLiteral("url")).trimmed();
    if (url.isEmpty())
        return {};
    return DatabaseAddress::server(url, settings.text(QStringLiteral("archive"), QStringLiteral("password")));
}

DatabaseAddress ProgramFolder::archiveDatabase() const
{
    return archiveOnServer() ? m_server : DatabaseAddress::file(archivePath());
}

DatabaseAddress ProgramFolder::catalogDatabase() const
{
    return archiveOnServer() ? m_server : DatabaseAddress::file(catalogPath());
}

QString ProgramFolder::programFileName(qint32 number)
{
    return QStringLiteral("P%1").arg(number, 7, 10, QLatin1Char('0'));
}

QString ProgramFolder::picturePrefix(qint32 number)
{
    return QStringLiteral("M%1N").arg(number, 7, 10, QLatin1Char('0'));
}

QString ProgramFolder::path(const QString &relative) const
{
    return QDir(m_root).filePath(relative);
}

QString ProgramFolder::programTextPath(qint32 number) const
{
    return QDir(dataDir()).filePath(programFileName(number));
}

bool ProgramFolder::createWorkFolders() const
{
    QDir root(m_root);
    const bool data = root.mkpath(dataFolderName());
    const bool pictures = root.mkpath(pictureFolderName());
    return data && pictures;
}
