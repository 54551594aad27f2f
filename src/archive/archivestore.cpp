#include "archivestore.h"

#include "likepattern.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>

namespace {

const QString kSearchIndexes[] = {
    QStringLiteral("CREATE INDEX IF NOT EXISTS cicli_disegno ON cicli (disegno COLLATE NOCASE, progr)"),
    QStringLiteral("CREATE INDEX IF NOT EXISTS cicli_descrizione ON cicli (descrizione COLLATE NOCASE, progr)"),
    QStringLiteral("CREATE INDEX IF NOT EXISTS cicli_cliente ON cicli (cliente COLLATE NOCASE, progr)"),
};

const QString kRecordColumns = QStringLiteral("progr, cliente, disegno, descrizione, memo, macchina");

// Binds, in this order: cliente, disegno, descrizione, memo, macchina.
void bindDescriptiveFields(QSqlQuery &query, const ArchiveRecord &record)
{
    for (const QString *field : {&record.cliente, &record.disegno, &record.descrizione, &record.memo, &record.macchina})
        query.addBindValue(*field);
}

ArchiveRecord recordFrom(const QSqlQuery &query)
{
    ArchiveRecord record;
    record.progr = query.value(0).toInt();
    record.cliente = query.value(1).toString();
    record.disegno = query.value(2).toString();
    record.descrizione = query.value(3).toString();
    record.memo = query.value(4).toString();
    record.macchina = query.value(5).toString();
    return record;
}

} // namespace

ArchiveStore::~ArchiveStore()
{
    m_seekQuery.reset();
}

bool ArchiveStore::createEmpty(const QString &path, QString *error)
{
    if (QFileInfo::exists(path)) {
        if (error)
            *error = QStringLiteral("%1 esiste già").arg(path);
        return false;
    }
    ArchiveStore store;
    if (!store.m_connection.openOrCreate(path)) {
        if (error)
            *error = store.m_connection.errorText();
        return false;
    }
    const bool created =
        store.execStatement(QStringLiteral(
            "CREATE TABLE cicli (progr INTEGER NOT NULL, cliente TEXT COLLATE NOCASE, "
            "disegno TEXT COLLATE NOCASE, descrizione TEXT COLLATE NOCASE, memo TEXT, "
            "macchina VARCHAR(3), testo TEXT)"))
        && store.execStatement(QStringLiteral("CREATE UNIQUE INDEX indice ON cicli (progr)"))
        && std::all_of(std::begin(kSearchIndexes), std::end(kSearchIndexes),
                       [&](const QString &statement) { return store.execStatement(statement); });
    if (!created && error)
        *error = store.lastError();
    return created;
}

std::unique_ptr<ArchiveStore> ArchiveStore::open(const QString &path, QString *error)
{
    std::unique_ptr<ArchiveStore> store(new ArchiveStore);
    if (!store->m_connection.openExisting(path)) {
        if (error)
            *error = store->m_connection.errorText();
        return nullptr;
    }
    return store;
}

bool ArchiveStore::exec(QSqlQuery &query) const
{
    if (query.exec())
        return true;
    m_error = query.lastError().text();
    return false;
}

bool ArchiveStore::execStatement(const QString &statement)
{
    QSqlQuery query(database());
    if (query.exec(statement))
        return true;
    m_error = query.lastError().text();
    return false;
}

bool ArchiveStore::hasMachineField()
{
    const QSqlRecord fields = database().record(QStringLiteral("cicli"));
    return fields.indexOf(QStringLiteral("macchina")) >= 0;
}

bool ArchiveStore::prepareForUse()
{
    m_upgraded = false;
    if (!execStatement(QStringLiteral("DELETE FROM cicli WHERE disegno IS NULL OR descrizione IS NULL")))
        return false;

    QSqlQuery index(database());
    index.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'index' "
                                 "AND name = 'indice' COLLATE NOCASE AND tbl_name = 'cicli' COLLATE NOCASE"));
    if (!exec(index))
        return false;
    if (!index.next()) {
        m_error = QStringLiteral("'indice' non è un indice della tabella 'cicli'.");
        return false;
    }

    if (!hasMachineField()) {
        // One attempt only: a read-only or locked archive would otherwise be retried for ever.
        if (!execStatement(QStringLiteral("ALTER TABLE cicli ADD COLUMN MACCHINA VARCHAR(3)"))) {
            m_error = QStringLiteral("Impossibile aggiungere il campo MACCHINA all'archivio: ") + m_error;
            return false;
        }
        m_upgraded = true;
    }

    // Search indexes make prefix searches fast; an archive that cannot take them still works.
    for (const QString &statement : kSearchIndexes)
        execStatement(statement);
    m_error.clear();
    return true;
}

