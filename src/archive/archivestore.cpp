#include "archivestore.h"

#include "archivetext.h"
#include "likepattern.h"

#include <QFileInfo>
#include <QSqlError>

namespace {

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

bool ArchiveStore::openConnection(const DatabaseAddress &address, bool mustExist, QString *error)
{
    const bool opened = mustExist ? m_connection.openExisting(address) : m_connection.openOrCreate(address);
    if (!opened) {
        if (error)
            *error = m_connection.errorText();
        return false;
    }
    m_dialect = m_connection.dialect();
    return true;
}

bool ArchiveStore::exists(const DatabaseAddress &address, QString *error)
{
    if (!address.isServer())
        return QFileInfo::exists(address.filePath());
    ArchiveStore store;
    return store.openConnection(address, true, error) && store.hasTable(QStringLiteral("cicli"));
}

std::unique_ptr<ArchiveStore> ArchiveStore::open(const DatabaseAddress &address, QString *error)
{
    std::unique_ptr<ArchiveStore> store(new ArchiveStore);
    if (!store->openConnection(address, true, error))
        return nullptr;
    return store;
}

bool ArchiveStore::exec(QSqlQuery &query) const
{
    if (query.exec())
        return true;
    const QSqlError error = query.lastError();
    m_error = error.text();
    if (!reconnectIfLost(error))
        return false;
    // A read is asked again on the new connection. A write may have reached the server before
    // the line broke, so its failure stands and the user repeats it knowingly.
    if (!query.lastQuery().trimmed().startsWith(QLatin1String("SELECT"), Qt::CaseInsensitive))
        return false;
    QSqlQuery again(database());
    again.setForwardOnly(query.isForwardOnly());
    again.prepare(query.lastQuery());
    const QVariantList values = query.boundValues();
    for (int i = 0; i < values.size(); ++i)
        again.bindValue(i, values.at(i));
    if (!again.exec()) {
        m_error = again.lastError().text();
        return false;
    }
    query = std::move(again);
    m_error.clear();
    return true;
}

bool ArchiveStore::reconnectIfLost(const QSqlError &error) const
{
    if (!m_dialect.isConnectionLost(error) || !m_connection.reconnect())
        return false;
    ++m_connectionGeneration;
    return true;
}

bool ArchiveStore::execStatement(const QString &statement)
{
    QSqlQuery query(database());
    if (query.exec(statement))
        return true;
    m_error = query.lastError().text();
    reconnectIfLost(query.lastError());
    return false;
}

std::optional<ArchiveRecord> ArchiveStore::seek(qint32 progr) const
{
    // A statement prepared on a connection that has since been opened again is gone.
    if (!m_seekQuery || m_seekGeneration != m_connectionGeneration) {
        m_seekGeneration = m_connectionGeneration;
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

QString ArchiveStore::prefixSearchStatement(const QString &column, const QString &columns) const
{
    return QStringLiteral("SELECT %1 FROM cicli WHERE %2 ORDER BY %3, progr")
        .arg(columns, m_dialect.caselessLike(column), m_dialect.caseless(column));
}

QString ArchiveStore::searchStatement(SearchField field, const QString &columns) const
{
    switch (field) {
    case SearchField::Drawing:
        return prefixSearchStatement(QStringLiteral("disegno"), columns);
    case SearchField::Description:
        return prefixSearchStatement(QStringLiteral("descrizione"), columns);
    case SearchField::Customer:
        break;
    }
    return QStringLiteral("SELECT %1 FROM cicli WHERE %2 ORDER BY %3, progr")
        .arg(columns, m_dialect.caselessEquals(QStringLiteral("cliente")), m_dialect.caseless(QStringLiteral("cliente")));
}

QString ArchiveStore::drawingSearchStatement() const
{
    return searchStatement(SearchField::Drawing, QStringLiteral("progr"));
}

QString ArchiveStore::descriptionSearchStatement() const
{
    return searchStatement(SearchField::Description, QStringLiteral("progr"));
}

QString ArchiveStore::customerSearchStatement() const
{
    return searchStatement(SearchField::Customer, QStringLiteral("progr"));
}

std::vector<ArchiveRecord> ArchiveStore::findRecords(SearchField field, const QString &text) const
{
    std::vector<ArchiveRecord> result;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(searchStatement(field, kRecordColumns));
    for (const QVariant &value : searchValues(field, text))
        query.addBindValue(value);
    if (!exec(query))
        return result;
    while (query.next())
        result.push_back(recordFrom(query));
    return result;
}

QVariantList ArchiveStore::searchValues(SearchField field, const QString &text) const
{
    if (field == SearchField::Customer)
        return {text};
    return m_dialect.caselessLikeValues(likePrefixPatternFromUserText(text));
}

std::vector<qint32> ArchiveStore::searchByDrawing(const QString &text) const
{
    return numbers(drawingSearchStatement(), searchValues(SearchField::Drawing, text));
}

std::vector<qint32> ArchiveStore::searchByDescription(const QString &text) const
{
    return numbers(descriptionSearchStatement(), searchValues(SearchField::Description, text));
}

std::vector<qint32> ArchiveStore::programsOfCustomer(const QString &customer) const
{
    return numbers(customerSearchStatement(), searchValues(SearchField::Customer, customer));
}

QStringList ArchiveStore::customers() const
{
    QStringList result;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    const QString customer = m_dialect.caseless(QStringLiteral("cliente"));
    query.prepare(QStringLiteral("SELECT %2 FROM cicli WHERE %1 > ' ' AND trim(cliente) <> '' "
                                 "GROUP BY %1 ORDER BY %1")
                      .arg(customer, m_dialect.anyOfGroup(QStringLiteral("cliente"))));
    if (!exec(query))
        return result;
    while (query.next())
        result.append(query.value(0).toString());
    return result;
}

std::vector<ArchiveRecord> ArchiveStore::printedList(ListOrder order, const QString &pattern) const
{
    const QString customer = m_dialect.caseless(QStringLiteral("cliente"));
    const QString drawing = m_dialect.caseless(QStringLiteral("disegno"));
    const QString description = m_dialect.caseless(QStringLiteral("descrizione"));
    QString orderBy;
    switch (order) {
    case ListOrder::CustomerDrawing:
        orderBy = customer + QStringLiteral(", ") + drawing;
        break;
    case ListOrder::CustomerDescription:
        orderBy = customer + QStringLiteral(", ") + description;
        break;
    case ListOrder::DrawingCustomer:
        orderBy = drawing + QStringLiteral(", ") + customer;
        break;
    }
    std::vector<ArchiveRecord> result;
    QSqlQuery query(database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT %1 FROM cicli WHERE %2 AND cliente <> '.' ORDER BY %3, progr")
                      .arg(kRecordColumns, m_dialect.caselessLike(QStringLiteral("cliente")), orderBy));
    for (const QVariant &value : m_dialect.caselessLikeValues(likePatternFromUserText(pattern)))
        query.addBindValue(value);
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

ArchiveStore::NextNumber ArchiveStore::reserveNextInOneStatement()
{
    // Highest + 1 chosen and taken in one statement; two PCs choosing at once both compute the
    // same number, and the unique index refuses the second insert.
    // On the file the statement takes its write lock at once: as a read that turns into a write,
    // two programs at once could each hold what the other waits for, and one is refused at once.
    QSqlQuery transaction(database());
    const bool onFile = !m_dialect.isServer();
    if (onFile && !transaction.exec(m_dialect.beginReadThenWrite())) {
        m_error = transaction.lastError().text();
        return {NextNumber::Failed};
    }
    QSqlQuery query(database());
    query.prepare(QStringLiteral("INSERT INTO cicli (progr) SELECT n FROM (SELECT CASE WHEN m IS NULL OR m < 1 THEN 1 "
                                 "ELSE m + 1 END AS n FROM (SELECT CAST(max(progr) AS BIGINT) AS m FROM cicli) AS highest) "
                                 "AS following WHERE n <= 2147483647 RETURNING progr"));
    NextNumber next{NextNumber::RangeFull};
    if (!query.exec()) {
        m_error = query.lastError().text();
        reconnectIfLost(query.lastError());
        next = {m_dialect.isUniqueViolation(query.lastError()) ? NextNumber::Conflict : NextNumber::Failed};
    } else if (query.next()) {
        next = {NextNumber::Taken, query.value(0).toInt()};
    }
    query.finish();
    if (onFile && !transaction.exec(next.outcome == NextNumber::Taken ? QStringLiteral("COMMIT")
                                                                       : QStringLiteral("ROLLBACK"))) {
        m_error = transaction.lastError().text();
        return {NextNumber::Failed};
    }
    return next;
}

std::optional<qint32> ArchiveStore::reserveAutomatic()
{
    // Each refusal by the unique index means another program took a number meanwhile, so the
    // loop ends; the bound only guards against a database that keeps refusing for that reason.
    constexpr int Attempts = 1000;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        const NextNumber next = reserveNextInOneStatement();
        switch (next.outcome) {
        case NextNumber::Taken:
            return next.number;
        case NextNumber::Conflict:
            continue;
        case NextNumber::Failed:
            return std::nullopt;
        case NextNumber::RangeFull: {
            // The highest number is the top of the range: fill the lowest gap instead.
            const qint32 number = lowestFreeNumber();
            if (reserve(number))
                return number;
            if (!contains(number))
                return std::nullopt;
            continue;
        }
        }
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
        m_error = ArchiveText::ProgramNotFound.arg(record.progr);
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
