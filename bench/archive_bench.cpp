// Archive benchmark: a 1,000,000-row archive, each operation of the store beside the same
// work done with the plain SQLite API on the same file in the same run; then the same rows on a
// throw-away PostgreSQL server, the store beside the same statements sent with plain libpq.
#include "archivestore.h"
#include "postgresserver.h"
#include "sqlitecaseless.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QDir>
#include <QFile>

#include <libpq-fe.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

namespace {

constexpr int kRows = 1'000'000;
constexpr int kGapAt = 700'001; // first free number: Libero walks 700,000 rows
constexpr int kRepeats = 5;

void check(int rc, sqlite3 *db, const char *what)
{
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
        std::fprintf(stderr, "%s: %s\n", what, sqlite3_errmsg(db));
        std::exit(1);
    }
}

// The archive's search indexes are kept in the program's caseless order.
void installCaseless(sqlite3 *db)
{
    QString error;
    if (!SqliteCaseless::install(db, &error)) {
        std::fprintf(stderr, "caseless order: %s\n", qPrintable(error));
        std::exit(1);
    }
}

void fillArchive(const QString &path)
{
    sqlite3 *db = nullptr;
    check(sqlite3_open(path.toUtf8().constData(), &db), db, "open");
    installCaseless(db);
    check(sqlite3_exec(db, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN", nullptr, nullptr, nullptr), db, "begin");
    sqlite3_stmt *insert = nullptr;
    check(sqlite3_prepare_v2(db, "INSERT INTO cicli (progr, cliente, disegno, descrizione, memo, macchina) "
                                 "VALUES (?, ?, ?, ?, ?, ?)", -1, &insert, nullptr), db, "prepare");
    static const char *words[] = {"FLANGIA", "ALBERO", "PIASTRA", "BOCCOLA", "SUPPORTO", "PERNO",
                                  "RACCORDO", "MOZZO", "CORPO", "COPERCHIO", "ANELLO", "VITE"};
    std::mt19937 random(42);
    char customer[32], drawing[32], description[64];
    for (int n = 1, made = 0; made < kRows; ++n) {
        if (n == kGapAt)
            continue;
        ++made;
        std::snprintf(customer, sizeof customer, "CLIENTE %04u", unsigned(random() % 2000));
        std::snprintf(drawing, sizeof drawing, "%02u-%04u-%c", unsigned(random() % 100), unsigned(random() % 10000),
                      char('A' + random() % 26));
        std::snprintf(description, sizeof description, "%s %s D%u", words[random() % 12], words[random() % 12],
                      unsigned(random() % 500));
        sqlite3_bind_int(insert, 1, n);
        sqlite3_bind_text(insert, 2, customer, -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 3, drawing, -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 4, description, -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 5, "Staffaggio su autocentrante", -1, SQLITE_STATIC);
        sqlite3_bind_text(insert, 6, "T1", -1, SQLITE_STATIC);
        check(sqlite3_step(insert), db, "insert");
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr), db, "commit");
    sqlite3_close(db);
}

// The search indexes as SQLite's own NOCASE keeps them, which earlier releases made.
void makeNocaseIndexes(sqlite3 *db, const char *namePrefix)
{
    for (const char *column : {"disegno", "descrizione", "cliente"}) {
        const std::string sql = std::string("CREATE INDEX ") + namePrefix + column + " ON cicli (" + column
                                + " COLLATE NOCASE, progr)";
        check(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), db, sql.c_str());
    }
}

