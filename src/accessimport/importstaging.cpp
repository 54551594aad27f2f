#include "importstaging.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <limits>

#include <sys/types.h>

namespace ImportStaging {

namespace {

const QString kMark = QStringLiteral(".importazione-");

// A process id that names no running process (or this one, which has not staged anything yet:
// the id is an earlier process's that the system handed out again).
bool processGone(qint64 pid)
{
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return true;
    if (pid == QCoreApplication::applicationPid())
        return true;
    return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

} // namespace

QString path(const QString &root)
{
    return QDir(root).filePath(kMark + QString::number(QCoreApplication::applicationPid()));
}

QStringList clearLeftovers(const QString &root)
{
    static const QRegularExpression leftover(QStringLiteral("^.*\\.importazione-(\\d{1,10})$"));
    QStringList kept;
    const QFileInfoList entries =
        QDir(root).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QFileInfo &entry : entries) {
        const QRegularExpressionMatch match = leftover.match(entry.fileName());
        if (!match.hasMatch() || !processGone(match.captured(1).toLongLong()))
            continue;
        const bool removed = entry.isDir() && !entry.isSymLink() ? QDir(entry.filePath()).removeRecursively()
                                                                 : QFile::remove(entry.filePath());
        if (!removed)
            kept.append(entry.filePath());
    }
    return kept;
}

} // namespace ImportStaging
