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
    if (m_stopRequested && m_stopRequested()) {
        *error = AccessImportText::Interrupted;
        return false;
    }
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

namespace {

// The first entry of from whose place below to is taken; empty when there is none.
QString firstClash(const QString &from, const QString &to)
{
    const QFileInfo target(to);
    if (!target.exists() && !target.isSymLink())
        return {};
    if (!QFileInfo(from).isDir() || !target.isDir() || target.isSymLink())
        return to;
    const QStringList entries =
        QDir(from).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &entry : entries) {
        const QString clash = firstClash(QDir(from).filePath(entry), QDir(to).filePath(entry));
        if (!clash.isEmpty())
            return clash;
    }
    return {};
}

} // namespace

bool UndoableFiles::moveInto(const QString &from, const QString &to, QString *error)
{
    // Looked for before anything moves, so that a clash leaves both folders whole.
    const QString clash = firstClash(from, to);
    if (!clash.isEmpty()) {
        *error = AccessImportText::AlreadyExists.arg(clash);
        return false;
    }
    return QFileInfo::exists(to) ? mergeFolder(from, to, error) : rename(from, to, error);
}

bool UndoableFiles::mergeFolder(const QString &from, const QString &to, QString *error)
{
    const QStringList entries =
        QDir(from).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &entry : entries) {
        const QString source = QDir(from).filePath(entry);
        const QString target = QDir(to).filePath(entry);
        const bool done = QFileInfo::exists(target) ? mergeFolder(source, target, error) : rename(source, target, error);
        if (!done)
            return false;
    }
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
