#include "transferlogstore.h"

#include "archivestore.h"
#include "transferlogtext.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

const QString kColumns = QStringLiteral(
    "t.id, t.inizio, t.fine, t.chi, t.macchina, t.operazione, t.progr, t.file, t.programma_cnc, t.byte, t.sha256, "
    "t.esito, t.messaggio, (SELECT max(r.revisione) FROM revisioni r WHERE r.progr = t.progr AND r.sha256 = t.sha256)");

QString timeText(const QDateTime &time)
{
    return time.isValid() ? time.toUTC().toString(Qt::ISODateWithMs) : QString();
}

QDateTime timeFrom(const QVariant &value)
{
    QDateTime time = QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
    if (time.isValid())
        time.setTimeSpec(Qt::UTC);
    return time;
}

// The first instant of a local day, as stored.
QString dayStart(const QDate &day)
{
    return timeText(QDateTime(day, QTime(0, 0)));
}

const QVariant kNoText(QMetaType(QMetaType::QString));
const QVariant kNoNumber(QMetaType(QMetaType::LongLong));

void bindEntry(QSqlQuery &query, const TransferEntry &entry)
{
    query.addBindValue(timeText(entry.started));
    query.addBindValue(entry.ended.isValid() ? QVariant(timeText(entry.ended)) : kNoText);
    query.addBindValue(entry.who);
    query.addBindValue(entry.machine);
    query.addBindValue(operationWord(entry.operation));
    query.addBindValue(entry.archiveProgram ? QVariant(qint64(*entry.archiveProgram)) : kNoNumber);
    query.addBindValue(entry.fileName);
    query.addBindValue(entry.cncProgram ? QVariant(*entry.cncProgram) : kNoNumber);
    query.addBindValue(entry.bytes);
    query.addBindValue(entry.sha256.isEmpty() ? kNoText : QVariant(QString::fromLatin1(entry.sha256)));
    query.addBindValue(resultWord(entry.result));
    query.addBindValue(entry.message);
}

TransferListing listingFrom(const QSqlQuery &query)
{
    TransferListing listing;
    TransferEntry &entry = listing.entry;
    entry.id = query.value(0).toLongLong();
    entry.started = timeFrom(query.value(1));
    entry.ended = timeFrom(query.value(2));
    entry.who = query.value(3).toString();
    entry.machine = query.value(4).toString();
    entry.operation = operationFromWord(query.value(5).toString()).value_or(TransferOperation::SerialSend);
    if (!query.value(6).isNull())
        entry.archiveProgram = query.value(6).toInt();
    entry.fileName = query.value(7).toString();
    if (!query.value(8).isNull())
        entry.cncProgram = query.value(8).toLongLong();
    entry.bytes = query.value(9).toLongLong();
    entry.sha256 = query.value(10).toString().toLatin1();
    // A word this release does not know is shown as failed rather than as success.
    entry.result = resultFromWord(query.value(11).toString()).value_or(TransferResult::Failed);
    entry.message = query.value(12).toString();
    if (!query.value(13).isNull())
        listing.revision = query.value(13).toInt();
    return listing;
}

} // namespace

TransferLogStore::TransferLogStore(ArchiveStore &archive) : m_archive(archive) {}