// Median wall time of a few runs, in milliseconds.
double measure(const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < kRepeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

class PlainArchive {
public:
    explicit PlainArchive(const QString &path)
    {
        check(sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr), m_db, "open");
        installCaseless(m_db);
    }
    ~PlainArchive() { sqlite3_close(m_db); }
    sqlite3 *db() const { return m_db; }

    std::vector<int> ints(const char *sql, const char *text = nullptr) const
    {
        std::vector<int> result;
        sqlite3_stmt *statement = nullptr;
        check(sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr), m_db, sql);
        if (text)
            sqlite3_bind_text(statement, 1, text, -1, SQLITE_TRANSIENT);
        while (sqlite3_step(statement) == SQLITE_ROW)
            result.push_back(sqlite3_column_int(statement, 0));
        sqlite3_finalize(statement);
        return result;
    }

    std::vector<std::string> texts(const char *sql) const
    {
        std::vector<std::string> result;
        sqlite3_stmt *statement = nullptr;
        check(sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr), m_db, sql);
        while (sqlite3_step(statement) == SQLITE_ROW)
            result.emplace_back(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)));
        sqlite3_finalize(statement);
        return result;
    }

private:
    sqlite3 *m_db = nullptr;
};

void report(const char *name, double ours, double baseline, size_t rows)
{
    std::printf("%-34s %9.2f ms   baseline %9.2f ms   ratio %5.2f   rows %zu\n", name, ours, baseline,
                baseline > 0 ? ours / baseline : 0.0, rows);
}

// The server side: libpq's own connection, the rows copied from the file with COPY.
class PlainServer {
public:
    explicit PlainServer(const DatabaseAddress &address)
    {
        const QUrl url = address.url();
        const QByteArray info = QStringLiteral("host=%1 port=%2 dbname=%3 user=%4")
                                    .arg(url.host())
                                    .arg(url.port())
                                    .arg(address.databaseName(), url.userName())
                                    .toUtf8();
        m_db = PQconnectdb(info.constData());
        if (PQstatus(m_db) != CONNECTION_OK)
            fail("connect");
    }
    ~PlainServer() { PQfinish(m_db); }

    void copyFrom(const PlainArchive &file)
    {
        PGresult *start = PQexec(m_db, "COPY cicli (progr, cliente, disegno, descrizione, memo, macchina) FROM STDIN");
        if (PQresultStatus(start) != PGRES_COPY_IN)
            fail("copy");
        PQclear(start);
        sqlite3_stmt *rows = nullptr;
        check(sqlite3_prepare_v2(file.db(), "SELECT progr, cliente, disegno, descrizione, memo, macchina FROM cicli", -1,
                                 &rows, nullptr), file.db(), "read");
        std::string line;
        while (sqlite3_step(rows) == SQLITE_ROW) {
            line.clear();
            for (int column = 0; column < 6; ++column) {
                line += column ? "\t" : "";
                line += reinterpret_cast<const char *>(sqlite3_column_text(rows, column));
            }
            line += '\n';
            if (PQputCopyData(m_db, line.data(), int(line.size())) != 1)
                fail("copy data");
        }
        sqlite3_finalize(rows);
        if (PQputCopyEnd(m_db, nullptr) != 1)
            fail("copy end");
        PGresult *end = PQgetResult(m_db);
        if (PQresultStatus(end) != PGRES_COMMAND_OK)
            fail("copy");
        PQclear(end);
        run("VACUUM ANALYZE cicli");
    }

    void run(const char *sql)
    {
        PGresult *result = PQexec(m_db, sql);
        if (PQresultStatus(result) != PGRES_COMMAND_OK)
            fail(sql);
        PQclear(result);
    }

    // The statement as the store writes it, its "?" numbered as libpq wants them.
    size_t rows(QString statement, const char *value)
    {
        statement.replace(QLatin1Char('?'), QStringLiteral("$1"));
        const QByteArray sql = statement.toUtf8();
        PGresult *result = PQexecParams(m_db, sql.constData(), value ? 1 : 0, nullptr, &value, nullptr, nullptr, 0);
        if (PQresultStatus(result) != PGRES_TUPLES_OK)
            fail(sql.constData());
        // Read every value, as the store does.
        std::vector<int> numbers;
        numbers.reserve(size_t(PQntuples(result)));
        for (int row = 0; row < PQntuples(result); ++row)
            numbers.push_back(std::atoi(PQgetvalue(result, row, 0)));
        PQclear(result);
        return numbers.size();
    }

private:
    [[noreturn]] void fail(const char *what)
    {
        std::fprintf(stderr, "%s: %s\n", what, PQerrorMessage(m_db));
        std::exit(1);
    }

