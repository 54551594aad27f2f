#pragma once

#include <QStringList>

#include <functional>

// File operations that can be taken back: every file and folder this object created is removed
// again, and every rename is reversed, by undo(). A failed import thus leaves the folder as it was.
class UndoableFiles {
public:
    // stopRequested, asked before each file is copied, ends a copy with AccessImportText::Interrupted.
    explicit UndoableFiles(std::function<bool()> stopRequested = {}) : m_stopRequested(std::move(stopRequested)) {}

    // Copies a file byte for byte; never replaces an existing one.
    bool copyFile(const QString &from, const QString &to, QString *error);
    // Copies a folder and everything below it into to, which may exist already.
    bool copyFolder(const QString &from, const QString &to, QString *error);
    // Creates a folder and the missing ones above it.
    bool makeFolder(const QString &path, QString *error);
    // Refuses an existing target.
    bool rename(const QString &from, const QString &to, QString *error);
    // Puts a file or folder in its place by renaming. A folder whose place holds one already goes
    // in file by file, and only when none of its files is there yet.
    bool moveInto(const QString &from, const QString &to, QString *error);
    // Records a file that the caller created, so that undo() removes it too.
    void created(const QString &path) { m_createdFiles.append(path); }

    // Reverses everything, the last step first.
    void undo();

private:
    bool mergeFolder(const QString &from, const QString &to, QString *error);

    std::function<bool()> m_stopRequested;
    QStringList m_createdFiles;
    QStringList m_createdFolders;
    QList<QPair<QString, QString>> m_renames;
};
