#include "archivestore.h"
#include "bothbackends.h"
#include "programremoval.h"
#include "tempprogramfolder.h"
#include "testrecords.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

#include <thread>

namespace {

void exec(ArchiveStore &store, const QString &statement)
{
    QSqlQuery query(store.database());
    if (!query.exec(statement))
        QFAIL(qPrintable(statement));
}

QList<qint32> toList(const std::vector<qint32> &numbers)
{
    return QList<qint32>(numbers.begin(), numbers.end());
}

QString planRows(QSqlQuery &query)
{
    QStringList plan;
    while (query.next())
        plan.append(query.value(query.record().count() - 1).toString());
    return plan.join(QLatin1Char('\n'));
}

QString searchStatement(const ArchiveStore &store, ArchiveStore::SearchField field)
{
    return field == ArchiveStore::SearchField::Drawing       ? store.drawingSearchStatement()
        : field == ArchiveStore::SearchField::Description ? store.descriptionSearchStatement()
                                                          : store.customerSearchStatement();
}

// The plan of a search for text; value is the server's parameter.
QString queryPlan(ArchiveStore &store, ArchiveStore::SearchField field, const QString &text, const QString &value)
{
    const QString statement = searchStatement(store, field);
    QSqlQuery query(store.database());
    if (!store.dialect().isServer()) {
        query.prepare(QStringLiteral("EXPLAIN QUERY PLAN ") + statement);
        for (const QVariant &bound : store.searchValues(field, text))
            query.addBindValue(bound);
        return query.exec() ? planRows(query) : query.lastError().text();
    }
    // The plan of the prepared statement as the program runs it, for this value.
    QString prepared = statement;
    prepared.replace(QLatin1Char('?'), QStringLiteral("$1"));
    if (!query.exec(QStringLiteral("PREPARE planned AS ") + prepared))
        return query.lastError().text();
    // The test's values hold no quote.
    const bool explained = query.exec(QStringLiteral("EXPLAIN EXECUTE planned('%1')").arg(value));
    const QString plan = explained ? planRows(query) : query.lastError().text();
    query.exec(QStringLiteral("DEALLOCATE planned"));
    return plan;
}

} // namespace

// Runs on the local file and on a PostgreSQL server (see main).
class ArchiveStoreTest : public QObject {
    Q_OBJECT
public:
    explicit ArchiveStoreTest(PostgresServer *server) : m_server(server) {}

private:
    TempProgramFolder newFolder(TempProgramFolder::Content content = TempProgramFolder::Content::Initialised)
    {
        return TempProgramFolder(content, m_server);
    }
    PostgresServer *m_server;

private slots:
    void programFileNames_data();
    void programFileNames();
    void nullRowsRemovedEmptyStringsKept();
    void oldLayoutUpgradedOnceAndSecondLoadChangesNothing();
    void missingOrBrokenArchiveRefused_data();
    void missingOrBrokenArchiveRefused();
    void lowestFreeNumber_data();
    void lowestFreeNumber();
    void numberAfterLast_data();
    void numberAfterLast();
    void customerList();
    void prefixSearches_data();
    void prefixSearches();
    void prefixSearchesUseAnIndex_data();
    void prefixSearchesUseAnIndex();
    void printedListOrdersAndPattern_data();
    void printedListOrdersAndPattern();
    void caseIgnoredBeyondAToZ_data();
    void caseIgnoredBeyondAToZ();
    void earlierReleaseIndexesRemadeAtLoad();
    void addUpdateSeekRemove();
    void reservedNumberHeldUntilSaved();
    void unsavedReservationGoneAtStart();
    void removalOf42LeavesProgram420();
    void removalStepsIndependent();
    void serverArchiveLoad_data();
    void serverArchiveLoad();
    void twoProgramsReserveAtOnce();
    void twoProgramsSeeEachOthersChanges();
    void serverRestartedUnderAnOpenArchive_data();
    void serverRestartedUnderAnOpenArchive();
};

void ArchiveStoreTest::programFileNames_data()
{
    QTest::addColumn<qint32>("number");
    QTest::addColumn<QString>("name");
    QTest::newRow("5") << 5 << QStringLiteral("P0000005");
    QTest::newRow("123") << 123 << QStringLiteral("P0000123");
    QTest::newRow("seven digits") << 1234567 << QStringLiteral("P1234567");
    QTest::newRow("eight digits keep all") << 12345678 << QStringLiteral("P12345678");
}

void ArchiveStoreTest::programFileNames()
{
    QFETCH(qint32, number);
    QFETCH(QString, name);
    QCOMPARE(ProgramFolder::programFileName(number), name);
    QCOMPARE(ProgramFolder(QStringLiteral("/srv/truv")).programTextPath(number),
             QStringLiteral("/srv/truv/dati/") + name);
}

