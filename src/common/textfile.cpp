#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>

#include <unistd.h>

namespace TextFile {

namespace {

// A full disk first takes part of a write; the next attempt tells why it stops.
bool writeAll(QFileDevice &file, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

} // namespace

std::optional<QByteArray> read(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    return bytes;
}

bool writeAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    // A program folder on a share may refuse the rename; never fall back to writing in place.
    file.setDirectWriteFallback(false);
    // Unbuffered: a buffered tail that fails to reach a full disk is not reported by commit(),
    // which would then put a truncated file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (!writeAll(file, bytes)) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

NewFileResult writeNew(const QString &path, const QByteArray &bytes, QString *error)
{
    const auto fail = [error](const QString &reason, NewFileResult result = NewFileResult::Failed) {
        if (error)
            *error = reason;
        return result;
    };
    if (QFileInfo::exists(path))
        return fail(qt_error_string(EEXIST), NewFileResult::Exists);
    const QFileInfo target(path);
    QTemporaryFile file(target.dir().filePath(QStringLiteral(".") + target.fileName() + QStringLiteral(".XXXXXX")));
    if (!file.open())
        return fail(file.errorString());
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                        | QFileDevice::ReadOther);
    if (!writeAll(file, bytes) || !file.flush())
        return fail(file.errorString());
    // On disk before it takes its name, so that a crash never leaves a short file under it.
    if (::fsync(file.handle()) != 0)
        return fail(qt_error_string(errno));
    // Qt renames without replacing (renameat2 with RENAME_NOREPLACE, or link and unlink).
    if (!file.rename(path)) {
        if (QFileInfo::exists(path))
            return fail(qt_error_string(EEXIST), NewFileResult::Exists);
        return fail(file.errorString());
    }
    // The object now names the new file, which must outlive it.
    file.setAutoRemove(false);
    return NewFileResult::Written;
}

} // namespace TextFile
