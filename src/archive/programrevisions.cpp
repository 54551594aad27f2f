#include "programrevisions.h"

#include "archivestore.h"
#include "programfolder.h"
#include "revisionpacking.h"
#include "revisiontext.h"
#include "transferlog.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

namespace {

// A pending revision: its text still waits, uncompressed, as a link.
const QString kPending = QStringLiteral("sha256 = ''");

const QString kInfoColumns = QStringLiteral(
    "progr, revisione, quando, chi, origine, dimensione, sha256, cliente, disegno, descrizione, memo, macchina");

RevisionInfo infoFrom(const QSqlQuery &query)
{
    RevisionInfo info;
    info.progr = query.value(0).toInt();
    info.revision = query.value(1).toInt();
    info.time = QDateTime::fromString(query.value(2).toString(), Qt::ISODateWithMs);
    info.time.setTimeSpec(Qt::UTC);
    info.who = query.value(3).toString();
    info.origin = originFromWord(query.value(4).toString()).value_or(RevisionOrigin::Editor);
    info.size = query.value(5).toLongLong();
    info.sha256 = query.value(6).toByteArray();
    if (!query.value(8).isNull()) {
        ArchiveRecord record;
        record.progr = info.progr;
        record.cliente = query.value(7).toString();
        record.disegno = query.value(8).toString();
        record.descrizione = query.value(9).toString();
        record.memo = query.value(10).toString();
        record.macchina = query.value(11).toString();
        info.record = record;
    }
    return info;
}

RevisionText::Text originText(RevisionOrigin origin)
{
    switch (origin) {
    case RevisionOrigin::Editor:
        return RevisionText::OriginEditor;
    case RevisionOrigin::Dnc:
        return RevisionText::OriginDnc;
    case RevisionOrigin::Deleted:
        return RevisionText::OriginDeleted;
    case RevisionOrigin::Restored:
        return RevisionText::OriginRestored;
    case RevisionOrigin::CommandLine:
        return RevisionText::OriginCommandLine;
    }
    return RevisionText::OriginEditor;
}

} // namespace

QString originWord(RevisionOrigin origin)
{
    return originText(origin).source();
}

QString originCaption(RevisionOrigin origin)
{
    return originText(origin).toString();
}

std::optional<RevisionOrigin> originFromWord(const QString &word)
{
    for (RevisionOrigin origin : {RevisionOrigin::Editor, RevisionOrigin::Dnc, RevisionOrigin::Deleted,
                                  RevisionOrigin::Restored, RevisionOrigin::CommandLine}) {
        if (originText(origin).isSource(word))
            return origin;
    }
    return std::nullopt;
}

ProgramRevisions::ProgramRevisions(ArchiveStore &archive) : m_archive(archive) {}

ProgramRevisions::ProgramRevisions(ArchiveStore &archive, const ProgramFolder &folder)
    : m_archive(archive), m_pendingDir(pendingDir(folder))
{
}

QString ProgramRevisions::pendingDir(const ProgramFolder &folder)
{
    return QDir(folder.dataDir()).filePath(QStringLiteral(".revisioni"));
}

QString ProgramRevisions::pendingPath(qint32 progr, int revision) const
{
    if (m_pendingDir.isEmpty())
        return {};
    return QDir(m_pendingDir).filePath(ProgramFolder::programFileName(progr) + QStringLiteral(".R%1").arg(revision));
}

bool ProgramRevisions::createTable(ArchiveStore &archive, QString *error)
{
    const SqlDialect &dialect = archive.dialect();
    QSqlQuery query(archive.database());
    const QString statements[] = {
        QStringLiteral("CREATE TABLE IF NOT EXISTS revisioni (progr INTEGER NOT NULL, revisione INTEGER NOT NULL, "
                       "quando TEXT NOT NULL, chi TEXT, origine TEXT NOT NULL, dimensione BIGINT NOT NULL, "
                       "sha256 TEXT NOT NULL, testo %1, cliente TEXT, disegno TEXT, descrizione TEXT, memo TEXT, "
                       "macchina TEXT)")
            .arg(dialect.binaryType()),
        QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS %1 ON revisioni (progr, revisione)")
            .arg(dialect.uniqueIndexName(QStringLiteral("revisioni"), QStringLiteral("numero"))),
    };
    for (const QString &statement : statements) {
        if (!query.exec(statement)) {
            if (error)
                *error = query.lastError().text();
            return false;
        }
    }
    return true;
}

QString ProgramRevisions::currentAuthor()
{
    return currentLoginAtHost();
}

bool ProgramRevisions::failed(const QString &error) const
{
    m_error = error;
    return false;
}

