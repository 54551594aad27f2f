#include "receivedprogramfile.h"

#include "dnctext.h"
#include "serialtext.h"
#include "textfile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

ReceivedProgramFile::ReceivedProgramFile(QStringList fallbackFolders, Writer writer)
    : m_fallbackFolders(std::move(fallbackFolders)), m_writer(std::move(writer))
{
}

ReceivedProgramFile::ReceivedProgramFile()
    : ReceivedProgramFile(defaultFallbackFolders(),
                          [](const QString &path, const QByteArray &bytes, QString *error) {
                              return TextFile::writeAtomically(path, bytes, error);
                          })
{
}

QStringList ReceivedProgramFile::defaultFallbackFolders()
{
    QString stateHome = qEnvironmentVariable("XDG_STATE_HOME");
    if (stateHome.isEmpty() || QDir::isRelativePath(stateHome))
        stateHome = QDir::home().filePath(QStringLiteral(".local/state"));
    return {QDir(stateHome).filePath(QStringLiteral("truv")), QDir::tempPath()};
}

QString ReceivedProgramFile::unusedPath(const QString &path)
{
    QString candidate = path;
    for (int n = 2; QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink(); ++n)
        candidate = path + QStringLiteral("-%1").arg(n);
    return candidate;
}

ReceivedProgramFile::Outcome ReceivedProgramFile::write(const QString &path, const QByteArray &bytes) const
{
    QString error;
    if (m_writer(path, bytes, &error)) {
        Outcome outcome;
        outcome.path = path;
        return outcome;
    }
    return rescue(path, bytes, error);
}

ReceivedProgramFile::Outcome ReceivedProgramFile::rescue(const QString &path, const QByteArray &bytes,
                                                         QString error) const
{
    Outcome outcome;
    outcome.messages.append(SerialText::SaveFailed.arg(path, error));
    // Named after the file asked for and the time, never over an earlier rescue.
    const QString name = QFileInfo(path).fileName() + u'.'
                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    for (const QString &folder : m_fallbackFolders) {
        const QString candidate = unusedPath(QDir(folder).filePath(name));
        if (!QDir().mkpath(folder)) {
            outcome.messages.append(SerialText::SaveFailed.arg(candidate, DncText::NoFolder));
            continue;
        }
        if (m_writer(candidate, bytes, &error)) {
            outcome.path = candidate;
            outcome.messages.append(DncText::ReceivedSavedIn.arg(candidate));
            return outcome;
        }
        outcome.messages.append(SerialText::SaveFailed.arg(candidate, error));
    }
    outcome.messages.append(DncText::ReceivedNotSaved);
    return outcome;
}
