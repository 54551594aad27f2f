#include "undoablefiles.h"

#include "accessimporttext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool UndoableFiles::makeFolder(const QString &path, QString *error)
{
    if (QFileInfo(path).isDir())
        return true;
    const QString parent = QFileInfo(path).absolutePath();
    if (parent != path && !makeFolder(parent, error))
        return false;
    if (!QDir().mkdir(path)) {
        *error = AccessImportText::FolderNotCreated.arg(path);
        return false;
    }
    m_createdFolders.append(path);
    return true;
}

bool UndoableFiles::copyFile(const QString &from, const QString &to, QString *error)
{
    if (QFileInfo::exists(to)) {
        *error = AccessImportText::AlreadyExists.arg(to);
        return false;
    }
    if (!makeFolder(QFileInfo(to).absolutePath(), error))
        return false;
    QFile source(from);
    if (!source.copy(to)) {
        *error = AccessImportText::FileNotCopied.arg(from, to, source.errorString());
        QFile::remove(to);
        return false;
    }
    m_createdFiles.append(to);
    return true;
}

bool UndoableFiles::copyFolder(const QString &from, const QString &to, QString *error)
{
    if (!makeFolder(to, error))
        return false;
    const QFileInfoList entries =
        QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                                 QDir::Name);
    for (const QFileInfo &entry : entries) {
        const QString target = QDir(to).filePath(entry.fileName());
        const bool done = entry.isDir() ? copyFolder(entry.filePath(), target, error)
                                        : copyFile(entry.filePath(), target, error);
        if (!done)
            return false;
    }
    return true;
}

bool UndoableFiles::rename(const QString &from, const QString &to, QString *error)
{
    if (QFileInfo::exists(to)) {
        *error = AccessImportText::AlreadyExists.arg(to);
        return false;
    }
    QFile file(from);
    if (!file.rename(to)) {
        *error = AccessImportText::FileNotRenamed.arg(from, to, file.errorString());
        return false;
    }
    m_renames.append({from, to});
    return true;
}

void UndoableFiles::undo()
{
    while (!m_renames.isEmpty()) {
        const auto rename = m_renames.takeLast();
        QFile::rename(rename.second, rename.first);
    }
    while (!m_createdFiles.isEmpty())
        QFile::remove(m_createdFiles.takeLast());
    while (!m_createdFolders.isEmpty())
        QDir().rmdir(m_createdFolders.takeLast());
}
