#include "revisedtext.h"

#include "archivestore.h"
#include "programfolder.h"
#include "revisiontext.h"
#include "textfile.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

#include <filesystem>
#include <functional>
#include <system_error>

namespace {

// One change of a program's text, as one transaction on the archive's connection.
class Change {
public:
    Change(ArchiveStore &archive, const ProgramFolder &folder, qint32 number)
        : m_archive(archive), m_path(folder.programTextPath(number)), m_number(number), m_revisions(archive)
    {
    }
    ~Change()
    {
        if (m_open)
            rollback();
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

    QString putBack(const QString &reason)
    {
        QString error;
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

// Begins a change of a program that must be in the archive, with its current text read.
bool beginOnArchived(Change &change, qint32 number)
{
    bool rowExists = false;
    if (!change.begin(&rowExists))
        return false;
    if (!rowExists)
        return change.fail(RevisionText::NotArchived.arg(number));
    return change.readCurrent();
}

} // namespace

TextChange replaceProgramText(ArchiveStore &archive, const ProgramFolder &folder, qint32 number,
                              const QByteArray &bytes, RevisionOrigin origin)
{
    Change change(archive, folder, number);
    if (!beginOnArchived(change, number))
        return change.result();
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
    ProgramRevisions revisions(archive);
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