void ArchiveStoreTest::nullRowsRemovedEmptyStringsKept()
{
    TempProgramFolder temp = newFolder();
    {
        auto store = temp.openArchive();
        exec(*store, QStringLiteral("INSERT INTO cicli (progr, disegno, descrizione) VALUES (1, NULL, 'a')"));
        exec(*store, QStringLiteral("INSERT INTO cicli (progr, disegno, descrizione) VALUES (2, 'b', NULL)"));
        exec(*store, QStringLiteral("INSERT INTO cicli (progr, disegno, descrizione) VALUES (3, '', '')"));
        exec(*store, QStringLiteral("INSERT INTO cicli (progr, disegno, descrizione) VALUES (4, 'd', 'e')"));
    }
    auto store = temp.openArchive();
    QVERIFY(!store->contains(1));
    QVERIFY(!store->contains(2));
    QVERIFY(store->contains(3));
    QVERIFY(store->contains(4));
}

void ArchiveStoreTest::oldLayoutUpgradedOnceAndSecondLoadChangesNothing()
{
    TempProgramFolder temp = newFolder(TempProgramFolder::Content::Empty);
    {
        SqlConnection connection;
        QVERIFY(connection.openOrCreate(temp.folder().archiveDatabase()));
        QSqlQuery query(connection.database());
        QVERIFY(query.exec(QStringLiteral("CREATE TABLE cicli (progr INTEGER, cliente TEXT, disegno TEXT, "
                                          "descrizione TEXT, memo TEXT, testo TEXT)")));
        QVERIFY(query.exec(QStringLiteral("CREATE UNIQUE INDEX %1 ON cicli (progr)")
                               .arg(connection.dialect().uniqueIndexName(QStringLiteral("cicli"), QStringLiteral("indice")))));
        QVERIFY(query.exec(QStringLiteral("INSERT INTO cicli VALUES (7, 'ACME', 'D7', 'flangia', NULL, NULL)")));
    }
    {
        auto store = ArchiveStore::open(temp.folder().archiveDatabase());
        QVERIFY(store);
        QVERIFY(store->prepareForUse());
        QVERIFY(store->wasUpgraded());
        const QSqlRecord fields = store->database().record(QStringLiteral("cicli"));
        QVERIFY(fields.indexOf(QStringLiteral("macchina")) >= 0);
        QCOMPARE(store->seek(7)->macchina, QString());
        QCOMPARE(store->seek(7)->cliente, QStringLiteral("ACME"));
    }
    auto again = ArchiveStore::open(temp.folder().archiveDatabase());
    QVERIFY(again->prepareForUse());
    QVERIFY(!again->wasUpgraded());
    QCOMPARE(again->database().record(QStringLiteral("cicli")).count(), 7);
}

void ArchiveStoreTest::missingOrBrokenArchiveRefused_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file at all
    QTest::addColumn<QString>("schema");
    QTest::addColumn<QString>("expected");
    QTest::newRow("missing file") << QByteArray() << QString() << QStringLiteral("unable to open");
    QTest::newRow("not a database") << QByteArray(4096, 'x') << QString() << QStringLiteral("not a database");
    QTest::newRow("no table cicli") << QByteArray() << QStringLiteral("CREATE TABLE altro (a)")
                                    << QStringLiteral("no such table");
    QTest::newRow("no index indice")
        << QByteArray() << QStringLiteral("CREATE TABLE cicli (progr, disegno, descrizione, macchina)")
        << QStringLiteral("'indice'");
}

void ArchiveStoreTest::missingOrBrokenArchiveRefused()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, schema);
    QFETCH(QString, expected);
    if (m_server)
        QSKIP("a file's faults; the server's are in serverArchiveLoad");
    TempProgramFolder temp = newFolder(TempProgramFolder::Content::Empty);
    const QString path = temp.folder().archivePath();
    if (!content.isEmpty())
        temp.writeFile(QStringLiteral("truv.mdb"), content);
    if (!schema.isEmpty()) {
        SqlConnection connection;
        QVERIFY(connection.openOrCreate(path));
        QVERIFY(QSqlQuery(connection.database()).exec(schema));
    }
    QString error;
    auto store = ArchiveStore::open(path, &error);
    if (store) {
        QVERIFY(!store->prepareForUse());
        error = store->lastError();
    }
    QVERIFY2(error.contains(expected, Qt::CaseInsensitive), qPrintable(error));
    if (content.isEmpty() && schema.isEmpty())
        QVERIFY2(!QFile::exists(path), "opening must not create an empty archive");
}

