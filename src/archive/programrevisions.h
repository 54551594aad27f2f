#pragma once

#include "archiverecord.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

class ArchiveStore;
class ProgramFolder;
class QSqlQuery;

// What made TRUV replace or remove a program's text.
enum class RevisionOrigin { Editor, Dnc, Deleted, Restored, CommandLine };
// The word stored for an origin, whatever the language; an unknown word reads as nullopt.
QString originWord(RevisionOrigin origin);
std::optional<RevisionOrigin> originFromWord(const QString &word);
// The origin as the revisions window shows it, in the interface's language.
QString originCaption(RevisionOrigin origin);

struct RevisionInfo {
    qint32 progr = 0;
    int revision = 0;
    QDateTime time; // UTC
    QString who;    // login@host
    RevisionOrigin origin = RevisionOrigin::Editor;
    qint64 size = 0;
    QByteArray sha256; // hex
    // The row of a deleted program, so that it can be brought back.
    std::optional<ArchiveRecord> record;
};

// The texts a program had before TRUV replaced or removed them: table revisioni beside cicli,
// numbered 1, 2, ... per program, each text compressed with its size and SHA-256. The table
// lives on the archive's own connection, so a revision and the change it keeps share one
// transaction. A large text may wait a while as a hard link in dati/.revisioni (sha256 empty,
// testo NULL), so that its save need not compress it: see packPendingRevisions.
class ProgramRevisions {
public:
    // Without the folder, a pending revision's text cannot be found and reads as damaged.
    explicit ProgramRevisions(ArchiveStore &archive);
    ProgramRevisions(ArchiveStore &archive, const ProgramFolder &folder);

    // Makes the table and its index when missing; an existing table is left as it is.
    static bool createTable(ArchiveStore &archive, QString *error = nullptr);
    // The system login and the host name of this process: "login@host".
    static QString currentAuthor();

    // Keeps text as the program's next revision; the number given, or nullopt with lastError().
    // Run inside the transaction of the change, so that both stand or fall together.
    std::optional<int> add(qint32 progr, RevisionOrigin origin, const QByteArray &text,
                           const std::optional<ArchiveRecord> &record = std::nullopt);

    // The number the program's next revision gets; nullopt with lastError() on a failure.
    std::optional<int> nextRevision(qint32 progr);
    // Where the text of a pending revision waits to be packed.
    static QString pendingDir(const ProgramFolder &folder);
    QString pendingPath(qint32 progr, int revision) const;
    // Keeps the text at pendingPath(progr, revision), already linked there, as that revision of
    // size bytes, to be packed after the change; in the change's transaction, as add().
    bool addPending(qint32 progr, int revision, RevisionOrigin origin, qint64 size);
    // Packs one pending revision, unless it was packed meanwhile; its link goes either way.
    bool packPending(qint32 progr, int revision, qint64 size);

    // Newest first; empty with lastError() on a failure.
    std::vector<RevisionInfo> list(qint32 progr) const;
    std::optional<RevisionInfo> info(qint32 progr, int revision) const;
    // The text, checked against its size and SHA-256; a damaged row gives nullopt and says so.
    std::optional<QByteArray> text(qint32 progr, int revision) const;
    // The newest revision that keeps the program's row (its deletion), if any.
    std::optional<RevisionInfo> newestWithRecord(qint32 progr) const;

    // Removes all but the newest keep revisions of every program, and the links of pending ones.
    bool keepNewest(int keep);

    QString lastError() const { return m_error; }

private:
    bool failed(const QString &error) const;
    // Selects columns of one revision into query, on its row; false, with the reason kept, when
    // there is none.
    bool selectOne(QSqlQuery &query, const QString &columns, qint32 progr, int revision) const;
    bool insert(qint32 progr, int revision, RevisionOrigin origin, qint64 size, const QByteArray &digest,
                const QVariant &compressed, const std::optional<ArchiveRecord> &record);
    std::optional<QByteArray> pendingText(qint32 progr, int revision, qint64 size) const;

    ArchiveStore &m_archive;
    QString m_pendingDir; // empty without the folder
    mutable QString m_error;
};

// Packs every pending revision, after the change that kept it (or at start-up, after a crash).
// false, with the last reason, when some stay pending.
bool packPendingRevisions(ArchiveStore &archive, const ProgramFolder &folder, QString *error = nullptr);
