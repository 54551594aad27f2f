#include "archivestore.h"
#include "commandlinetext.h"
#include "postgresserver.h"
#include "sqlconnection.h"
#include "settingsstore.h"
#include "tempprogramfolder.h"
#include "transferlogstore.h"
#include "version.h"

#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTest>

#include <memory>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

// truvnet with no display at all: subcommands must not need one.
Run truvnet(const TempProgramFolder &temp, const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("TRUV_HOME"), temp.folder().root());
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TRUVNET_PATH), arguments);
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT
    std::unique_ptr<PostgresServer> m_server;

    // Started for the first test that needs it; null, with the reason in the log, if it cannot.
    PostgresServer *server()
    {
        if (!m_server) {
            m_server = std::make_unique<PostgresServer>();
            if (!m_server->start())
                qWarning("PostgreSQL test server: %s", qPrintable(m_server->error()));
        }
        return m_server->isRunning() ? m_server.get() : nullptr;
    }
    static void useArchiveServer(const DatabaseAddress &address)
    {
        SettingsStore().setValue(QStringLiteral("archive"), QStringLiteral("url"),
                                 address.isServer() ? address.url().toString() : QString());
    }

private slots:
    void cleanup() { useArchiveServer({}); }
    void machinesListedInFileOrder_data();
    void machinesListedInFileOrder();
    void mistypedSubcommandRefused();
    void programsListed_data();
    void programsListed();
    void copyArchive_data();
    void copyArchive();
    void versionAndHelp_data();
    void versionAndHelp();
    void helpShowsEverySubcommand_data();
    void helpShowsEverySubcommand();
    void transferLogListed_data();
    void transferLogListed();
    void linesTested_data();
    void linesTested();
};

void CommandLineTest::machinesListedInFileOrder_data()
{
    QTest::addColumn<QByteArray>("file");  // "missing" for no file
    QTest::addColumn<QString>("listing");
    QTest::addColumn<QString>("errors");   // %1: the machine file
    QTest::newRow("no machine") << QByteArray(" 0 \r\n") << QString() << QString();
    QTest::newRow("no machine file") << QByteArray("missing") << QString()
                                     << QStringLiteral("Il file %1 non esiste: nessuna macchina configurata.\n");
    QTest::newRow("broken line, long name")
        << QByteArray(" 0 \r\n\"T1\",1,\"9600,N,8,1\",0,\"\",\"\",0\r\n\"T2,2,\"4800,N,8,1\",0,\"\",\"\",0\r\n\"")
               + QByteArray(100000, 'X') + QByteArray("\",3,\"4800,N,8,1\",0,\"\",\"\",0\r\n")
        << QStringLiteral("1\tT1\tseriale\tCOM1\t9600,N,8,1\tNessuno\tCr + Lf\n2\t%1...\tseriale\tCOM3\t4800,N,8,1\tNessuno\tCr + Lf\n")
               .arg(QString(64, u'X'))
        << QStringLiteral("Righe del file %1 che non si possono leggere (restano nel file così come sono):\n"
                          "riga 3: testo dopo le virgolette di chiusura\n");
    QTest::newRow("serial and Ethernet")
        << QByteArray(" 1 \r\n\"TORNIO 1\",1,\"9600,E,7,2\",1,\"12\",\"\",0\r\n"
                      "\"FRESA 2\",2,\"127.0.0.1:8193,\",0,\"\",\"\",0\r\n"
                      "\"PUNZONATRICE\",3,\"4800,N,8,1\",3,\"\",\"14\",2\r\n")
        << QStringLiteral("1\tTORNIO 1\tseriale\tCOM1\t9600,E,7,2\tXon/Xoff\tCr + Lf\n"
                          "2\tFRESA 2\tEthernet\t127.0.0.1:8193\n"
                          "3\tPUNZONATRICE\tseriale\tCOM3\t4800,N,8,1\tXon/RTS\tCr\n")
        << QString();
}