void ArchiveStoreTest::lowestFreeNumber_data()
{
    QTest::addColumn<QList<qint32>>("numbers");
    QTest::addColumn<qint32>("proposal");
    QTest::newRow("empty") << QList<qint32>{} << 1;
    QTest::newRow("1,2,4") << QList<qint32>{1, 2, 4} << 3;
    QTest::newRow("1,2,3") << QList<qint32>{1, 2, 3} << 4;
    QTest::newRow("starts at 5") << QList<qint32>{5, 6} << 1;
    QTest::newRow("negative and 1 taken") << QList<qint32>{-5, 1, 2} << 3;
}

void ArchiveStoreTest::lowestFreeNumber()
{
    QFETCH(QList<qint32>, numbers);
    QFETCH(qint32, proposal);
    TempProgramFolder temp = newFolder();
    auto store = temp.openArchive();
    for (qint32 n : numbers)
        QVERIFY(store->add(archiveRecord(n, QStringLiteral("C"))));
    QCOMPARE(store->lowestFreeNumber(), proposal);
}

void ArchiveStoreTest::numberAfterLast_data()
{
    QTest::addColumn<QList<qint32>>("numbers");
    QTest::addColumn<qint32>("next");
    QTest::newRow("empty") << QList<qint32>{} << 1;
    QTest::newRow("gap is not reused") << QList<qint32>{1, 2, 9} << 10;
    QTest::newRow("top of the range falls back to a free number")
        << QList<qint32>{1, std::numeric_limits<qint32>::max()} << 2;
}

void ArchiveStoreTest::numberAfterLast()
{
    QFETCH(QList<qint32>, numbers);
    QFETCH(qint32, next);
    TempProgramFolder temp = newFolder();
    auto store = temp.openArchive();
    for (qint32 n : numbers)
        QVERIFY(store->add(archiveRecord(n, QStringLiteral("C"))));
    QCOMPARE(store->numberAfterLast(), next);
    QVERIFY(!store->contains(store->automaticNumber()));
}

void ArchiveStoreTest::customerList()
{
    TempProgramFolder temp = newFolder();
    auto store = temp.openArchive();
    const QStringList customers = {QStringLiteral("ROSSI"), QStringLiteral(""), QStringLiteral(" "),
                                   QStringLiteral("."), QStringLiteral("BIANCHI"), QStringLiteral("ROSSI"),
                                   QStringLiteral("D'ANGELO")};
    qint32 n = 1;
    for (const QString &c : customers)
        QVERIFY(store->add(archiveRecord(n++, c)));
    QVERIFY(store->add(archiveRecord(n++, QString()))); // Null customer
    QCOMPARE(store->customers(),
             (QStringList{QStringLiteral("."), QStringLiteral("BIANCHI"), QStringLiteral("D'ANGELO"),
                          QStringLiteral("ROSSI")}));
    QCOMPARE(toList(store->programsOfCustomer(QStringLiteral("ROSSI"))), (QList<qint32>{1, 6}));
    QCOMPARE(toList(store->programsOfCustomer(QStringLiteral("D'ANGELO"))), (QList<qint32>{7}));
}

void ArchiveStoreTest::prefixSearches_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<qint32>>("byDrawing");
    // Drawings: 1 "AB-100", 2 "ab-200", 3 "AB%X", 4 "ABCX", 5 "O'BRIEN 1", 6 "A_B", 7 "AXB", 8 "AB "
    QTest::newRow("empty lists all") << QString() << QList<qint32>{6, 8, 3, 1, 2, 4, 7, 5};
    QTest::newRow("case does not matter") << QStringLiteral("ab-") << QList<qint32>{1, 2};
    QTest::newRow("percent is literal") << QStringLiteral("AB%") << QList<qint32>{3};
    QTest::newRow("underscore is literal") << QStringLiteral("A_") << QList<qint32>{6};
    QTest::newRow("star is any run") << QStringLiteral("A*X") << QList<qint32>{3, 4, 7};
    QTest::newRow("apostrophe") << QStringLiteral("O'B") << QList<qint32>{5};
    QTest::newRow("trailing blank is part of the text") << QStringLiteral("AB ") << QList<qint32>{8};
    QTest::newRow("no match") << QStringLiteral("ZZ") << QList<qint32>{};
}

