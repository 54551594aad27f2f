#include "archivecopy.h"

#include "commandlinetext.h"
#include "commandrun.h"
#include "databaseaddress.h"
#include "settingsstore.h"
#include "archivestore.h"
#include "picturecatalog.h"
#include "programrevisions.h"
#include "sqlconnection.h"
#include "transferlogstore.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTextStream>
#include <QCoreApplication>
#include <QUrl>

namespace {

struct Table {
    const char *name;
    QStringList columns;
    // The order rows are written in, where it carries meaning (the log's numbering).
    const char *order = nullptr;
};

const Table kArchive{"cicli", {"progr", "cliente", "disegno", "descrizione", "memo", "macchina", "testo"}};
const Table kCatalogue{"immagini", {"progressivo", "np", "tipo", "descrizionebreve", "desclunga"}};
const Table kRevisions{"revisioni",
                       {"progr", "revisione", "quando", "chi", "origine", "dimensione", "sha256", "testo", "cliente",
                        "disegno", "descrizione", "memo", "macchina"}};
// The server numbers the rows again, in the file's order.
const Table kTransfers{"trasferimenti",
                       {"inizio", "fine", "chi", "macchina", "operazione", "progr", "file", "programma_cnc", "byte",
                        "sha256", "esito", "messaggio"},
                       "id"};

class Copy {
public:
    Copy(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}

    bool fail(const QString &text)
    {
        m_err << text << Qt::endl;
        return false;
    }

    // -1 with the message on err when the table cannot be counted; 0 when an earlier release's
    // file has no such table.
    qint64 rowCount(const QSqlDatabase &db, const Table &table)
    {
        if (db.record(QLatin1String(table.name)).isEmpty())
            return 0;
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(table.name))) || !query.next()) {
            fail(query.lastError().text());
            return -1;
        }
        return query.value(0).toLongLong();
    }

    bool targetHasNoRows(const SqlConnection &target, const Table &table)
    {
        QSqlQuery lookup(target.database());
        lookup.prepare(target.dialect().tableLookup());
        lookup.addBindValue(QLatin1String(table.name));
        if (!lookup.exec())
            return fail(lookup.lastError().text());
        if (!lookup.next())
            return true;
        const qint64 rows = rowCount(target.database(), table);
        if (rows < 0)
            return false;
        if (rows > 0)
            return fail(CommandLineText::TargetNotEmpty.arg(QLatin1String(table.name)).arg(rows));
        return true;
    }

    // A column the source lacks (an archive from before MACCHINA) is copied as empty.
    bool copyRows(const QSqlDatabase &source, const QSqlDatabase &target, const Table &table)
    {
        const QSqlRecord present = source.record(QLatin1String(table.name));
        if (present.isEmpty())
            return true;
        QStringList selected;
        for (const QString &column : table.columns)
            selected.append(present.indexOf(column) >= 0 ? column : QStringLiteral("NULL"));
        QSqlQuery read(source);
        read.setForwardOnly(true);
        QString select =
            QStringLiteral("SELECT %1 FROM %2").arg(selected.join(QStringLiteral(", ")), QLatin1String(table.name));
        if (table.order)
            select += QStringLiteral(" ORDER BY ") + QLatin1String(table.order);
        if (!read.exec(select))
            return fail(read.lastError().text());
        QSqlQuery write(target);
        const QStringList marks(table.columns.size(), QStringLiteral("?"));
        write.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                          .arg(QLatin1String(table.name), table.columns.join(QStringLiteral(", ")),
                               marks.join(QStringLiteral(", "))));
        while (read.next()) {
            for (int i = 0; i < table.columns.size(); ++i)
                write.bindValue(i, read.value(i));
            if (!write.exec())
                return fail(QStringLiteral("%1: %2").arg(QLatin1String(table.name), write.lastError().text()));
        }
        return read.lastError().type() == QSqlError::NoError || fail(read.lastError().text());
    }

    bool countsAgree(const QSqlDatabase &source, const QSqlDatabase &target, const Table &table)
    {
        const qint64 before = source.isValid() ? rowCount(source, table) : 0;
        const qint64 after = rowCount(target, table);
        if (before < 0 || after < 0)
            return false;
        m_out << CommandLineText::RowsCompared.arg(QLatin1String(table.name)).arg(before).arg(after) << Qt::endl;
        return before == after || fail(CommandLineText::RowCountsDiffer.arg(QLatin1String(table.name)));
    }

