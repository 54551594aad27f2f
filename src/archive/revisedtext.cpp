#include "revisedtext.h"

#include "archivestore.h"
#include "programfolder.h"
#include "revisiontext.h"
#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <filesystem>
#include <functional>
#include <system_error>

namespace {

// From this size the replaced text waits as a link, packed after the save: packing it inside
// would make a large program's save take twice as long.
constexpr qint64 PendingFrom = 1 << 20;

// One change of a program's text, as one transaction on the archive's connection.
class Change {
public:
    Change(ArchiveStore &archive, const ProgramFolder &folder, qint32 number)
        : m_archive(archive), m_path(folder.programTextPath(number)), m_number(number), m_revisions(archive, folder)
    {
    }
    ~Change()
    {
        if (m_open)
            rollback();
        if (!m_done)
            dropLink();
    }

    // Begins the transaction and locks the program's row; rowExists tells whether there is one.
    bool begin(bool *rowExists)
    {
        QSqlQuery query(m_archive.database());
        if (!query.exec(m_archive.dialect().beginReadThenWrite()))
            return fail(query.lastError().text());
        m_open = true;
        // Writing the row takes its lock until the end: a second PC changing the same program
        // waits here, and then reads the text this change leaves. The old in-row text goes too.
        query.prepare(QStringLiteral("UPDATE cicli SET testo = '' WHERE progr = ?"));
        query.addBindValue(m_number);
        if (!query.exec())
            return fail(query.lastError().text());
        *rowExists = query.numRowsAffected() > 0;
        return true;
    }

    // Reads the current text, if there is one; an unreadable one stops the change.
    bool readCurrent()
    {
        if (!QFile::exists(m_path))
            return true;
        QString error;
        m_current = TextFile::read(m_path, &error);
        return m_current || fail(RevisionText::CurrentNotRead.arg(m_path, error));
    }
    const std::optional<QByteArray> &current() const { return m_current; }

    bool keep(RevisionOrigin origin, const std::optional<ArchiveRecord> &record = std::nullopt)
    {
        if (!m_current && !record)
            return true;
        m_revision = m_revisions.add(m_number, origin, m_current.value_or(QByteArray()), record);
        return m_revision || fail(RevisionText::NotKept.arg(m_revisions.lastError()));
    }

    // Keeps the current text as a pending revision, linked rather than read and packed; linked
    // stays false, with no error, where the folder allows no link.
    bool keepAsLink(RevisionOrigin origin, bool *linked)
    {
        *linked = false;
        const std::optional<int> revision = m_revisions.nextRevision(m_number);
        if (!revision)
            return fail(RevisionText::NotKept.arg(m_revisions.lastError()));
        const QString link = m_revisions.pendingPath(m_number, *revision);
        if (!QDir().mkpath(QFileInfo(link).path()))
            return true;
        // No row has this number: a link by that name was left by a change that never committed.
        QFile::remove(link);
        std::error_code failure;
        std::filesystem::create_hard_link(QFile::encodeName(m_path).toStdString(), QFile::encodeName(link).toStdString(),
                                          failure);
        if (failure)
            return true;
        m_link = link;
        if (!m_revisions.addPending(m_number, *revision, origin, QFileInfo(link).size()))
            return fail(RevisionText::NotKept.arg(m_revisions.lastError()));
        m_revision = revision;
        *linked = true;
        return true;
    }

    // The file step, then the end of the transaction; a refused end puts the old text back.
    TextChange finish(const std::function<bool(QString *)> &fileStep)
    {
        QString error;
        if (!fileStep(&error)) {
            fail(error);
            return result();
        }
        QSqlQuery commit(m_archive.database());
        if (!commit.exec(QStringLiteral("COMMIT"))) {
            const QString reason = commit.lastError().text();
            rollback();
            fail(putBack(reason));
            return result();
        }
        m_open = false;
        m_done = true;
        return result();
    }

    bool fail(const QString &error)
    {
        m_error = error;
        if (m_open)
            rollback();
        dropLink();
        return false;
    }
    TextChange result() const { return {m_done, m_done ? m_revision : std::nullopt, m_error}; }
    const QString &path() const { return m_path; }

private:
    void rollback()
    {
        m_open = false;
        QSqlQuery(m_archive.database()).exec(QStringLiteral("ROLLBACK"));
    }

    void dropLink()
    {
        if (!m_link.isEmpty())
            QFile::remove(m_link);
        m_link.clear();
    }

    QString putBack(const QString &reason)
    {
        QString error;
        if (!m_current && !m_link.isEmpty()) {
            m_current = TextFile::read(m_link, &error);
            if (!m_current) {
                // The link is then the only copy of the old text: it stays.
                const QString kept = m_link;
                m_link.clear();
                return RevisionText::NotPutBack.arg(m_path, error, kept, reason);
            }
        }
        if (!m_current) {
            QFile::remove(m_path);
            return RevisionText::NotCommitted.arg(m_path, reason);
        }
        if (TextFile::writeAtomically(m_path, *m_current, &error))
            return RevisionText::NotCommitted.arg(m_path, reason);
        const QString rescue = m_path + QStringLiteral(".conservato");
        TextFile::writeAtomically(rescue, *m_current);
        return RevisionText::NotPutBack.arg(m_path, error, rescue, reason);
    }