std::optional<int> ProgramRevisions::nextRevision(qint32 progr)
{
    QSqlQuery query(m_archive.database());
    // A refused statement tells why at prepare (a missing table), not at exec.
    if (!query.prepare(QStringLiteral("SELECT max(revisione) FROM revisioni WHERE progr = ?"))) {
        failed(query.lastError().text());
        return std::nullopt;
    }
    query.addBindValue(progr);
    if (!query.exec() || !query.next()) {
        failed(query.lastError().text());
        return std::nullopt;
    }
    return query.value(0).toInt() + 1;
}

std::optional<int> ProgramRevisions::add(qint32 progr, RevisionOrigin origin, const QByteArray &text,
                                         const std::optional<ArchiveRecord> &record)
{
    const std::optional<int> revision = nextRevision(progr);
    if (!revision)
        return std::nullopt;
    const PackedText packed = packText(text);
    if (packed.compressed.isEmpty() || packed.digest.isEmpty()) {
        failed(RevisionText::BadCompressedData);
        return std::nullopt;
    }
    if (!insert(progr, *revision, origin, text.size(), packed.digest, packed.compressed, record))
        return std::nullopt;
    return revision;
}

bool ProgramRevisions::addPending(qint32 progr, int revision, RevisionOrigin origin, qint64 size)
{
    return insert(progr, revision, origin, size, QByteArray(""), QVariant(QMetaType(QMetaType::QByteArray)),
                  std::nullopt);
}

bool ProgramRevisions::insert(qint32 progr, int revision, RevisionOrigin origin, qint64 size,
                              const QByteArray &digest, const QVariant &compressed,
                              const std::optional<ArchiveRecord> &record)
{
    QSqlQuery query(m_archive.database());
    if (!query.prepare(QStringLiteral("INSERT INTO revisioni (progr, revisione, quando, chi, origine, dimensione, "
                                      "sha256, testo, cliente, disegno, descrizione, memo, macchina) "
                                      "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")))
        return failed(query.lastError().text());
    query.addBindValue(progr);
    query.addBindValue(revision);
    query.addBindValue(QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    query.addBindValue(currentAuthor());
    query.addBindValue(originWord(origin));
    query.addBindValue(size);
    query.addBindValue(QString::fromLatin1(digest));
    query.addBindValue(compressed);
    const QVariant none(QMetaType(QMetaType::QString));
    query.addBindValue(record ? QVariant(record->cliente) : none);
    query.addBindValue(record ? QVariant(record->disegno) : none);
    query.addBindValue(record ? QVariant(record->descrizione) : none);
    query.addBindValue(record ? QVariant(record->memo) : none);
    query.addBindValue(record ? QVariant(record->macchina) : none);
    if (!query.exec())
        return failed(query.lastError().text());
    return true;
}

std::optional<QByteArray> ProgramRevisions::pendingText(qint32 progr, int revision, qint64 size) const
{
    const QString path = pendingPath(progr, revision);
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        failed(RevisionText::Damaged.arg(revision).arg(progr).arg(RevisionText::PendingMissing.arg(path)));
        return std::nullopt;
    }
    if (file.size() != size) {
        failed(RevisionText::Damaged.arg(revision).arg(progr).arg(RevisionText::PendingWrongSize.arg(path)));
        return std::nullopt;
    }
    QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError || text.size() != size) {
        failed(RevisionText::Damaged.arg(revision).arg(progr).arg(file.errorString()));
        return std::nullopt;
    }
    return text;
}

bool ProgramRevisions::packPending(qint32 progr, int revision, qint64 size)
{
    const std::optional<QByteArray> text = pendingText(progr, revision, size);
    if (!text)
        return false;
    const PackedText packed = packText(*text);
    if (packed.compressed.isEmpty() || packed.digest.isEmpty())
        return failed(RevisionText::Damaged.arg(revision).arg(progr).arg(RevisionText::BadCompressedData));
    QSqlQuery query(m_archive.database());
    // Another PC may have packed it meanwhile, or retention removed it: then nothing changes.
    if (!query.prepare(QStringLiteral("UPDATE revisioni SET sha256 = ?, testo = ? WHERE progr = ? AND revisione = ? "
                                      "AND dimensione = ? AND %1").arg(kPending)))
        return failed(query.lastError().text());
    query.addBindValue(QString::fromLatin1(packed.digest));
    query.addBindValue(packed.compressed);
    query.addBindValue(progr);
    query.addBindValue(revision);
    query.addBindValue(size);
    if (!query.exec())
        return failed(query.lastError().text());
    QFile::remove(pendingPath(progr, revision));
    return true;
}