void ArchiveStoreTest::prefixSearches()
{
    QFETCH(QString, text);
    QFETCH(QList<qint32>, byDrawing);
    TempProgramFolder temp = newFolder();
    auto store = temp.openArchive();
    const QStringList drawings = {QStringLiteral("AB-100"), QStringLiteral("ab-200"), QStringLiteral("AB%X"),
                                  QStringLiteral("ABCX"), QStringLiteral("O'BRIEN 1"), QStringLiteral("A_B"),
                                  QStringLiteral("AXB"), QStringLiteral("AB ")};
    for (int i = 0; i < drawings.size(); ++i)
        QVERIFY(store->add(archiveRecord(i + 1, QStringLiteral("C"), drawings.at(i), drawings.at(i))));
    QCOMPARE(toList(store->searchByDrawing(text)), byDrawing);
    QCOMPARE(toList(store->searchByDescription(text)), byDrawing);
}

void ArchiveStoreTest::prefixSearchesUseAnIndex_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("index");
    QTest::newRow("drawing") << int(ArchiveStore::SearchField::Drawing) << QStringLiteral("cicli_disegno");
    QTest::newRow("description") << int(ArchiveStore::SearchField::Description) << QStringLiteral("cicli_descrizione");
    QTest::newRow("customer") << int(ArchiveStore::SearchField::Customer) << QStringLiteral("cicli_cliente");
}

void ArchiveStoreTest::prefixSearchesUseAnIndex()
{
    QFETCH(int, field);
    QFETCH(QString, index);
    TempProgramFolder temp = newFolder();
    auto store = temp.openArchive();
    if (!m_server) {
        const QString plan = queryPlan(*store, ArchiveStore::SearchField(field), QStringLiteral("ÀB"), {});
        QVERIFY2(plan.contains(QStringLiteral("SEARCH cicli USING COVERING INDEX ") + index), qPrintable(plan));
        QVERIFY2(!plan.contains(QStringLiteral("TEMP B-TREE")), qPrintable(plan));
        return;
    }
    // The server plans by its statistics: a table of some size, so that a scan would cost more.
    exec(*store, QStringLiteral("INSERT INTO cicli (progr, cliente, disegno, descrizione) SELECT i, 'C' || (i % 500), "
                                "'D' || i, 'X' || i FROM generate_series(1, 20000) AS i"));
    exec(*store, QStringLiteral("ANALYZE cicli"));
    const QString plan = queryPlan(*store, ArchiveStore::SearchField(field), {}, QStringLiteral("ab%"));
    QVERIFY2(plan.contains(QStringLiteral(" on ") + index) || plan.contains(QStringLiteral(" using ") + index),
             qPrintable(plan));
    QVERIFY2(!plan.contains(QStringLiteral("Seq Scan")), qPrintable(plan));
}

void ArchiveStoreTest::printedListOrdersAndPattern_data()
{
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QList<qint32>>("expected");
    // 1 ROSSI/B/y, 2 ROSSI/A/z, 3 BIANCHI/C/x, 4 "."/A/a, 5 ROSSINI/A/b
    QTest::newRow("customer+drawing, all") << int(ArchiveStore::ListOrder::CustomerDrawing) << QStringLiteral("*")
                                           << QList<qint32>{3, 2, 1, 5};
    QTest::newRow("customer+description") << int(ArchiveStore::ListOrder::CustomerDescription)
                                          << QStringLiteral("*") << QList<qint32>{3, 1, 2, 5};
    QTest::newRow("drawing+customer") << int(ArchiveStore::ListOrder::DrawingCustomer) << QStringLiteral("*")
                                      << QList<qint32>{2, 5, 1, 3};
    QTest::newRow("prefix") << int(ArchiveStore::ListOrder::CustomerDrawing) << QStringLiteral("ROSSI*")
                            << QList<qint32>{2, 1, 5};
    QTest::newRow("exact") << int(ArchiveStore::ListOrder::CustomerDrawing) << QStringLiteral("ROSSI")
                           << QList<qint32>{2, 1};
    QTest::newRow("dot never printed") << int(ArchiveStore::ListOrder::CustomerDrawing) << QStringLiteral(".*")
                                       << QList<qint32>{};
}

void ArchiveStoreTest::printedListOrdersAndPattern()
{
    QFETCH(int, order);
    QFETCH(QString, pattern);
    QFETCH(QList<qint32>, expected);
    TempProgramFolder temp = newFolder();
    auto store = temp.openArchive();
    QVERIFY(store->add(archiveRecord(1, QStringLiteral("ROSSI"), QStringLiteral("B"), QStringLiteral("y"))));
    QVERIFY(store->add(archiveRecord(2, QStringLiteral("ROSSI"), QStringLiteral("A"), QStringLiteral("z"))));
    QVERIFY(store->add(archiveRecord(3, QStringLiteral("BIANCHI"), QStringLiteral("C"), QStringLiteral("x"))));
    QVERIFY(store->add(archiveRecord(4, QStringLiteral("."), QStringLiteral("A"), QStringLiteral("a"))));
    QVERIFY(store->add(archiveRecord(5, QStringLiteral("ROSSINI"), QStringLiteral("A"), QStringLiteral("b"))));
    QList<qint32> numbers;
    for (const ArchiveRecord &r : store->printedList(ArchiveStore::ListOrder(order), pattern))
        numbers.append(r.progr);
    QCOMPARE(numbers, expected);
}

