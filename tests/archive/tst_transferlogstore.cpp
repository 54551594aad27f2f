#include "archivestore.h"
#include "bothbackends.h"
#include "programrevisions.h"
#include "tempprogramfolder.h"
#include "transferlogstore.h"

#include <QCryptographicHash>
#include <QSqlQuery>
#include <QTest>
#include <QTranslator>

namespace {

TransferEntry entryFor(const QString &machine, std::optional<qint32> program, const QString &file)
{
    TransferEntry entry;
    entry.machine = machine;
    entry.operation = TransferOperation::SerialSend;
    entry.archiveProgram = program;
    entry.fileName = file;
    return entry;
}

QStringList fileNames(const std::vector<TransferListing> &listings)
{
    QStringList names;
    for (const TransferListing &listing : listings)
        names.append(listing.entry.fileName);
    return names;
}

} // namespace

// Runs on the local file and on a PostgreSQL server (see main).
class TransferLogStoreTest : public QObject {
    Q_OBJECT
public:
    explicit TransferLogStoreTest(PostgresServer *server) : m_server(server) {}

private:
    PostgresServer *m_server;

private slots:
    void inProgressThenCompleted_data();
    void inProgressThenCompleted();
    void filters_data();
    void filters();
    void sentTextShowsItsRevision();
    void unwritableLogToldOnce();
    void csvQuotesWhatNeedsIt();
};

void TransferLogStoreTest::inProgressThenCompleted_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("word");
    QTest::newRow("riuscito") << int(TransferResult::Succeeded) << "riuscito";
    QTest::newRow("fallito") << int(TransferResult::Failed) << "fallito";
    QTest::newRow("interrotto") << int(TransferResult::Interrupted) << "interrotto";
}

void TransferLogStoreTest::inProgressThenCompleted()
{
    QFETCH(int, result);
    QFETCH(QString, word);
    TempProgramFolder temp(TempProgramFolder::Content::Initialised, m_server);
    auto archive = temp.openArchive();
    TransferLogStore store(*archive);
    TransferJournal journal(&store, [](const QString &text) { QFAIL(qPrintable(text)); });
    TransferEntry entry = entryFor(QStringLiteral("TORNIO"), 42, QStringLiteral("P0000042"));
    entry.operation = TransferOperation::EthernetDownload;
    entry.cncProgram = 1234;
    journal.begin(entry);
    QVERIFY(entry.id > 0);

    std::vector<TransferListing> rows = store.list({});
    QCOMPARE(rows.size(), size_t(1));
    QCOMPARE(resultWord(rows.front().entry.result), QStringLiteral("in corso"));
    QVERIFY(!rows.front().entry.ended.isValid());

    entry.takeText("O1234\r\nM30\r\n");
    journal.finish(entry, TransferResult(result), QStringLiteral("Errore, \"linea\"\r\nfine"));
    rows = store.list({});
    QCOMPARE(rows.size(), size_t(1));
    const QStringList fields = transferLogFields(rows.front());
    QCOMPARE(fields.mid(2), (QStringList{currentLoginAtHost(), "TORNIO", "invio Ethernet", "42", "P0000042", "O1234",
                                         "12", QString::fromLatin1(QCryptographicHash::hash("O1234\r\nM30\r\n",
                                                                                           QCryptographicHash::Sha256)
                                                                       .toHex()),
                                         "", word, "Errore, \"linea\"\r\nfine"}));
    QVERIFY(rows.front().entry.ended >= rows.front().entry.started);
    QCOMPARE(rows.front().entry.started.toSecsSinceEpoch(), entry.started.toSecsSinceEpoch());
}

void TransferLogStoreTest::filters_data()
{
    QTest::addColumn<TransferFilter>("filter");
    QTest::addColumn<QStringList>("expected");
    const QDate today = QDate::currentDate();
    QTest::newRow("all, newest first") << TransferFilter{} << QStringList{"d", "c", "b", "a"};
    QTest::newRow("machine, any case") << TransferFilter{"tornio", {}, {}, {}, {}, false} << QStringList{"c", "a"};
    QTest::newRow("program") << TransferFilter{{}, 7, {}, {}, {}, false} << QStringList{"d", "b"};
    QTest::newRow("since today") << TransferFilter{{}, {}, today, {}, {}, false} << QStringList{"d", "c"};
    QTest::newRow("until yesterday") << TransferFilter{{}, {}, {}, today.addDays(-1), {}, false} << QStringList{"b", "a"};
    QTest::newRow("failed or interrupted") << TransferFilter{{}, {}, {}, {}, {}, true} << QStringList{"d", "b"};
    QTest::newRow("interrupted") << TransferFilter{{}, {}, {}, {}, TransferResult::Interrupted, false}
                                 << QStringList{"d"};
    QTest::newRow("machine and program") << TransferFilter{"TORNIO", 7, {}, {}, {}, false} << QStringList{};
}

