// The archive's tables and indexes: made for a new archive, brought up to date for an old one.
#include "archivestore.h"

#include "archivetext.h"
#include "programrevisions.h"
#include "transferlogstore.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>

namespace {

struct SearchIndex {
    const char *name;
    const char *column;
};
const SearchIndex kSearchIndexes[] = {
    {"cicli_disegno", "disegno"},
    {"cicli_descrizione", "descrizione"},
    {"cicli_cliente", "cliente"},
};

} // namespace

bool ArchiveStore::createEmpty(const DatabaseAddress &address, QString *error)
{
    if (!address.isServer() && QFileInfo::exists(address.filePath())) {
        if (error)
            *error = ArchiveText::AlreadyExists.arg(address.filePath());
        return false;
    }
    ArchiveStore store;
    if (!store.openConnection(address, false, error))
        return false;
    if (store.hasTable(QStringLiteral("cicli"))) {
        if (error)
            *error = ArchiveText::AlreadyExists.arg(address.describe());
        return false;
    }
    const bool created = store.createSchema();
    if (!created && error)
        *error = store.lastError();
    return created;
}

bool ArchiveStore::createSchema()
{
    const QString text = m_dialect.caselessTextType();
    if (!execStatement(QStringLiteral("CREATE TABLE cicli (progr INTEGER NOT NULL, cliente %1, disegno %1, "
                                      "descrizione %1, memo TEXT, macchina %2, testo TEXT)")
                           .arg(text, m_dialect.shortTextType(3)))
        || !execStatement(QStringLiteral("CREATE UNIQUE INDEX %1 ON cicli (progr)")
                              .arg(m_dialect.uniqueIndexName(QStringLiteral("cicli"), QStringLiteral("indice")))))
        return false;
    return createSearchIndexes();
}

bool ArchiveStore::createSearchIndexes()
{
    const QStringList outdated = outdatedIndexes();
    for (const SearchIndex &index : kSearchIndexes) {
        const QString name = QLatin1String(index.name);
        const QString create = m_dialect.caselessIndex(name, QStringLiteral("cicli"), QLatin1String(index.column),
                                                       QStringLiteral("progr"));
        const bool made = outdated.contains(name, Qt::CaseInsensitive) ? remakeIndex(name, create) : execStatement(create);
        if (!made)
            return false;
    }
    return true;
}

QStringList ArchiveStore::outdatedIndexes()
{
    QStringList names;
    const QString lookup = m_dialect.outdatedIndexesLookup();
    if (lookup.isEmpty())
        return names;
    QSqlQuery query(database());
    query.prepare(lookup);
    query.addBindValue(QStringLiteral("cicli"));
    if (!exec(query))
        return names;
    while (query.next())
        names.append(query.value(0).toString());
    return names;
}

bool ArchiveStore::remakeIndex(const QString &name, const QString &create)
{
    // In one transaction: an archive that cannot be changed keeps the index it had, and
    // searches on it stay right, only slower.
    if (!execStatement(m_dialect.beginReadThenWrite()))
        return false;
    if (execStatement(QStringLiteral("DROP INDEX %1").arg(name)) && execStatement(create)
        && execStatement(QStringLiteral("COMMIT")))
        return true;
    const QString error = m_error;
    execStatement(QStringLiteral("ROLLBACK"));
    m_error = error;
    return false;
}

bool ArchiveStore::hasTable(const QString &table)
{
    QSqlQuery query(database());
    query.prepare(m_dialect.tableLookup());
    query.addBindValue(table);
    return exec(query) && query.next();
}

bool ArchiveStore::hasMachineField()
{
    const QSqlRecord fields = database().record(QStringLiteral("cicli"));
    return fields.indexOf(QStringLiteral("macchina")) >= 0;
}

bool ArchiveStore::prepareForUse()
{
    m_upgraded = false;
    m_error.clear();
    // An empty server database is the server's way of holding a new archive.
    if (m_dialect.isServer() && !hasTable(QStringLiteral("cicli"))) {
        if (!m_error.isEmpty() || !createSchema())
            return false;
    }
    // On a server another PC may be filling in a row it has reserved: such rows stay.
    if (!execStatement(QStringLiteral("DELETE FROM cicli WHERE (disegno IS NULL OR descrizione IS NULL) AND %1")
                           .arg(m_dialect.aloneCondition())))
        return false;

    QSqlQuery index(database());
    index.prepare(m_dialect.indexLookup());
    index.addBindValue(m_dialect.uniqueIndexName(QStringLiteral("cicli"), QStringLiteral("indice")));
    index.addBindValue(QStringLiteral("cicli"));
    if (!exec(index))
        return false;
    if (!index.next()) {
        m_error = ArchiveText::NoUniqueIndex;
        return false;
    }
    // A reading statement left open would lock the schema that the search indexes may change.
    index.finish();

    if (!hasMachineField()) {
        // One attempt only: a read-only or locked archive would otherwise be retried for ever.
        if (!execStatement(QStringLiteral("ALTER TABLE cicli ADD COLUMN MACCHINA VARCHAR(3)"))) {
            m_error = ArchiveText::MachineFieldNotAdded.arg(m_error);
            return false;
        }
        m_upgraded = true;
    }

    // Search indexes make prefix searches fast; an archive that cannot take them still works.
    createSearchIndexes();
    // Without its table of revisions an archive refuses every change of a text, with the reason.
    ProgramRevisions::createTable(*this);
    // Without its transfer log an archive still serves; every transfer then says so once.
    TransferLogStore::createTable(*this);
    m_error.clear();
    return true;
}