void ArchiveStoreTest::caseIgnoredBeyondAToZ_data()
{
    QTest::addColumn<QString>("search"); // drawing, description, customer, printed or customers
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("found");
    // 1 ÉLITE/ÀBC, 2 élite/àbc-2, 3 ELITE/ABC, 4 Øst/ÆX; the descriptions as the drawings.
    QTest::newRow("lower finds upper") << "drawing" << "àb" << QStringList{"1", "2"};
    QTest::newRow("upper finds lower") << "description" << "ÀB" << QStringList{"1", "2"};
    QTest::newRow("star inside") << "drawing" << "à*2" << QStringList{"2"};
    QTest::newRow("ligature") << "drawing" << "æ" << QStringList{"4"};
    QTest::newRow("every row, in code point order") << "drawing" << "" << QStringList{"3", "1", "2", "4"};
    QTest::newRow("customer") << "customer" << "élite" << QStringList{"1", "2"};
    QTest::newRow("printed list pattern") << "printed" << "éL*" << QStringList{"1", "2"};
    QTest::newRow("printed list exact") << "printed" << "øST" << QStringList{"4"};
    QTest::newRow("customer list") << "customers" << "" << QStringList{"elite", "élite", "øst"};
}

void ArchiveStoreTest::caseIgnoredBeyondAToZ()
{
    QFETCH(QString, search);
    QFETCH(QString, text);
    QFETCH(QStringList, found);
    TempProgramFolder temp = newFolder();
    auto store = temp.openArchive();
    const QStringList customers{"ÉLITE", "élite", "ELITE", "Øst"};
    const QStringList drawings{"ÀBC", "àbc-2", "ABC", "ÆX"};
    for (int i = 0; i < customers.size(); ++i)
        QVERIFY(store->add(archiveRecord(i + 1, customers[i], drawings[i], drawings[i])));
    std::vector<qint32> numbers;
    QStringList result;
    if (search == u"drawing")
        numbers = store->searchByDrawing(text);
    else if (search == u"description")
        numbers = store->searchByDescription(text);
    else if (search == u"customer")
        numbers = store->programsOfCustomer(text);
    else if (search == u"printed")
        for (const ArchiveRecord &r : store->printedList(ArchiveStore::ListOrder::CustomerDrawing, text))
            numbers.push_back(r.progr);
    else
        for (const QString &customer : store->customers())
            result.append(customer.toLower());
    for (qint32 n : numbers)
        result.append(QString::number(n));
    QCOMPARE(result, found);
}