void TransferLogStoreTest::filters()
{
    QFETCH(TransferFilter, filter);
    QFETCH(QStringList, expected);
    TempProgramFolder temp(TempProgramFolder::Content::Initialised, m_server);
    auto archive = temp.openArchive();
    TransferLogStore store(*archive);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    struct Row {
        const char *file;
        const char *machine;
        qint32 program;
        qint64 secondsAgo;
        TransferResult result;
    };
    const Row rows[] = {{"a", "Tornio", 5, 3 * 86400, TransferResult::Succeeded},
                        {"b", "FRESA", 7, 2 * 86400, TransferResult::Failed},
                        {"c", "TORNIO", 5, 0, TransferResult::Succeeded},
                        {"d", "FRESA", 7, -1, TransferResult::Interrupted}};
    for (const Row &row : rows) {
        TransferEntry entry = entryFor(QString::fromLatin1(row.machine), row.program, QString::fromLatin1(row.file));
        entry.started = now.addSecs(-row.secondsAgo);
        entry.ended = entry.started;
        entry.result = row.result;
        QVERIFY2(store.finish(entry), qPrintable(store.lastError()));
    }
    const std::vector<TransferListing> listed = store.list(filter);
    QVERIFY2(store.lastError().isEmpty(), qPrintable(store.lastError()));
    QCOMPARE(fileNames(listed), expected);
}

void TransferLogStoreTest::sentTextShowsItsRevision()
{
    TempProgramFolder temp(TempProgramFolder::Content::Initialised, m_server);
    auto archive = temp.openArchive();
    ProgramRevisions revisions(*archive);
    QCOMPARE(revisions.add(42, RevisionOrigin::Editor, "FIRST\r\n"), std::optional<int>(1));
    QCOMPARE(revisions.add(42, RevisionOrigin::Editor, "SECOND\r\n"), std::optional<int>(2));
    QCOMPARE(revisions.add(43, RevisionOrigin::Editor, "FIRST\r\n"), std::optional<int>(1));
    TransferLogStore store(*archive);
    TransferJournal journal(&store, {});
    for (const QByteArray &text : {QByteArray("FIRST\r\n"), QByteArray("SECOND\r\n"), QByteArray("OTHER\r\n")}) {
        TransferEntry entry = entryFor(QStringLiteral("M"), 42, QString::fromLatin1(text.trimmed()));
        entry.takeText(text);
        journal.record(entry, TransferResult::Succeeded, {});
    }
    QMap<QString, std::optional<int>> found;
    for (const TransferListing &listing : store.list({}))
        found.insert(listing.entry.fileName, listing.revision);
    QCOMPARE(found.value("FIRST"), std::optional<int>(1));
    QCOMPARE(found.value("SECOND"), std::optional<int>(2));
    QCOMPARE(found.value("OTHER"), std::optional<int>());
}

void TransferLogStoreTest::unwritableLogToldOnce()
{
    TempProgramFolder temp(TempProgramFolder::Content::Initialised, m_server);
    auto archive = temp.openArchive();
    QVERIFY(QSqlQuery(archive->database()).exec(QStringLiteral("DROP TABLE trasferimenti")));
    TransferLogStore store(*archive);
    QStringList notices;
    TransferJournal journal(&store, [&notices](const QString &text) { notices.append(text); });
    for (int i = 0; i < 2; ++i) {
        TransferEntry entry = entryFor(QStringLiteral("M"), {}, {});
        journal.begin(entry);
        journal.finish(entry, TransferResult::Succeeded, {});
    }
    QCOMPARE(notices.size(), 1);
    QVERIFY2(notices.first().startsWith(QStringLiteral("Registro trasferimenti non scritto: ")) &&
                 notices.first().contains(QStringLiteral("trasferimenti")),
             qPrintable(notices.first()));
}

void TransferLogStoreTest::csvQuotesWhatNeedsIt()
{
    TransferListing listing;
    listing.entry.started = QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9), Qt::UTC);
    listing.entry.machine = QStringLiteral("Fresa, 2");
    listing.entry.message = QStringLiteral("già \"fermo\"\ncosì");
    listing.entry.result = TransferResult::Failed;
    listing.revision = 3;
    const QString csv =
        QStringLiteral("Inizio,Fine,Chi,Macchina,Operazione,Programma,File,Programma C.N.,Byte,SHA-256,Revisione,"
                       "Esito,Messaggio\r\n2024-05-06T07:08:09Z,,,\"Fresa, 2\",invio seriale,,,,0,,3,fallito,"
                       "\"già \"\"fermo\"\"\ncosì\"\r\n");
    QCOMPARE(transferLogCsv({listing}), csv);
    // The window's columns follow the language; a file's columns, like its stored words, do not.
    QTranslator english;
    QVERIFY(english.load(QStringLiteral("truv_en"), QStringLiteral(TRUV_TRANSLATIONS_FOLDER)));
    QVERIFY(QCoreApplication::installTranslator(&english));
    QCOMPARE(transferLogHeader().first(), QStringLiteral("Start"));
    QCOMPARE(transferLogCsv({listing}), csv);
    QCoreApplication::removeTranslator(&english);
    QCOMPARE(tabSeparatedLine({"a\tb", "c\r\nd"}), QStringLiteral("a b\tc  d"));
}

int main(int argc, char **argv)
{
    return runOnBothBackends<TransferLogStoreTest>(argc, argv);
}

#include "tst_transferlogstore.moc"