private:
    QTextStream &m_out;
    QTextStream &m_err;
};

} // namespace

int copyArchiveToServer(const ProgramFolder &folder, const DatabaseAddress &target, QTextStream &out, QTextStream &err)
{
    Copy copy(out, err);
    SqlConnection archive;
    if (!archive.openExisting(folder.archivePath())) {
        copy.fail(folder.archivePath() + QStringLiteral(": ") + archive.errorText());
        return 1;
    }
    // A folder without a picture catalogue has no pictures to copy.
    SqlConnection catalogue;
    const bool hasCatalogue = QFileInfo::exists(folder.catalogPath());
    if (hasCatalogue && !catalogue.openExisting(folder.catalogPath())) {
        copy.fail(folder.catalogPath() + QStringLiteral(": ") + catalogue.errorText());
        return 1;
    }

    SqlConnection server;
    if (!server.openExisting(target)) {
        copy.fail(target.describe() + QStringLiteral(": ") + server.errorText());
        return 1;
    }
    const Table *const tables[] = {&kArchive, &kRevisions, &kTransfers};
    for (const Table *table : tables) {
        if (!copy.targetHasNoRows(server, *table))
            return 1;
    }
    if (!copy.targetHasNoRows(server, kCatalogue))
        return 1;

    QString error;
    // Opening the new archive makes its tables of revisions and transfers.
    std::unique_ptr<ArchiveStore> created;
    if ((!ArchiveStore::exists(target, &error) && !ArchiveStore::createEmpty(target, &error))
        || !(created = ArchiveStore::open(target, &error)) || !ProgramRevisions::createTable(*created, &error)
        || !TransferLogStore::createTable(*created, &error) || !PictureCatalog::createEmpty(target, &error)) {
        copy.fail(target.describe() + QStringLiteral(": ") + error);
        return 1;
    }
    created.reset();

    QSqlDatabase db = server.database();
    if (!db.transaction()) {
        copy.fail(db.lastError().text());
        return 1;
    }
    bool copied = true;
    for (const Table *table : tables)
        copied = copied && copy.copyRows(archive.database(), db, *table);
    copied = copied && (!hasCatalogue || copy.copyRows(catalogue.database(), db, kCatalogue));
    if (!copied || !db.commit()) {
        if (copied)
            copy.fail(db.lastError().text());
        db.rollback();
        err << CommandLineText::NothingCopied << Qt::endl;
        return 1;
    }
    bool agree = true;
    for (const Table *table : tables)
        agree = copy.countsAgree(archive.database(), db, *table) && agree;
    agree = copy.countsAgree(catalogue.database(), db, kCatalogue) && agree;
    if (!agree)
        return 1;
    out << CommandLineText::ArchiveCopied.arg(target.describe()) << Qt::endl;
    return 0;
}

int copyArchiveCommand(int argc, char **argv)
{
    CommandApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 || !DatabaseAddress::isServerUrl(args.at(2))) {
        QTextStream(stderr) << CommandLineText::Usage;
        return 2;
    }
    // The settings' password goes only to the server the settings name.
    const SettingsStore settings;
    const DatabaseAddress configured = ProgramFolder::configuredArchiveServer(settings);
    const DatabaseAddress target = configured.url() == QUrl(args.at(2))
        ? configured
        : DatabaseAddress::server(args.at(2));
    CommandFolder run;
    if (!run.announce())
        return 1;
    QTextStream out(stdout);
    QTextStream err(stderr);
    return copyArchiveToServer(run.folder(), target, out, err);
}