    ArchiveStore &m_archive;
    const QString m_path;
    const qint32 m_number;
    ProgramRevisions m_revisions;
    std::optional<QByteArray> m_current;
    std::optional<int> m_revision;
    QString m_link; // a pending revision's, until the change is done
    QString m_error;
    bool m_open = false;
    bool m_done = false;
};

bool writeText(const QString &path, const QByteArray &bytes, QString *error)
{
    if (TextFile::writeAtomically(path, bytes, error))
        return true;
    *error = RevisionText::TextNotWritten.arg(path, *error);
    return false;
}

} // namespace

TextChange replaceProgramText(ArchiveStore &archive, const ProgramFolder &folder, qint32 number,
                              const QByteArray &bytes, RevisionOrigin origin)
{
    Change change(archive, folder, number);
    bool rowExists = false;
    if (!change.begin(&rowExists))
        return change.result();
    if (!rowExists) {
        change.fail(RevisionText::NotArchived.arg(number));
        return change.result();
    }
    const qint64 size = QFileInfo(change.path()).size();
    const bool large = size > PendingFrom;
    // Only a text of the same size needs reading to tell whether it is the same.
    if ((!large || size == bytes.size()) && !change.readCurrent())
        return change.result();
    if (large && change.current() != bytes) {
        bool linked = false;
        if (!change.keepAsLink(origin, &linked))
            return change.result();
        if (linked)
            return change.finish([&](QString *error) { return writeText(change.path(), bytes, error); });
        if (!change.current() && !change.readCurrent())
            return change.result();
    }
    // The same text again replaces nothing.
    if (change.current() != bytes && !change.keep(origin))
        return change.result();
    return change.finish([&](QString *error) { return writeText(change.path(), bytes, error); });
}

TextChange moveIntoProgramText(ArchiveStore &archive, const ProgramFolder &folder, qint32 number,
                               const QString &sourcePath)
{
    // A received text may also be for a number without a row: what it replaces is kept all the same.
    Change change(archive, folder, number);
    bool rowExists = false;
    if (!change.begin(&rowExists) || !change.readCurrent() || !change.keep(RevisionOrigin::Dnc))
        return change.result();
    return change.finish([&](QString *error) {
        // One rename over the old text: the program never goes without one, even for a moment.
        std::error_code failure;
        std::filesystem::rename(QFile::encodeName(sourcePath).toStdString(),
                                QFile::encodeName(change.path()).toStdString(), failure);
        *error = QString::fromStdString(failure.message());
        return !failure;
    });
}

TextChange removeProgramTextAndRow(ArchiveStore &archive, const ProgramFolder &folder, qint32 number)
{
    Change change(archive, folder, number);
    bool rowExists = false;
    if (!change.begin(&rowExists) || !change.readCurrent())
        return change.result();
    ArchiveRecord unnamed;
    unnamed.progr = number;
    if (!change.keep(RevisionOrigin::Deleted, archive.seek(number).value_or(unnamed)))
        return change.result();
    return change.finish([&](QString *error) {
        QFile text(change.path());
        if (change.current() && !text.remove()) {
            *error = RevisionText::TextNotRemoved.arg(change.path(), text.errorString());
            return false;
        }
        if (!archive.remove(number)) {
            *error = archive.lastError();
            return false;
        }
        return true;
    });
}

TextChange restoreRevision(ArchiveStore &archive, const ProgramFolder &folder, qint32 number, int revision)
{
    ProgramRevisions revisions(archive, folder);
    const std::optional<RevisionInfo> chosen = revisions.info(number, revision);
    const std::optional<QByteArray> text = chosen ? revisions.text(number, revision) : std::nullopt;
    if (!text)
        return {false, {}, revisions.lastError()};
    const std::optional<ArchiveRecord> row = archive.seek(number);
    if (row) {
        // The deletion's record names the program that had the number; another one may have it now.
        if (chosen->record && (row->disegno != chosen->record->disegno || row->cliente != chosen->record->cliente))
            return {false, {}, RevisionText::NumberTaken.arg(number).arg(row->disegno)};
        return replaceProgramText(archive, folder, number, *text, RevisionOrigin::Restored);
    }
    const std::optional<RevisionInfo> kept = chosen->record ? chosen : revisions.newestWithRecord(number);
    if (!kept)
        return {false, {}, RevisionText::NoRecordKept.arg(number)};
    Change change(archive, folder, number);
    bool rowExists = false;
    if (!change.begin(&rowExists))
        return change.result();
    if (rowExists)
        return {false, {}, RevisionText::NumberTaken.arg(number).arg(QString())};
    ArchiveRecord record = *kept->record;
    record.progr = number;
    // A text left without its row is kept too, before the revision's text takes its place.
    if (!archive.add(record)) {
        change.fail(archive.lastError());
        return change.result();
    }
    if (!change.readCurrent() || !change.keep(RevisionOrigin::Restored))
        return change.result();
    return change.finish([&](QString *error) { return writeText(change.path(), *text, error); });
}
