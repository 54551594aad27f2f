#include "programrevisions.h"

#include "archivestore.h"
#include "revisionpacking.h"
#include "revisiontext.h"
#include "transferlog.h"

#include <QSqlError>
#include <QSqlQuery>


namespace {

// Fast enough for a 30 MB program at every save, still a fraction of a program's size.

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

} // namespace

QString originWord(RevisionOrigin origin)
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
    return {};
}

std::optional<RevisionOrigin> originFromWord(const QString &word)
{
    for (RevisionOrigin origin : {RevisionOrigin::Editor, RevisionOrigin::Dnc, RevisionOrigin::Deleted,
                                  RevisionOrigin::Restored, RevisionOrigin::CommandLine}) {
        if (originWord(origin) == word)
            return origin;
    }
    return std::nullopt;
}

ProgramRevisions::ProgramRevisions(ArchiveStore &archive) : m_archive(archive) {}

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

std::optional<int> ProgramRevisions::add(qint32 progr, RevisionOrigin origin, const QByteArray &text,
                                         const std::optional<ArchiveRecord> &record)
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
    const int revision = query.value(0).toInt() + 1;
    query.finish();
    const PackedText packed = packText(text);
    if (packed.compressed.isEmpty() || packed.digest.isEmpty()) {
        failed(RevisionText::BadCompressedData);
        return std::nullopt;
    }
    if (!query.prepare(QStringLiteral("INSERT INTO revisioni (progr, revisione, quando, chi, origine, dimensione, "
                                      "sha256, testo, cliente, disegno, descrizione, memo, macchina) "
                                      "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"))) {
        failed(query.lastError().text());
        return std::nullopt;
    }
    query.addBindValue(progr);
    query.addBindValue(revision);
    query.addBindValue(QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    query.addBindValue(currentAuthor());
    query.addBindValue(originWord(origin));
    query.addBindValue(qint64(text.size()));
    query.addBindValue(QString::fromLatin1(packed.digest));
    query.addBindValue(packed.compressed);
    const QVariant none(QMetaType(QMetaType::QString));
    query.addBindValue(record ? QVariant(record->cliente) : none);
    query.addBindValue(record ? QVariant(record->disegno) : none);
    query.addBindValue(record ? QVariant(record->descrizione) : none);
    query.addBindValue(record ? QVariant(record->memo) : none);
    query.addBindValue(record ? QVariant(record->macchina) : none);
    if (!query.exec()) {
        failed(query.lastError().text());
        return std::nullopt;
    }
    return revision;
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
    QSqlQuery query(m_archive.database());
    query.prepare(QStringLiteral("DELETE FROM revisioni WHERE revisione <= (SELECT max(newest.revisione) FROM revisioni "
                                 "AS newest WHERE newest.progr = revisioni.progr) - ?"));
    query.addBindValue(keep);
    if (!query.exec())
        return failed(query.lastError().text());
    return true;
}
