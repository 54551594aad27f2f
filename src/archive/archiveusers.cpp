#include "archiveusers.h"

#include "archivetext.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

ArchiveUsers::ArchiveUsers(const QString &archivePath) : m_path(lockFilePath(archivePath)) {}

ArchiveUsers::~ArchiveUsers()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

QString ArchiveUsers::lockFilePath(const QString &archivePath)
{
    return archivePath + QStringLiteral(".lock");
}

bool ArchiveUsers::announce(QString *error)
{
    return lock(LOCK_SH, error);
}

bool ArchiveUsers::takeAlone(QString *error)
{
    return lock(LOCK_EX, error);
}

bool ArchiveUsers::lock(int operation, QString *error)
{
    if (m_descriptor < 0) {
        m_descriptor = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (m_descriptor < 0) {
            if (error)
                *error = m_path + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
    }
    int result;
    do
        result = ::flock(m_descriptor, operation | LOCK_NB);
    while (result != 0 && errno == EINTR);
    if (result == 0)
        return true;
    if (error) {
        *error = errno == EWOULDBLOCK ? ArchiveText::ArchiveInUseAlone
                                      : m_path + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
    }
    return false;
}