std::optional<ArchiveRecord> ArchiveStore::seek(qint32 progr) const
{
    if (!m_seekQuery) {
        m_seekQuery = std::make_unique<QSqlQuery>(database());
        m_seekQuery->setForwardOnly(true);
        m_seekQuery->prepare(QStringLiteral("SELECT %1 FROM cicli WHERE progr = ?").arg(kRecordColumns));
    }
    m_seekQuery->bindValue(0, progr);
    if (!exec(*m_seekQuery) || !m_seekQuery->next())
        return std::nullopt;
    ArchiveRecord record = recordFrom(*m_seekQuery);
    m_seekQuery->finish();
    return record;
}

bool ArchiveStore::contains(qint32 progr) const
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT 1 FROM cicli WHERE progr = ?"));
    query.addBindValue(progr);
    return exec(query) && query.next();
}

std::optional<qint32> ArchiveStore::firstNumber() const
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT progr FROM cicli ORDER BY progr LIMIT 1"));
    if (!exec(query) || !query.next())
        return std::nullopt;
    return query.value(0).toInt();
}

std::optional<qint32> ArchiveStore::lastNumber() const
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("SELECT progr FROM cicli ORDER BY progr DESC LIMIT 1"));
    if (!exec(query) || !query.next())
        return std::nullopt;
    return query.value(0).toInt();
}

qint32 ArchiveStore::lowestFreeNumber() const
{
    // Numbers are unique, so [lo, mid] is fully taken exactly when it holds mid - lo + 1 rows.
    // Halving the open range counts about twice the rows below the first gap, inside SQLite.
    const qint64 last = lastNumber().value_or(0);
    qint64 lo = 1;
    qint64 hi = std::max<qint64>(last + 1, 1);
    QSqlQuery count(database());
    count.setForwardOnly(true);
    count.prepare(QStringLiteral("SELECT count(*) FROM cicli WHERE progr BETWEEN ? AND ?"));
    while (lo < hi) {
        const qint64 mid = lo + (hi - lo) / 2;
        count.bindValue(0, lo);
        count.bindValue(1, mid);
        if (!exec(count) || !count.next())
            return qint32(lo);
        const bool full = count.value(0).toLongLong() == mid - lo + 1;
        count.finish();
        if (full)
            lo = mid + 1;
        else
            hi = mid;
    }
    return qint32(std::min<qint64>(lo, std::numeric_limits<qint32>::max()));
}

qint32 ArchiveStore::numberAfterLast() const
{
    const auto last = lastNumber();
    if (!last || *last < 1)
        return 1;
    return *last == std::numeric_limits<qint32>::max() ? lowestFreeNumber() : *last + 1;
}

qint32 ArchiveStore::automaticNumber() const
{
    return numberAfterLast();
}

std::vector<qint32> ArchiveStore::numbers(const QString &statement, const QVariantList &values) const
{
    std::vector<qint32> result;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(statement);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!exec(query))
        return result;
    while (query.next())
        result.push_back(query.value(0).toInt());
    return result;
}

std::vector<qint32> ArchiveStore::searchByDrawing(const QString &text) const
{
    return numbers(QStringLiteral("SELECT progr FROM cicli WHERE disegno LIKE ? ESCAPE '\\' "
                                  "ORDER BY disegno COLLATE NOCASE, progr"),
                   {likePrefixPatternFromUserText(text)});
}

std::vector<qint32> ArchiveStore::searchByDescription(const QString &text) const
{
    return numbers(QStringLiteral("SELECT progr FROM cicli WHERE descrizione LIKE ? ESCAPE '\\' "
                                  "ORDER BY descrizione COLLATE NOCASE, progr"),
                   {likePrefixPatternFromUserText(text)});
}

