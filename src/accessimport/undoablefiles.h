#pragma once

#include <QStringList>

// File operations that can be taken back: every file and folder this object created is removed
// again, and every rename is reversed, by undo(). A failed import thus leaves the folder as it was.
class UndoableFiles {
public:
    // Copies a file byte for byte; never replaces an existing one.
    bool copyFile(const QString &from, const QString &to, QString *error);
    // Copies a folder and everything below it into to, which may exist already.
    bool copyFolder(const QString &from, const QString &to, QString *error);
    // Creates a folder and the missing ones above it.
    bool makeFolder(const QString &path, QString *error);
    // Refuses an existing target.
    bool rename(const QString &from, const QString &to, QString *error);
    // Records a file that the caller created, so that undo() removes it too.
    void created(const QString &path) { m_createdFiles.append(path); }

    // Reverses everything, the last step first.
    void undo();

private:
    QStringList m_createdFiles;
    QStringList m_createdFolders;
    QList<QPair<QString, QString>> m_renames;
};