bool TransferLogStore::createTable(ArchiveStore &archive, QString *error)
{
    const SqlDialect &dialect = archive.dialect();
    QSqlQuery query(archive.database());
    const QString statements[] = {
        QStringLiteral("CREATE TABLE IF NOT EXISTS trasferimenti (id %1, inizio TEXT NOT NULL, fine TEXT, chi TEXT, "
                       "macchina %2, operazione TEXT NOT NULL, progr INTEGER, file TEXT, programma_cnc BIGINT, "
                       "byte BIGINT NOT NULL, sha256 TEXT, esito TEXT NOT NULL, messaggio TEXT)")
            .arg(dialect.rowNumberKeyType(), dialect.caselessTextType()),
        QStringLiteral("CREATE INDEX IF NOT EXISTS trasferimenti_inizio ON trasferimenti (inizio)"),
        dialect.caselessIndex(QStringLiteral("trasferimenti_macchina"), QStringLiteral("trasferimenti"),
                              QStringLiteral("macchina"), QStringLiteral("inizio")),
        QStringLiteral("CREATE INDEX IF NOT EXISTS trasferimenti_progr ON trasferimenti (progr, inizio)"),
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

bool TransferLogStore::failed(const QString &error) const
{
    m_error = error;
    return false;
}

std::optional<qint64> TransferLogStore::begin(const TransferEntry &entry)
{
    QSqlQuery query(m_archive.database());
    if (!query.prepare(QStringLiteral("INSERT INTO trasferimenti (inizio, fine, chi, macchina, operazione, progr, "
                                      "file, programma_cnc, byte, sha256, esito, messaggio) "
                                      "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                       + m_archive.dialect().returningRowNumber(QStringLiteral("id")))) {
        failed(query.lastError().text());
        return std::nullopt;
    }
    bindEntry(query, entry);
    if (!query.exec()) {
        failed(query.lastError().text());
        return std::nullopt;
    }
    const QVariant id = m_archive.dialect().isServer() ? (query.next() ? query.value(0) : QVariant())
                                                       : query.lastInsertId();
    if (!id.isValid() || id.toLongLong() <= 0) {
        failed(query.lastError().text());
        return std::nullopt;
    }
    return id.toLongLong();
}

bool TransferLogStore::finish(const TransferEntry &entry)
{
    if (entry.id <= 0)
        return begin(entry).has_value();
    QSqlQuery query(m_archive.database());
    if (!query.prepare(QStringLiteral("UPDATE trasferimenti SET inizio = ?, fine = ?, chi = ?, macchina = ?, "
                                      "operazione = ?, progr = ?, file = ?, programma_cnc = ?, byte = ?, sha256 = ?, "
                                      "esito = ?, messaggio = ? WHERE id = ?")))
        return failed(query.lastError().text());
    bindEntry(query, entry);
    query.addBindValue(entry.id);
    if (!query.exec())
        return failed(query.lastError().text());
    // The row begun may have gone (the table emptied meanwhile): the operation is still recorded.
    if (query.numRowsAffected() == 0) {
        TransferEntry whole = entry;
        whole.id = 0;
        return begin(whole).has_value();
    }
    return true;
}

std::vector<TransferListing> TransferLogStore::list(const TransferFilter &filter, const TransferPage &page) const
{
    std::vector<TransferListing> result;
    m_error.clear();
    QVariantList values;
    QString statement = QStringLiteral("SELECT %1 FROM trasferimenti t").arg(kColumns);
    QStringList conditions = conditionsOf(filter, values);
    if (page.after) {
        // The rows after the given one in the listing's order, whatever ties their times have.
        conditions.append(QStringLiteral("(t.inizio < ? OR (t.inizio = ? AND t.id < ?))"));
        values << timeText(page.after->started) << timeText(page.after->started) << page.after->id;
    }
    if (!conditions.isEmpty())
        statement += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    statement += QStringLiteral(" ORDER BY t.inizio DESC, t.id DESC");
    if (page.rows > 0)
        statement += QStringLiteral(" LIMIT %1").arg(page.rows);
    QSqlQuery query(m_archive.database());
    query.setForwardOnly(true);
    if (!run(query, statement, values))
        return result;
    while (query.next())
        result.push_back(listingFrom(query));
    return result;
}

std::optional<qint64> TransferLogStore::count(const TransferFilter &filter) const
{
    m_error.clear();
    QVariantList values;
    QString statement = QStringLiteral("SELECT count(*) FROM trasferimenti t");
    const QStringList conditions = conditionsOf(filter, values);
    if (!conditions.isEmpty())
        statement += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    QSqlQuery query(m_archive.database());
    if (!run(query, statement, values))
        return std::nullopt;
    if (!query.next()) {
        failed(query.lastError().text());
        return std::nullopt;
    }
    return query.value(0).toLongLong();
}

QStringList TransferLogStore::conditionsOf(const TransferFilter &filter, QVariantList &values) const
{
    QStringList conditions;
    if (!filter.machine.trimmed().isEmpty()) {
        conditions.append(m_archive.dialect().caselessEquals(QStringLiteral("t.macchina")));
        values.append(filter.machine.trimmed());
    }
    if (filter.program) {
        conditions.append(QStringLiteral("t.progr = ?"));
        values.append(*filter.program);
    }
    if (filter.since) {
        conditions.append(QStringLiteral("t.inizio >= ?"));
        values.append(dayStart(*filter.since));
    }
    if (filter.until) {
        conditions.append(QStringLiteral("t.inizio < ?"));
        values.append(dayStart(filter.until->addDays(1)));
    }
    if (filter.result) {
        conditions.append(QStringLiteral("t.esito = ?"));
        values.append(resultWord(*filter.result));
    }
    if (filter.failedOnly) {
        conditions.append(QStringLiteral("t.esito IN (?, ?)"));
        values.append(resultWord(TransferResult::Failed));
        values.append(resultWord(TransferResult::Interrupted));
    }
    return conditions;
}

bool TransferLogStore::run(QSqlQuery &query, const QString &statement, const QVariantList &values) const
{
    if (!query.prepare(statement))
        return failed(query.lastError().text());
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query.exec() || failed(query.lastError().text());
}

namespace {

constexpr TransferLogText::Text Columns[] = {
    TransferLogText::StartColumn,      TransferLogText::EndColumn,      TransferLogText::WhoColumn,
    TransferLogText::MachineColumn,    TransferLogText::OperationColumn, TransferLogText::ProgramColumn,
    TransferLogText::FileColumn,       TransferLogText::CncProgramColumn, TransferLogText::BytesColumn,
    TransferLogText::DigestColumn,     TransferLogText::RevisionColumn, TransferLogText::ResultColumn,
    TransferLogText::MessageColumn};

} // namespace

QStringList transferLogHeader()
{
    QStringList header;
    for (const TransferLogText::Text &column : Columns)
        header.append(column);
    return header;
}

QStringList transferLogFields(const TransferListing &listing)
{
    const TransferEntry &entry = listing.entry;
    const auto time = [](const QDateTime &t) { return t.isValid() ? t.toUTC().toString(Qt::ISODate) : QString(); };
    return {time(entry.started),
            time(entry.ended),
            entry.who,
            entry.machine,
            operationWord(entry.operation),
            entry.archiveProgram ? QString::number(*entry.archiveProgram) : QString(),
            entry.fileName,
            entry.cncProgram ? QStringLiteral("O%1").arg(*entry.cncProgram, 4, 10, QLatin1Char('0')) : QString(),
            QString::number(entry.bytes),
            QString::fromLatin1(entry.sha256),
            listing.revision ? QString::number(*listing.revision) : QString(),
            resultWord(entry.result),
            entry.message};
}

QString tabSeparatedLine(const QStringList &fields)
{
    QStringList cleaned;
    // A tab or a line end in a message would make a field or a line of its own.
    for (QString field : fields)
        cleaned.append(field.replace(u'\t', u' ').replace(u'\r', u' ').replace(u'\n', u' '));
    return cleaned.join(u'\t');
}

QString csvLine(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &field : fields) {
        if (field.contains(u',') || field.contains(u'"') || field.contains(u'\n') || field.contains(u'\r'))
            quoted.append(u'"' + QString(field).replace(u'"', QStringLiteral("\"\"")) + u'"');
        else
            quoted.append(field);
    }
    return quoted.join(u',');
}

QString transferLogCsv(const std::vector<TransferListing> &listings)
{
    // The file's columns are named as its stored words are written, whatever the language.
    QStringList header;
    for (const TransferLogText::Text &column : Columns)
        header.append(column.source());
    QString text = csvLine(header) + QStringLiteral("\r\n");
    for (const TransferListing &listing : listings)
        text += csvLine(transferLogFields(listing)) + QStringLiteral("\r\n");
    return text;
}