std::vector<RevisionInfo> ProgramRevisions::list(qint32 progr) const
{
    std::vector<RevisionInfo> result;
    m_error.clear();
    QSqlQuery query(m_archive.database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM revisioni WHERE progr = ? ORDER BY revisione DESC").arg(kInfoColumns));
    query.addBindValue(progr);
    if (!query.exec()) {
        failed(query.lastError().text());
        return result;
    }
    while (query.next())
        result.push_back(infoFrom(query));
    return result;
}

bool ProgramRevisions::selectOne(QSqlQuery &query, const QString &columns, qint32 progr, int revision) const
{
    m_error.clear();
    query.prepare(QStringLiteral("SELECT %1 FROM revisioni WHERE progr = ? AND revisione = ?").arg(columns));
    query.addBindValue(progr);
    query.addBindValue(revision);
    if (!query.exec())
        return failed(query.lastError().text());
    if (!query.next())
        return failed(RevisionText::NoSuchRevision.arg(progr).arg(revision));
    return true;
}

std::optional<RevisionInfo> ProgramRevisions::info(qint32 progr, int revision) const
{
    QSqlQuery query(m_archive.database());
    if (!selectOne(query, kInfoColumns, progr, revision))
        return std::nullopt;
    return infoFrom(query);
}

std::optional<RevisionInfo> ProgramRevisions::newestWithRecord(qint32 progr) const
{
    for (const RevisionInfo &info : list(progr)) {
        if (info.record)
            return info;
    }
    return std::nullopt;
}

std::optional<QByteArray> ProgramRevisions::text(qint32 progr, int revision) const
{
    QSqlQuery query(m_archive.database());
    if (!selectOne(query, QStringLiteral("dimensione, sha256, testo"), progr, revision))
        return std::nullopt;
    const qint64 size = query.value(0).toLongLong();
    const QByteArray digest = query.value(1).toByteArray();
    const QByteArray compressed = query.value(2).toByteArray();
    if (digest.isEmpty()) {
        std::optional<QByteArray> waiting = pendingText(progr, revision, size);
        if (waiting || QFile::exists(pendingPath(progr, revision)))
            return waiting;
        // Packed meanwhile, its link gone: the row has it now.
        const QString missing = m_error;
        if (selectOne(query, QStringLiteral("sha256"), progr, revision) && !query.value(0).toByteArray().isEmpty())
            return this->text(progr, revision);
        m_error = missing;
        return std::nullopt;
    }
    std::optional<QByteArray> text = unpackText(compressed, size);
    if (!text) {
        failed(RevisionText::Damaged.arg(revision).arg(progr).arg(RevisionText::BadCompressedData));
        return std::nullopt;
    }
    if (textDigest(*text) != digest) {
        failed(RevisionText::Damaged.arg(revision).arg(progr).arg(RevisionText::BadDigest));
        return std::nullopt;
    }
    return text;
}

bool ProgramRevisions::keepNewest(int keep)
{
    const QString older = QStringLiteral("revisione <= (SELECT max(newest.revisione) FROM revisioni AS newest "
                                         "WHERE newest.progr = revisioni.progr) - ?");
    QSqlQuery query(m_archive.database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT progr, revisione FROM revisioni WHERE %1 AND %2").arg(older, kPending));
    query.addBindValue(keep);
    if (!query.exec())
        return failed(query.lastError().text());
    QStringList links;
    while (query.next())
        links << pendingPath(query.value(0).toInt(), query.value(1).toInt());
    query.finish();
    query.prepare(QStringLiteral("DELETE FROM revisioni WHERE %1").arg(older));
    query.addBindValue(keep);
    if (!query.exec())
        return failed(query.lastError().text());
    for (const QString &link : links) {
        if (!link.isEmpty())
            QFile::remove(link);
    }
    return true;
}

bool packPendingRevisions(ArchiveStore &archive, const ProgramFolder &folder, QString *error)
{
    struct Pending {
        qint32 progr;
        int revision;
        qint64 size;
    };
    std::vector<Pending> pending;
    QSqlQuery query(archive.database());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT progr, revisione, dimensione FROM revisioni WHERE %1").arg(kPending))) {
        if (error)
            *error = query.lastError().text();
        return false;
    }
    while (query.next())
        pending.push_back({query.value(0).toInt(), query.value(1).toInt(), query.value(2).toLongLong()});
    query.finish();
    ProgramRevisions revisions(archive, folder);
    bool packed = true;
    for (const Pending &one : pending) {
        // One that cannot be packed stays pending, and is told as damaged when read.
        if (!revisions.packPending(one.progr, one.revision, one.size)) {
            packed = false;
            if (error)
                *error = revisions.lastError();
        }
    }
    return packed;
}