void CommandLineTest::machinesListedInFileOrder()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, listing);
    QFETCH(QString, errors);
    TempProgramFolder temp;
    if (file == "missing")
        QVERIFY(QFile::remove(temp.folder().machineFilePath()));
    else
        temp.writeFile(QStringLiteral("cncsett.dat"), file);
    const Run run = truvnet(temp, {QStringLiteral("machines")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, listing);
    QCOMPARE(run.err, errors.isEmpty() ? errors : errors.arg(temp.folder().machineFilePath()));
}

void CommandLineTest::mistypedSubcommandRefused()
{
    TempProgramFolder temp;
    const Run run = truvnet(temp, {QStringLiteral("sned"), QStringLiteral("TORNIO"), QStringLiteral("P1")});
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.err, CommandLineText::Usage);
}

void CommandLineTest::versionAndHelp_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("out");
    QTest::newRow("--version") << "--version" << QStringLiteral("truvnet " TRUV_VERSION "\n");
    QTest::newRow("--help") << "--help" << QString(CommandLineText::Usage);
}

// Both answer on standard output and succeed, with no display and no program folder.
void CommandLineTest::versionAndHelp()
{
    QFETCH(QString, option);
    QFETCH(QString, out);
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    const Run run = truvnet(temp, {option});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, out);
    QCOMPARE(run.err, QString());
    QVERIFY(!QFile::exists(temp.folder().archivePath()));
}

void CommandLineTest::helpShowsEverySubcommand_data()
{
    QTest::addColumn<QString>("subcommand");
    for (const char *subcommand : {"machines", "send", "receive", "listen", "dir", "backup", "lines", "programs", "copy-archive", "log", "--init",
                                   "import-access", "--version", "--help"})
        QTest::newRow(subcommand) << QString::fromLatin1(subcommand);
}

void CommandLineTest::helpShowsEverySubcommand()
{
    QFETCH(QString, subcommand);
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    const Run run = truvnet(temp, {QStringLiteral("--help")});
    QVERIFY2(run.out.contains(QStringLiteral("truvnet ") + subcommand), qPrintable(run.out));
}

void CommandLineTest::programsListed_data()
{
    QTest::addColumn<bool>("onServer");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("numbers"); // the first column of each line
    for (const bool onServer : {false, true}) {
        const auto newRow = [onServer](const char *name) -> QTestData & {
            return QTest::addRow("%s, %s", onServer ? "server" : "file", name) << onServer;
        };
        newRow("every program, by number") << QStringList{} << 0 << QStringList{"3", "7", "12"};
        newRow("customer, case ignored") << QStringList{"--customer", "rossi"} << 0 << QStringList{"3", "12"};
        newRow("drawing prefix with a wildcard") << QStringList{"--drawing", "fl*00"} << 0 << QStringList{"3", "12"};
        newRow("description prefix") << QStringList{"--description", "FLANGIA D"} << 0 << QStringList{"12"};
        newRow("number") << QStringList{"--number", "7"} << 0 << QStringList{"7"};
        newRow("number not archived") << QStringList{"--number", "99"} << 1 << QStringList{};
        newRow("option without its value") << QStringList{"--customer"} << 2 << QStringList{};
        newRow("two options") << QStringList{"--customer", "A", "--drawing", "B"} << 2 << QStringList{};
        newRow("number not a number") << QStringList{"--number", "x"} << 2 << QStringList{};
    }
}

