#pragma once

#include <QString>

// Every running truvnet holds a shared lock on a file beside the archive for its whole life.
// Work that replaces the archive file takes that lock exclusively, without waiting: it succeeds
// only when no other process uses the archive. The database's own locks cannot tell, because a
// copy of the archive needs only a read lock.
class ArchiveUsers {
public:
    explicit ArchiveUsers(const QString &archivePath);
    ~ArchiveUsers();
    ArchiveUsers(const ArchiveUsers &) = delete;
    ArchiveUsers &operator=(const ArchiveUsers &) = delete;

    static QString lockFilePath(const QString &archivePath);

    // Announces this process as a user of the archive. Refused while another process has the
    // archive to itself (a reorganisation under way).
    bool announce(QString *error = nullptr);
    // Makes this process the archive's only user; refused at once when another process uses it.
    bool takeAlone(QString *error = nullptr);

private:
    bool lock(int operation, QString *error);

    QString m_path;
    int m_descriptor = -1;
};
