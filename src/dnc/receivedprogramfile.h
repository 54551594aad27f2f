#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// Where truvnet receive puts a program: the file asked for or, when that cannot be written
// (full disk, quota, a failing device), a new file in the first fallback folder that takes
// it, so that what arrived is never lost.
class ReceivedProgramFile {
public:
    // Writes bytes to path; false with the system's reason in *error.
    using Writer = std::function<bool(const QString &path, const QByteArray &bytes, QString *error)>;

    ReceivedProgramFile(QStringList fallbackFolders, Writer writer);
    // The user's state folder ($XDG_STATE_HOME/truv), then the system's temporary folder;
    // written atomically.
    ReceivedProgramFile();

    struct Outcome {
        QString path;          // where the bytes went; empty when nowhere
        QStringList messages;  // what to tell: each failure, then where they went
    };
    Outcome write(const QString &path, const QByteArray &bytes) const;
    // After path refused the bytes for that reason: the fallback folders only.
    Outcome rescue(const QString &path, const QByteArray &bytes, QString error) const;

    static QStringList defaultFallbackFolders();
    // path when nothing is there, else the first of path-2, path-3... that is free: what was
    // kept of an earlier transfer is never written over.
    static QString unusedPath(const QString &path);

private:
    QStringList m_fallbackFolders;
    Writer m_writer;
};