void CommandLineTest::programsListed()
{
    QFETCH(bool, onServer);
    QFETCH(QStringList, options);
    PostgresServer *database = onServer ? server() : nullptr;
    QVERIFY2(database || !onServer, "no PostgreSQL test server");
    TempProgramFolder temp(TempProgramFolder::Content::Initialised, database);
    useArchiveServer(temp.folder().archiveDatabase());
    {
        auto archive = temp.openArchive();
        const ArchiveRecord records[] = {{12, "Rossi", "FL-200", "FLANGIA DOPPIA", {}, "FRE"},
                                         {3, "ROSSI", "FL-100", "FLANGIA", "nota", "TOR"},
                                         {7, "Bianchi", "AL-7", "ALBERO\tLUNGO", {}, {}}};
        for (const ArchiveRecord &record : records)
            QVERIFY(archive->add(record));
    }
    const Run run = truvnet(temp, QStringList{QStringLiteral("programs")} + options);
    QTEST(run.exitCode, "exitCode");
    QStringList numbers;
    for (const QString &line : run.out.split(u'\n', Qt::SkipEmptyParts)) {
        QCOMPARE(line.count(u'\t'), 4);
        numbers.append(line.section(u'\t', 0, 0));
    }
    QTEST(numbers, "numbers");
    if (numbers.contains(QStringLiteral("7")))
        QVERIFY(run.out.contains(QStringLiteral("7\tBianchi\tAL-7\tALBERO LUNGO\t\n")));
    if (numbers.contains(QStringLiteral("3")))
        QVERIFY(run.out.contains(QStringLiteral("3\tROSSI\tFL-100\tFLANGIA\tTOR\n")));
    QCOMPARE(run.err.isEmpty(), run.exitCode == 0);
}

void CommandLineTest::copyArchive_data()
{
    QTest::addColumn<QString>("target"); // "empty", "with rows", "no server", "not an address"
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("error");
    QTest::newRow("into an empty database") << "empty" << 0 << QString();
    QTest::newRow("into a database that has rows") << "with rows" << 1 << QStringLiteral("non è vuoto");
    QTest::newRow("server not answering") << "no server" << 1 << QStringLiteral("127.0.0.1");
    QTest::newRow("not a server address") << "not an address" << 2 << QStringLiteral("copy-archive");
}