    PGconn *m_db = nullptr;
};

int benchServer(const PlainArchive &file)
{
    PostgresServer server;
    if (!server.start()) {
        std::fprintf(stderr, "PostgreSQL: %s\n", qPrintable(server.error()));
        return 1;
    }
    const DatabaseAddress address = server.createDatabase();
    QString error;
    if (!ArchiveStore::createEmpty(address, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    PlainServer plain(address);
    QElapsedTimer fillTimer;
    fillTimer.start();
    plain.copyFrom(file);
    std::printf("\nPostgreSQL %s: the same %d rows copied and analysed in %.1f s\n\n",
                qPrintable(server.binDir().section(QLatin1Char('/'), -2, -2)), kRows, fillTimer.elapsed() / 1000.0);

    auto store = ArchiveStore::open(address);
    if (!store || !store->prepareForUse()) {
        std::fprintf(stderr, "%s\n", store ? qPrintable(store->lastError()) : "open");
        return 1;
    }
    struct Search {
        const char *name;
        std::function<size_t()> ours;
        QString statement;
        const char *value;
    };
    const Search searches[] = {
        {"server: prefix search by drawing", [&] { return store->searchByDrawing(QStringLiteral("12-4")).size(); },
         store->drawingSearchStatement(), "12-4%"},
        {"server: prefix search by description",
         [&] { return store->searchByDescription(QStringLiteral("FLANGIA PERNO D1")).size(); },
         store->descriptionSearchStatement(), "FLANGIA PERNO D1%"},
        {"server: full list (every row)", [&] { return store->searchByDrawing(QString()).size(); },
         store->drawingSearchStatement(), "%"},
        {"server: programs of a customer",
         [&] { return store->programsOfCustomer(QStringLiteral("CLIENTE 0042")).size(); },
         store->customerSearchStatement(), "CLIENTE 0042"},
    };
    for (const Search &search : searches) {
        size_t rows = 0;
        size_t baselineRows = 0;
        const double ours = measure([&] { rows = search.ours(); });
        const double baseline = measure([&] { baselineRows = plain.rows(search.statement, search.value); });
        if (rows != baselineRows) {
            std::fprintf(stderr, "%s: %zu rows, baseline %zu\n", search.name, rows, baselineRows);
            return 1;
        }
        report(search.name, ours, baseline, rows);
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("truv.mdb"));
    QString error;
    if (!ArchiveStore::createEmpty(path, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    QElapsedTimer fillTimer;
    fillTimer.start();
    fillArchive(path);
    std::printf("archive of %d rows built in %.1f s\n\n", kRows, fillTimer.elapsed() / 1000.0);

    // An earlier release's file: its first load makes the search indexes again, once; beside
    // the plain making of the same three indexes in SQLite's own order.
    const QString earlier = QDir(dir.path()).filePath(QStringLiteral("earlier.mdb"));
    if (!QFile::copy(path, earlier))
        return 1;
    double remakeBase = 0;
    {
        PlainArchive plain(earlier);
        check(sqlite3_exec(plain.db(), "DROP INDEX cicli_disegno; DROP INDEX cicli_descrizione; DROP INDEX cicli_cliente",
                           nullptr, nullptr, nullptr), plain.db(), "drop");
        QElapsedTimer timer;
        timer.start();
        makeNocaseIndexes(plain.db(), "cicli_");
        remakeBase = timer.nsecsElapsed() / 1e6;
    }
    QElapsedTimer remakeTimer;
    remakeTimer.start();
    if (auto store = ArchiveStore::open(earlier); !store || !store->prepareForUse())
        return 1;
    const double remade = remakeTimer.nsecsElapsed() / 1e6;
    if (!PlainArchive(earlier).texts("SELECT name FROM sqlite_master WHERE sql LIKE '%NOCASE, progr)'").empty()) {
        std::fprintf(stderr, "the earlier release's indexes were not made again\n");
        return 1;
    }
    report("first load of an earlier file", remade, remakeBase, 0);
    // The plain searches below use SQLite's own order, with indexes of their own.
    makeNocaseIndexes(PlainArchive(path).db(), "plain_");

    size_t rows = 0;
    const double load = measure([&] {
        auto store = ArchiveStore::open(path);
        if (!store || !store->prepareForUse())
            std::exit(1);
    });
    const double loadBase = measure([&] {
        PlainArchive plain(path);
        check(sqlite3_exec(plain.db(), "DELETE FROM cicli WHERE disegno IS NULL OR descrizione IS NULL",
                           nullptr, nullptr, nullptr), plain.db(), "delete");
        plain.texts("SELECT name FROM pragma_table_info('cicli')");
    });
    report("start-up load", load, loadBase, 0);

    auto store = ArchiveStore::open(path);
    store->prepareForUse();
    PlainArchive plain(path);

    struct Search {
        const char *name;
        std::function<size_t()> ours;
        std::function<size_t()> baseline;
    };
    const Search searches[] = {
        {"prefix search by drawing \"12-4\"",
         [&] { return store->searchByDrawing(QStringLiteral("12-4")).size(); },
         [&] { return plain.ints("SELECT progr FROM cicli WHERE disegno LIKE ? ESCAPE '\\' "
                                 "ORDER BY disegno COLLATE NOCASE, progr", "12-4%").size(); }},
        {"prefix search by description",
         [&] { return store->searchByDescription(QStringLiteral("FLANGIA PERNO D1")).size(); },
         [&] { return plain.ints("SELECT progr FROM cicli WHERE descrizione LIKE ? ESCAPE '\\' "
                                 "ORDER BY descrizione COLLATE NOCASE, progr", "FLANGIA PERNO D1%").size(); }},
        {"empty search (every row)",
         [&] { return store->searchByDrawing(QString()).size(); },
         [&] { return plain.ints("SELECT progr FROM cicli WHERE disegno LIKE ? ESCAPE '\\' "
                                 "ORDER BY disegno COLLATE NOCASE, progr", "%").size(); }},
        {"programs of a customer",
         [&] { return store->programsOfCustomer(QStringLiteral("CLIENTE 0042")).size(); },
         [&] { return plain.ints("SELECT progr FROM cicli WHERE cliente = ? COLLATE NOCASE "
                                 "ORDER BY cliente COLLATE NOCASE, progr", "CLIENTE 0042").size(); }},
        {"customer list",
         [&] { return size_t(store->customers().size()); },
         [&] { return plain.texts("SELECT cliente FROM cicli WHERE cliente > ' ' GROUP BY cliente "
                                  "ORDER BY cliente").size(); }},
        {"Libero (lowest free number)",
         [&] { return size_t(store->lowestFreeNumber()); },
         [&] {
             // The plain walk: counter from 1 until a row differs from it.
             sqlite3_stmt *statement = nullptr;
             sqlite3_prepare_v2(plain.db(), "SELECT progr FROM cicli ORDER BY progr", -1, &statement, nullptr);
             int counter = 1;
             while (sqlite3_step(statement) == SQLITE_ROW && sqlite3_column_int(statement, 0) == counter)
                 ++counter;
             sqlite3_finalize(statement);
             return size_t(counter);
         }},
        {"highest number",
         [&] { return size_t(store->lastNumber().value_or(0)); },
         [&] { return size_t(plain.ints("SELECT max(progr) FROM cicli").front()); }},
    };
    for (const Search &search : searches) {
        const double ours = measure([&] { rows = search.ours(); });
        size_t baselineRows = 0;
        const double baseline = measure([&] { baselineRows = search.baseline(); });
        if (rows != baselineRows) {
            std::fprintf(stderr, "%s: %zu rows, baseline %zu\n", search.name, rows, baselineRows);
            return 1;
        }
        report(search.name, ours, baseline, rows);
    }
    store.reset();
    return benchServer(plain);
}
