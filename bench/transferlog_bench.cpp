// Transfer log benchmark, on the archive file and on a throw-away PostgreSQL server:
// - what recording a transfer adds to it: a row begun and completed through the journal, as a
//   1 KB serial send does (goal: at most 2 ms), beside the 1 KB's own time on a 115200 line;
// - truvnet log --machine M over 1,000,000 rows of 40 machines (goal: at most 50 ms on the file,
//   at most twice that on the server), beside the same statement run plainly on the same table,
//   every value read;
// - the log window opened unfiltered on those rows (the count and the first page), beside reading
//   every row, as the window did before it read a page at a time.

#include "archivestore.h"
#include "benchsupport.h"
#include "postgresserver.h"
#include "programfolder.h"
#include "programfoldersetup.h"
#include "transferlog.h"
#include "scripteddialogs.h"
#include "transferloglist.h"
#include "transferlogstore.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Rows = 1'000'000;
constexpr int Machines = 40;

QString machineName(int i)
{
    return QStringLiteral("TORNIO %1").arg(i % Machines);
}

// A million rows of a few years' work, written in one transaction.
bool fill(ArchiveStore &archive)
{
    QSqlDatabase db = archive.database();
    if (!db.transaction())
        return false;
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO trasferimenti (inizio, fine, chi, macchina, operazione, progr, file, "
                                  "programma_cnc, byte, sha256, esito, messaggio) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    const QDateTime start(QDate(2022, 1, 1), QTime(6, 0), Qt::UTC);
    for (int i = 0; i < Rows; ++i) {
        const QString when = start.addSecs(qint64(i) * 90).toString(Qt::ISODateWithMs);
        insert.addBindValue(when);
        insert.addBindValue(when);
        insert.addBindValue(QStringLiteral("operatore@officina"));
        insert.addBindValue(machineName(i));
        insert.addBindValue(QStringLiteral("invio seriale"));
        insert.addBindValue(i % 5000 + 1);
        insert.addBindValue(QStringLiteral("P%1").arg(i % 5000 + 1, 7, 10, QLatin1Char('0')));
        insert.addBindValue(i % 9000 + 1);
        insert.addBindValue(1024);
        insert.addBindValue(QString());
        insert.addBindValue(QStringLiteral("riuscito"));
        insert.addBindValue(QString());
        if (!insert.exec()) {
            std::fprintf(stderr, "%s\n", qPrintable(insert.lastError().text()));
            return false;
        }
    }
    return db.commit() && QSqlQuery(db).exec(QStringLiteral("ANALYZE"));
}

// The row that a 1 KB send begins and completes, through the journal the transfer code calls.
double recordingMs(TransferLogStore &log)
{
    TransferJournal journal(&log, [](const QString &text) { std::fprintf(stderr, "%s\n", qPrintable(text)); });
    std::vector<double> times;
    for (int i = 0; i < 51; ++i) {
        times.push_back(Bench::bestMs(1, [&] {
            TransferEntry entry;
            entry.machine = QStringLiteral("TORNIO 1");
            entry.operation = TransferOperation::SerialSend;
            entry.archiveProgram = 42;
            entry.takeText(QByteArray(1024, 'X'));
            journal.begin(entry);
            journal.finish(entry, TransferResult::Succeeded, QString());
        }));
    }
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

// The listing of one machine's rows, as truvnet log --machine reads them, beside the plain
// statement that reads the same rows.
void listing(const char *backEnd, ArchiveStore &archive, TransferLogStore &log, double goalMs)
{
    TransferFilter filter;
    filter.machine = QStringLiteral("tornio 7");
    size_t listed = 0;
    const double ours = Bench::bestMs(5, [&] { listed = log.list(filter).size(); });
    int plainRows = 0;
    const double plain = Bench::bestMs(5, [&] {
        QSqlQuery query(archive.database());
        query.setForwardOnly(true);
        query.prepare(QStringLiteral("SELECT t.*, (SELECT max(r.revisione) FROM revisioni r WHERE r.progr = t.progr "
                                     "AND r.sha256 = t.sha256) FROM trasferimenti t WHERE %1 ORDER BY inizio DESC, id DESC")
                          .arg(archive.dialect().caselessEquals(QStringLiteral("t.macchina"))));
        query.addBindValue(filter.machine);
        query.exec();
        plainRows = 0;
        const int columns = query.record().count();
        while (query.next()) {
            for (int column = 0; column < columns; ++column)
                query.value(column);
            ++plainRows;
        }
    });
    std::printf("%-6s truvnet log --machine over %d rows: %7.1f ms (%zu rows)   plain query %7.1f ms (%d rows)   "
                "ratio %5.2f   goal %.0f ms %s\n",
                backEnd, Rows, ours, listed, plain, plainRows, ours / plain, goalMs, ours <= goalMs ? "met" : "NOT met");
}

void window(const char *backEnd, TransferLogStore &log)
{
    ScriptedDialogs dialogs;
    TransferLogList list(log, dialogs);
    const double opened = Bench::bestMs(5, [&] { list.list({}); });
    const double scrolled = Bench::bestMs(5, [&] {
        list.list({});
        list.fetchMore({});
    });
    size_t every = 0;
    const double everyRow = Bench::bestMs(1, [&] { every = log.list({}).size(); });
    std::printf("%-6s log window over %d rows: opened %6.1f ms (%d of %lld rows), next page %5.1f ms   "
                "every row read %7.1f ms (%zu rows)   ratio %6.3f\n",
                backEnd, Rows, opened, list.rowCount() > 0 ? int(TransferLogList::PageRows) : 0,
                static_cast<long long>(list.matched()), scrolled - opened, everyRow, every, opened / everyRow);
}

bool run(const char *backEnd, const DatabaseAddress &address, double listGoalMs, const ProgramFolder &folder)
{
    QString error;
    if (!address.isServer() && !initialiseProgramFolder(folder).error.isEmpty())
        return false;
    auto archive = ArchiveStore::open(address, &error);
    if (!archive || !archive->prepareForUse()) {
        std::fprintf(stderr, "%s: %s\n", backEnd, qPrintable(archive ? archive->lastError() : error));
        return false;
    }
    TransferLogStore log(*archive);
    const double recording = recordingMs(log);
    // 1,024 characters of 10 bits at 115200 baud.
    const double sendMs = 1024 * 10 * 1000.0 / 115200;
    std::printf("%-6s recording a 1 KB send: %5.2f ms (median of 51)   the send itself at 115200: %5.1f ms   "
                "goal 2 ms %s\n",
                backEnd, recording, sendMs, recording <= 2.0 ? "met" : "NOT met");
    if (!fill(*archive))
        return false;
    listing(backEnd, *archive, log, listGoalMs);
    window(backEnd, log);
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const ProgramFolder folder(dir.filePath(QStringLiteral("truv")));
    if (!run("file", DatabaseAddress::file(folder.archivePath()), 50, folder))
        return 1;
    PostgresServer server;
    if (!server.start()) {
        std::printf("server: no throw-away PostgreSQL server here (%s)\n", qPrintable(server.error()));
        return 0;
    }
    return run("server", server.createDatabase(), 100, folder) ? 0 : 1;
}