void ArchiveStoreTest::earlierReleaseIndexesRemadeAtLoad()
{
    if (m_server)
        QSKIP("the server's indexes were always in its own order");
    TempProgramFolder temp = newFolder(TempProgramFolder::Content::Empty);
    {
        SqlConnection connection;
        QVERIFY(connection.openOrCreate(temp.folder().archiveDatabase()));
        QSqlQuery query(connection.database());
        for (const char *statement :
             {"CREATE TABLE cicli (progr INTEGER NOT NULL, cliente TEXT COLLATE NOCASE, disegno TEXT COLLATE NOCASE, "
              "descrizione TEXT COLLATE NOCASE, memo TEXT, macchina VARCHAR(3), testo TEXT)",
              "CREATE UNIQUE INDEX indice ON cicli (progr)",
              "CREATE INDEX cicli_disegno ON cicli (disegno COLLATE NOCASE, progr)",
              "CREATE INDEX cicli_descrizione ON cicli (descrizione COLLATE NOCASE, progr)",
              "CREATE INDEX cicli_cliente ON cicli (cliente COLLATE NOCASE, progr)",
              "INSERT INTO cicli (progr, cliente, disegno, descrizione) VALUES (1, 'ÉLITE', 'ÀBC', 'ÀBC'), "
              "(2, 'élite', 'àbc', 'àbc')"})
            QVERIFY2(query.exec(QString::fromUtf8(statement)), qPrintable(query.lastError().text()));
    }
    auto store = temp.openArchive();
    QVERIFY(store);
    QCOMPARE(toList(store->searchByDrawing(QStringLiteral("àB"))), (QList<qint32>{1, 2}));
    QCOMPARE(toList(store->programsOfCustomer(QStringLiteral("ÉlItE"))), (QList<qint32>{1, 2}));
    QSqlQuery left(store->database());
    QVERIFY(left.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE sql LIKE '%NOCASE, progr)'")));
    QVERIFY2(!left.next(), qPrintable(left.value(0).toString()));
    const QString plan = queryPlan(*store, ArchiveStore::SearchField::Description, QStringLiteral("àb"), {});
    QVERIFY2(plan.contains(QStringLiteral("SEARCH cicli USING COVERING INDEX cicli_descrizione")), qPrintable(plan));
}

void ArchiveStoreTest::addUpdateSeekRemove()
{
    TempProgramFolder temp = newFolder();
    auto store = temp.openArchive();
    ArchiveRecord r = archiveRecord(42, QStringLiteral("D'ANGELO"), QStringLiteral("DIS-1"), QStringLiteral("albero"));
    r.memo = QStringLiteral("riga 1\r\nriga 2");
    r.macchina = QStringLiteral("T1");
    QVERIFY(store->add(r));
    QVERIFY2(!store->add(r), "a number is never given twice");
    QCOMPARE(*store->seek(42), r);
    r.descrizione = QStringLiteral("albero motore");
    QVERIFY(store->update(r));
    QCOMPARE(store->seek(42)->descrizione, QStringLiteral("albero motore"));
    QVERIFY(!store->update(archiveRecord(43, QStringLiteral("X"))));
    QVERIFY(store->remove(42));
    QVERIFY(!store->seek(42));
    QVERIFY(store->isEmpty());
}

void ArchiveStoreTest::reservedNumberHeldUntilSaved()
{
    TempProgramFolder temp = newFolder();
    auto store = temp.openArchive();
    QVERIFY(store->add(archiveRecord(1, QStringLiteral("ROSSI"))));
    QVERIFY(store->add(archiveRecord(2, QStringLiteral("ROSSI"))));
    QCOMPARE(store->reserveAutomatic(), std::optional<qint32>(3));
    QVERIFY(store->reserve(5));
    QVERIFY2(!store->reserve(2), "a saved number cannot be reserved");

    // Held numbers are given to nobody else, and no list shows them.
    QVERIFY(!store->add(archiveRecord(3, QStringLiteral("X"))));
    QCOMPARE(store->lowestFreeNumber(), 4);
    QCOMPARE(store->numberAfterLast(), 6);
    QCOMPARE(toList(store->searchByDrawing(QString())), (QList<qint32>{1, 2}));
    QCOMPARE(toList(store->searchByDescription(QString())), (QList<qint32>{1, 2}));
    QCOMPARE(store->customers(), QStringList{QStringLiteral("ROSSI")});
    QCOMPARE(store->printedList(ArchiveStore::ListOrder::CustomerDrawing, QStringLiteral("*")).size(), size_t(2));

    ArchiveRecord saved = archiveRecord(3, QStringLiteral("D'ANGELO"), QStringLiteral("D-3"), QStringLiteral("perno"));
    QVERIFY(store->saveReserved(saved));
    QCOMPARE(*store->seek(3), saved);
    QVERIFY2(!store->saveReserved(archiveRecord(2, QStringLiteral("X"))), "a saved row is never overwritten");
    QCOMPARE(store->seek(2)->cliente, QStringLiteral("ROSSI"));
    QVERIFY(store->releaseReservation(3));
    QVERIFY2(store->contains(3), "releasing leaves a saved row alone");
    QVERIFY(store->releaseReservation(5));
    QVERIFY(!store->contains(5));
    // A reservation that went meanwhile is added again under the same number.
    QVERIFY(store->saveReserved(archiveRecord(5, QStringLiteral("B"))));
    QCOMPARE(store->seek(5)->cliente, QStringLiteral("B"));
}

void ArchiveStoreTest::unsavedReservationGoneAtStart()
{
    TempProgramFolder temp = newFolder();
    {
        auto store = temp.openArchive();
        QVERIFY(store->reserve(9));
    }
    auto store = temp.openArchive();
    QVERIFY(!store->contains(9));
}

void ArchiveStoreTest::removalOf42LeavesProgram420()
{
    TempProgramFolder temp = newFolder();
    auto store = temp.openArchive();
    QVERIFY(store->add(archiveRecord(42, QStringLiteral("A"))));
    QVERIFY(store->add(archiveRecord(420, QStringLiteral("A"))));
    temp.writeProgramText(42, "O0042\r\n");
    temp.writeProgramText(420, "O0420\r\n");
    for (const char *name : {"imm/M0000042N0001.jpg", "imm/M0000042N0002.bmp", "imm/M0000420N0001.jpg"})
        temp.writeFile(QString::fromLatin1(name), "picture");
    {
        SqlConnection catalogue;
        QVERIFY(catalogue.openExisting(temp.folder().catalogDatabase()));
        QSqlQuery query(catalogue.database());
        QVERIFY(query.exec(QStringLiteral("INSERT INTO immagini VALUES (42, 1, '.jpg', 'a', NULL), "
                                          "(42, 2, '.bmp', 'b', NULL), (420, 1, '.jpg', 'c', NULL)")));
    }

    QVERIFY(removeArchivedProgram(*store, temp.folder(), 42).complete());

    QVERIFY(!store->contains(42));
    QVERIFY(store->contains(420));
    QVERIFY(!QFile::exists(temp.folder().programTextPath(42)));
    QVERIFY(QFile::exists(temp.folder().programTextPath(420)));
    QVERIFY(!QFile::exists(temp.path(QStringLiteral("imm/M0000042N0001.jpg"))));
    QVERIFY(!QFile::exists(temp.path(QStringLiteral("imm/M0000042N0002.bmp"))));
    QVERIFY(QFile::exists(temp.path(QStringLiteral("imm/M0000420N0001.jpg"))));
    SqlConnection catalogue;
    QVERIFY(catalogue.openExisting(temp.folder().catalogDatabase()));
    QSqlQuery rows(catalogue.database());
    QVERIFY(rows.exec(QStringLiteral("SELECT progressivo FROM immagini")));
    QVERIFY(rows.next());
    QCOMPARE(rows.value(0).toInt(), 420);
    QVERIFY(!rows.next());
}

void ArchiveStoreTest::removalStepsIndependent()
{
    // No text file and no catalogue: the row still goes, and the result says what failed.
    TempProgramFolder temp = newFolder();
    auto store = temp.openArchive();
    QVERIFY(store->add(archiveRecord(5, QStringLiteral("A"))));
    temp.writeFile(QStringLiteral("imm/M0000005N0001.tif"), "picture");
    if (m_server)
        exec(*store, QStringLiteral("DROP TABLE immagini"));
    else
        QVERIFY(QFile::remove(temp.folder().catalogPath()));

    const ProgramRemovalResult result = removeArchivedProgram(*store, temp.folder(), 5);
    QVERIFY(result.textRemoved);
    QVERIFY(result.picturesRemoved);
    QVERIFY(!result.catalogueRowsRemoved);
    QVERIFY(result.rowRemoved);
    QVERIFY(!store->contains(5));
    QVERIFY(!QFile::exists(temp.path(QStringLiteral("imm/M0000005N0001.tif"))));
}

void ArchiveStoreTest::serverArchiveLoad_data()
{
    QTest::addColumn<QString>("database"); // "new", "unknown", "no server", "bad address", "no indice"
    QTest::addColumn<QString>("expected"); // in the error; empty: the load succeeds
    QTest::newRow("empty database gets its tables") << QStringLiteral("new") << QString();
    QTest::newRow("database missing") << QStringLiteral("unknown") << QStringLiteral("does not exist");
    QTest::newRow("nothing listening") << QStringLiteral("no server") << QStringLiteral("127.0.0.1");
    QTest::newRow("not an address") << QStringLiteral("bad address") << QStringLiteral("non valido");
    QTest::newRow("table without its index") << QStringLiteral("no indice") << QStringLiteral("'indice'");
}

void ArchiveStoreTest::serverArchiveLoad()
{
    QFETCH(QString, database);
    QFETCH(QString, expected);
    if (!m_server)
        QSKIP("a server's faults");
    DatabaseAddress address = m_server->createDatabase();
    if (database == u"unknown")
        address = address.onDatabase(QStringLiteral("nessuno"));
    else if (database == u"no server")
        address = DatabaseAddress::server(QStringLiteral("postgresql://truv@127.0.0.1:1/truv"));
    else if (database == u"bad address")
        address = DatabaseAddress::server(QStringLiteral("postgresql:/truv"));
    else if (database == u"no indice") {
        SqlConnection connection;
        QVERIFY(connection.openExisting(address));
        QVERIFY(QSqlQuery(connection.database()).exec(QStringLiteral("CREATE TABLE cicli (progr INTEGER, disegno TEXT, descrizione TEXT, macchina TEXT)")));
    }
    QString error;
    auto store = ArchiveStore::open(address, &error);
    if (store && !store->prepareForUse())
        error = store->lastError();
    if (expected.isEmpty()) {
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(store->add(archiveRecord(1, QStringLiteral("ROSSI"))));
        QCOMPARE(store->reserveAutomatic(), std::optional<qint32>(2));
        return;
    }
    QVERIFY2(error.contains(expected), qPrintable(error));
}

void ArchiveStoreTest::twoProgramsReserveAtOnce()
{
    // Two PCs pressing "Crea" at the same moment, 500 times each.
    TempProgramFolder temp = newFolder();
    const DatabaseAddress address = temp.folder().archiveDatabase();
    QList<qint32> taken[2];
    QString errors[2];
    auto reserveMany = [&](int pc) {
        QString error;
        auto store = ArchiveStore::open(address, &error);
        for (int i = 0; store && i < 500; ++i) {
            const std::optional<qint32> number = store->reserveAutomatic();
            if (!number) {
                error = store->lastError();
                break;
            }
            taken[pc].append(*number);
        }
        errors[pc] = error;
    };
    std::thread first(reserveMany, 0);
    std::thread second(reserveMany, 1);
    first.join();
    second.join();
    QVERIFY2(errors[0].isEmpty() && errors[1].isEmpty(), qPrintable(errors[0] + errors[1]));
    QList<qint32> all = taken[0] + taken[1];
    std::sort(all.begin(), all.end());
    QCOMPARE(all.size(), 1000);
    QCOMPARE(all.first(), 1);
    QCOMPARE(all.last(), 1000); // so no number was handed out twice
}

void ArchiveStoreTest::twoProgramsSeeEachOthersChanges()
{
    TempProgramFolder temp = newFolder();
    auto first = temp.openArchive();
    auto second = temp.openArchive();
    QVERIFY(first->add(archiveRecord(7, QStringLiteral("ROSSI"), QStringLiteral("D-7"), QStringLiteral("perno"))));
    QCOMPARE(toList(second->searchByDrawing(QStringLiteral("d-"))), QList<qint32>{7});
    ArchiveRecord changed = *second->seek(7);
    changed.descrizione = QStringLiteral("perno lungo");
    QVERIFY(second->update(changed));
    QCOMPARE(toList(first->searchByDescription(QStringLiteral("perno l"))), QList<qint32>{7});

    // "Elimina" on one while the other has the program open: the other's save finds it gone.
    QVERIFY(second->remove(7));
    QVERIFY(!first->update(changed));
    QCOMPARE(first->lastError(), QStringLiteral("Programma 7 non trovato"));

    // A number the first is filling in, while the other starts: the server keeps it for the
    // first; the file's start-up load clears every unsaved row, as it always has.
    QVERIFY(first->reserve(8));
    QVERIFY(second->prepareForUse());
    QCOMPARE(first->contains(8), m_server != nullptr);
    second.reset();
    first.reset();
    QVERIFY(!temp.openArchive()->contains(8));
}

void ArchiveStoreTest::serverRestartedUnderAnOpenArchive_data()
{
    QTest::addColumn<QString>("first"); // what the program does first after the restart
    QTest::newRow("a search") << "search";
    QTest::newRow("a lookup by number") << "seek";
    QTest::newRow("a save") << "save";
}

void ArchiveStoreTest::serverRestartedUnderAnOpenArchive()
{
    QFETCH(QString, first);
    if (!m_server)
        QSKIP("a server's restart");
    TempProgramFolder temp = newFolder();
    auto store = temp.openArchive();
    QVERIFY(store->add(archiveRecord(7, QStringLiteral("ROSSI"), QStringLiteral("D-7"), QStringLiteral("perno"))));
    QVERIFY(store->seek(7)); // its prepared lookup now belongs to the old connection
    QVERIFY2(m_server->restart(), qPrintable(m_server->error()));

    if (first == u"search") {
        QCOMPARE(toList(store->searchByDrawing(QStringLiteral("d-"))), QList<qint32>{7});
    } else if (first == u"seek") {
        QCOMPARE(store->seek(7)->descrizione, QStringLiteral("perno"));
    } else {
        // A write is not repeated behind the user's back: it fails once with the reason.
        QVERIFY(!store->add(archiveRecord(8, QStringLiteral("ROSSI"))));
        QVERIFY(!store->lastError().isEmpty());
        QVERIFY(store->add(archiveRecord(8, QStringLiteral("ROSSI"))));
    }
    QVERIFY(store->seek(7));
    QCOMPARE(store->reserveAutomatic(), std::optional<qint32>(first == u"save" ? 9 : 8));
}

int main(int argc, char **argv)
{
    return runOnBothBackends<ArchiveStoreTest>(argc, argv);
}
#include "tst_archivestore.moc"