std::vector<qint32> ArchiveStore::programsOfCustomer(const QString &customer) const
{
    return numbers(QStringLiteral("SELECT progr FROM cicli WHERE cliente = ? COLLATE NOCASE "
                                  "ORDER BY cliente COLLATE NOCASE, progr"),
                   {customer});
}

QStringList ArchiveStore::customers() const
{
    QStringList result;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT cliente FROM cicli WHERE cliente > ' ' AND trim(cliente) <> '' "
                                 "GROUP BY cliente COLLATE NOCASE ORDER BY cliente COLLATE NOCASE"));
    if (!exec(query))
        return result;
    while (query.next())
        result.append(query.value(0).toString());
    return result;
}

std::vector<ArchiveRecord> ArchiveStore::printedList(ListOrder order, const QString &pattern) const
{
    QString orderBy;
    switch (order) {
    case ListOrder::CustomerDrawing:
        orderBy = QStringLiteral("cliente COLLATE NOCASE, disegno COLLATE NOCASE, progr");
        break;
    case ListOrder::CustomerDescription:
        orderBy = QStringLiteral("cliente COLLATE NOCASE, descrizione COLLATE NOCASE, progr");
        break;
    case ListOrder::DrawingCustomer:
        orderBy = QStringLiteral("disegno COLLATE NOCASE, cliente COLLATE NOCASE, progr");
        break;
    }
    std::vector<ArchiveRecord> result;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM cicli WHERE cliente LIKE ? ESCAPE '\\' "
                                 "AND cliente <> '.' ORDER BY %2")
                      .arg(kRecordColumns, orderBy));
    query.addBindValue(likePatternFromUserText(pattern));
    if (!exec(query))
        return result;
    while (query.next())
        result.push_back(recordFrom(query));
    return result;
}

bool ArchiveStore::reserve(qint32 progr)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("INSERT INTO cicli (progr) VALUES (?)"));
    query.addBindValue(progr);
    return exec(query);
}

std::optional<qint32> ArchiveStore::reserveAutomatic()
{
    // Another program on the same archive may take the number between the choice and the
    // insert; the unique index refuses the second one, which then tries the next number.
    for (int attempt = 0; attempt < 8; ++attempt) {
        const qint32 number = automaticNumber();
        if (reserve(number))
            return number;
        if (!contains(number))
            return std::nullopt;
    }
    return std::nullopt;
}

bool ArchiveStore::saveReserved(const ArchiveRecord &record)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("UPDATE cicli SET cliente = ?, disegno = ?, descrizione = ?, memo = ?, "
                                 "macchina = ? WHERE progr = ? AND disegno IS NULL AND descrizione IS NULL"));
    bindDescriptiveFields(query, record);
    query.addBindValue(record.progr);
    if (!exec(query))
        return false;
    return query.numRowsAffected() > 0 || add(record);
}

bool ArchiveStore::releaseReservation(qint32 progr)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("DELETE FROM cicli WHERE progr = ? AND disegno IS NULL AND descrizione IS NULL"));
    query.addBindValue(progr);
    return exec(query);
}

bool ArchiveStore::add(const ArchiveRecord &record)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("INSERT INTO cicli (progr, cliente, disegno, descrizione, memo, macchina) "
                                 "VALUES (?, ?, ?, ?, ?, ?)"));
    query.addBindValue(record.progr);
    bindDescriptiveFields(query, record);
    return exec(query);
}

bool ArchiveStore::update(const ArchiveRecord &record)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("UPDATE cicli SET cliente = ?, disegno = ?, descrizione = ?, memo = ?, "
                                 "macchina = ? WHERE progr = ?"));
    bindDescriptiveFields(query, record);
    query.addBindValue(record.progr);
    if (!exec(query))
        return false;
    if (query.numRowsAffected() == 0) {
        m_error = QStringLiteral("Programma %1 non trovato").arg(record.progr);
        return false;
    }
    return true;
}

bool ArchiveStore::remove(qint32 progr)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("DELETE FROM cicli WHERE progr = ?"));
    query.addBindValue(progr);
    return exec(query);
}

bool ArchiveStore::clearStoredText(qint32 progr)
{
    QSqlQuery query(database());
    query.prepare(QStringLiteral("UPDATE cicli SET testo = '' WHERE progr = ?"));
    query.addBindValue(progr);
    return exec(query);
}