void CommandLineTest::copyArchive()
{
    QFETCH(QString, target);
    PostgresServer *database = server();
    QVERIFY2(database, "no PostgreSQL test server");
    TempProgramFolder temp;
    {
        auto archive = temp.openArchive();
        QVERIFY(archive->add({12, "Rossi", "FL-200", "FLANGIA DOPPIA", "riga 1\r\nriga 2", "FRE"}));
        QVERIFY(archive->add({3, "D'ANGELO", "FL-100", "FLANGIA", {}, {}}));
        QVERIFY(archive->reserve(13)); // a row begun and never saved is copied as it is
        SqlConnection catalogue;
        QVERIFY(catalogue.openExisting(temp.folder().catalogPath()));
        QVERIFY(QSqlQuery(catalogue.database())
                    .exec(QStringLiteral("INSERT INTO immagini VALUES (12, 1, '.jpg', 'staffaggio', 'lungo'), "
                                         "(12, 2, 'jpeg', 'pezzo', NULL)")));
    }
    DatabaseAddress address = database->createDatabase();
    QString url = address.url().toString();
    if (target == u"with rows")
        QVERIFY(ArchiveStore::createEmpty(address) && ArchiveStore::open(address)->add({1, "A", "B", "C", {}, {}}));
    else if (target == u"no server")
        url = QStringLiteral("postgresql://truv@127.0.0.1:1/truv");
    else if (target == u"not an address")
        url = QStringLiteral("/srv/truv.mdb");

    // A revision and two log rows, which must reach the server in their order.
    for (const char *text : {"%\r\nO12\r\nG0 X1\r\n%\r\n", "%\r\nO12\r\nG0 X2\r\n%\r\n"}) {
        QFile newText(temp.path(QStringLiteral("nuovo.nc")));
        QVERIFY(newText.open(QIODevice::WriteOnly) && newText.write(text) == qint64(qstrlen(text)));
        newText.close();
        QCOMPARE(truvnet(temp, {QStringLiteral("store"), QStringLiteral("12"), newText.fileName()}).exitCode, 0);
    }
    {
        SqlConnection file;
        QVERIFY(file.openExisting(temp.folder().archivePath()));
        QVERIFY(QSqlQuery(file.database())
                    .exec(QStringLiteral("INSERT INTO trasferimenti (inizio, macchina, operazione, byte, esito) VALUES "
                                         "('2026-01-02T08:00:00Z', 'FRESA', 'invio seriale', 10, 'riuscito'), "
                                         "('2026-01-02T08:00:00Z', 'FRESA', 'invio seriale', 20, 'fallito')")));
    }

    const Run copy = truvnet(temp, {QStringLiteral("copy-archive"), url});
    QTEST(copy.exitCode, "exitCode");
    QFETCH(QString, error);
    if (!error.isEmpty()) {
        QVERIFY2(copy.err.contains(error), qPrintable(copy.err));
        if (target == u"with rows")
            QCOMPARE(ArchiveStore::open(address)->lastNumber(), std::optional<qint32>(1));
        return;
    }
    QVERIFY2(copy.out.contains(QStringLiteral("cicli: 3 righe nel file, 3 sul server")), qPrintable(copy.out + copy.err));
    QVERIFY(copy.out.contains(QStringLiteral("immagini: 2 righe nel file, 2 sul server")));
    QVERIFY(copy.out.contains(QStringLiteral("revisioni: 1 righe nel file, 1 sul server")));
    QVERIFY(copy.out.contains(QStringLiteral("trasferimenti: 2 righe nel file, 2 sul server")));

    // The program, pointed at the server, lists what it listed from the file: programs, the
    // revision with its text, the log in its order.
    const QList<QStringList> listings{{"programs"}, {"revisions", "12"}, {"diff", "12", "1"}, {"log"}};
    QList<Run> fromFile;
    for (const QStringList &listing : listings)
        fromFile.append(truvnet(temp, listing));
    useArchiveServer(address);
    for (qsizetype i = 0; i < listings.size(); ++i) {
        const Run fromServer = truvnet(temp, listings.at(i));
        QCOMPARE(fromServer.out, fromFile.at(i).out);
        QCOMPARE(fromServer.exitCode, fromFile.at(i).exitCode);
    }
    QVERIFY(fromFile.last().out.indexOf(u"\t20\t") < fromFile.last().out.indexOf(u"\t10\t"));
    auto copied = ArchiveStore::open(address);
    QCOMPARE(copied->seek(12)->memo, QStringLiteral("riga 1\r\nriga 2"));
    QVERIFY(copied->contains(13));
    SqlConnection pictures;
    QVERIFY(pictures.openExisting(address));
    QSqlQuery rows(pictures.database());
    QVERIFY(rows.exec(QStringLiteral("SELECT tipo, desclunga FROM immagini WHERE progressivo = 12 ORDER BY np")));
    QVERIFY(rows.next() && rows.value(0).toString() == u".jpg" && rows.value(1).toString() == u"lungo");
    QVERIFY(rows.next() && rows.value(0).toString() == u"jpeg" && rows.value(1).isNull());
}

void CommandLineTest::linesTested_data()
{
    QTest::addColumn<QString>("com3"); // where COM3 points
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("status");
    QTest::newRow("every line answers") << "pty" << 0 << "OK";
    QTest::newRow("a device missing") << "/nonexistent/tty" << 1 << "KO!";
}

// The line test from a script: this computer's own address answers the ping.
void CommandLineTest::linesTested()
{
    QFETCH(QString, com3);
    const int pty = ::posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(pty >= 0 && ::grantpt(pty) == 0 && ::unlockpt(pty) == 0);
    SettingsStore().setValue(QStringLiteral("ports"), QStringLiteral("COM3"),
                             com3 == u"pty" ? QString::fromLocal8Bit(::ptsname(pty)) : com3);
    TempProgramFolder temp;
    temp.writeFile(QStringLiteral("cncsett.dat"), " 0 \r\n\"FRESA\",0,\"127.0.0.1:8193,\",0,\"\",\"\",0\r\n"
                                                  "\"TORNIO\",3,\"9600,E,7,2\",0,\"\",\"\",0\r\n");
    const Run run = truvnet(temp, {QStringLiteral("lines")});
    ::close(pty);
    QTEST(run.exitCode, "exitCode");
    QFETCH(QString, status);
    QCOMPARE(run.out, "Ether\t127.0.0.1\tOK\tFRESA\n" + QString(39, u'-') + "\nCOM3\t\t\t" + status
                          + "\tTORNIO\nTest terminato\n");
    QCOMPARE(run.err, QString());
}

void CommandLineTest::transferLogListed_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("lines"); // the file column of each line; CSV lines whole
    QTest::newRow("all, newest first") << QStringList{} << 0 << QStringList{"d", "c", "b", "a"};
    QTest::newRow("--machine, any case") << QStringList{"--machine", "tornio"} << 0 << QStringList{"c", "a"};
    QTest::newRow("--program --failed") << QStringList{"--program", "7", "--failed"} << 0 << QStringList{"d", "b"};
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    QTest::newRow("--since today") << QStringList{"--since", today} << 0 << QStringList{"d", "c"};
    QTest::newRow("--until two days ago") << QStringList{"--until", QDate::currentDate().addDays(-2).toString(Qt::ISODate)}
                                          << 0 << QStringList{"b", "a"};
    QTest::newRow("--csv") << QStringList{"--machine", "FRESA", "--until", QDate::currentDate().addDays(-1).toString(Qt::ISODate), "--csv"} << 0
                           << QStringList{"Inizio,Fine,Chi,Macchina,Operazione,Programma,File,Programma C.N.,Byte,"
                                          "SHA-256,Revisione,Esito,Messaggio",
                                          ",,,FRESA,invio Ethernet,7,b,,0,,,fallito,\"Errore, linea\""};
    QTest::newRow("a date that is none") << QStringList{"--since", "2024-02-30"} << 2 << QStringList{};
    QTest::newRow("an unknown option") << QStringList{"--all"} << 2 << QStringList{};
}

void CommandLineTest::transferLogListed()
{
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QStringList, lines);
    TempProgramFolder temp;
    {
        const auto archive = temp.openArchive();
        TransferLogStore store(*archive);
        const QDateTime now = QDateTime::currentDateTimeUtc();
        for (const auto &[file, machine, program, daysAgo, result] :
             {std::tuple{"a", "Tornio", 5, 3, TransferResult::Succeeded},
              std::tuple{"b", "FRESA", 7, 2, TransferResult::Failed}, std::tuple{"c", "TORNIO", 5, 0, TransferResult::Succeeded},
              std::tuple{"d", "FRESA", 7, 0, TransferResult::Interrupted}}) {
            TransferEntry entry;
            entry.fileName = QString::fromLatin1(file);
            entry.machine = QString::fromLatin1(machine);
            entry.operation = TransferOperation::EthernetDownload;
            entry.archiveProgram = program;
            entry.started = now.addDays(-daysAgo).addSecs(*file == 'd' ? 1 : 0);
            entry.result = result;
            entry.message = QStringLiteral("Errore, linea");
            QVERIFY(store.finish(entry));
        }
    }
    const Run run = truvnet(temp, QStringList{QStringLiteral("log")} + options);
    QCOMPARE(run.exitCode, exitCode);
    if (exitCode != 0) {
        QCOMPARE(run.err, CommandLineText::Usage);
        return;
    }
    QStringList listed = run.out.split(options.contains(u"--csv") ? QStringLiteral("\r\n") : QStringLiteral("\n"));
    QCOMPARE(listed.takeLast(), QString());
    if (!options.contains(u"--csv")) {
        for (QString &line : listed)
            line = line.section(u'\t', 6, 6);
    } else {
        listed[1] = listed.at(1).section(u',', 2);
        listed[1].prepend(QStringLiteral(",,"));
    }
    QCOMPARE(listed, lines);
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
