#include "checkmulti.h"
#include "cncdirectory.h"
#include "cncresults.h"
#include "cncsimprocess.h"
#include "focaslibrary.h"
#include "frmeth.h"
#include "scripteddialogs.h"
#include "settingsstore.h"
#include "tempprogramfolder.h"
#include "textfile.h"
#include "truvnetprocess.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <QElapsedTimer>

#include <csignal>
#include <cstring>

// The run-time binding with the simulated CNC's library against the simulated CNC, and truvnet dir
// as a script runs it, all on 127.0.0.1.

namespace {

// A CNC memory of three programs.
void fillMemory(const QString &folder)
{
    const std::pair<const char *, const char *> programs[] = {
        {"O0001", "O0001 (PERNO)\nG0 X0\nM30\n"},
        {"O0100", "O0100 (FLANGIA)\nM30\n"},
        {"O9000", "O9000\nM99\n"},
    };
    for (const auto &[name, text] : programs)
        QVERIFY(TextFile::writeAtomically(QDir(folder).filePath(QString::fromLatin1(name)), QByteArray(text)));
}

using Programs = QMap<QString, QByteArray>;

} // namespace

class CncBindingTest : public QObject {
    Q_OBJECT
private slots:
    void callsReachTheCnc_data();
    void callsReachTheCnc();
    void windowReceivesFromTheCnc();
    void windowSendsToTheCnc_data();
    void windowSendsToTheCnc();
    void receiveFromCommand_data();
    void receiveFromCommand();
    void dirCommand_data();
    void dirCommand();
    void sendCommand_data();
    void sendCommand();
    void interruptedCommand_data();
    void interruptedCommand();
};

void CncBindingTest::callsReachTheCnc_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("connectResult");
    QTest::addColumn<int>("deleteResult");
    QTest::newRow("a CNC that obeys") << QStringList{} << int(EW_OK) << int(EW_OK);
    QTest::newRow("delete refused") << QStringList{QStringLiteral("--refuse-delete"), QStringLiteral("7")} << int(EW_OK)
                                    << int(EW_PROT);
    QTest::newRow("connection refused") << QStringList{QStringLiteral("--refuse-connect")} << int(EW_SOCKET) << 0;
}

void CncBindingTest::callsReachTheCnc()
{
    QFETCH(QStringList, options);
    QFETCH(int, connectResult);
    QFETCH(int, deleteResult);
    QTemporaryDir memory;
    fillMemory(memory.path());
    CncSimProcess cnc(QStringLiteral(CNCSIM), memory.path(), options + QStringList{QStringLiteral("--main"), QStringLiteral("100")});
    const quint16 port = cnc.port();
    QVERIFY(port > 0);

    FocasLibrary library(QStringLiteral(LIBCNCSIM));
    QVERIFY2(library.isLoaded(), qPrintable(library.loadError()));
    unsigned short handle = 0;
    QCOMPARE(int(library.cnc_allclibhndl3("127.0.0.1", port, 10, &handle)), connectResult);
    if (connectResult != EW_OK) {
        QCOMPARE(testoerrore(short(connectResult)), QStringLiteral("Manca la connessione"));
        library.cnc_freelibhndl(handle);
        return;
    }
    ODBSYS info{};
    QCOMPARE(library.cnc_sysinfo(handle, &info), short(EW_OK));
    QCOMPARE(QByteArray(info.cnc_type, 2), QByteArray("31"));
    ODBPRO numbers{};
    QCOMPARE(library.cnc_rdprgnum(handle, &numbers), short(EW_OK));
    QCOMPARE(int(numbers.mdata), 100);

    CncDirectory directory = readCncDirectory(library, handle);
    QCOMPARE(directory.result, short(EW_OK));
    QCOMPARE(int(directory.programs.size()), 3);
    QCOMPARE(directory.programs.at(0).comment, QByteArray("PERNO"));
    QCOMPARE(directory.programs.at(1).size, long(QByteArray("O0100 (FLANGIA)\nM30\n").size()));

    QCOMPARE(int(library.cnc_delete(handle, 9000)), deleteResult);
    QCOMPARE(library.cnc_renameprog(handle, 1, 2), short(EW_OK));
    directory = readCncDirectory(library, handle);
    QStringList listed;
    for (const CncProgramEntry &program : directory.programs)
        listed.append(programNumberText(program.number));
    QCOMPARE(listed, deleteResult == EW_OK ? QStringList({"O0002", "O0100"}) : QStringList({"O0002", "O0100", "O9000"}));
    QCOMPARE(library.cnc_freelibhndl(handle), short(EW_OK));
}

void CncBindingTest::windowReceivesFromTheCnc()
{
    QTemporaryDir memory;
    fillMemory(memory.path());
    CncSimProcess cnc(QStringLiteral(CNCSIM), memory.path(), {QStringLiteral("--busy"), QStringLiteral("2")});
    const auto library = std::make_shared<FocasLibrary>(QStringLiteral(LIBCNCSIM));
    ScriptedDialogs dialogs;
    QByteArray handedBack;
    {
        frmeth window(library, dialogs);
        window.setHandBack({}, [&handedBack](const QByteArray &text) { handedBack = text; });
        window.open(1, QStringLiteral("127.0.0.1:%1,").arg(cnc.port()), {});
        auto *grid = window.findChild<QTableWidget *>(QStringLiteral("MSFlexGrid1"));
        auto *receive = window.findChild<QPushButton *>(QStringLiteral("Command1"));
        QTRY_COMPARE(grid->rowCount(), 3);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(0, 0)).center());
        receive->click();
        QTRY_COMPARE(window.findChild<QListWidget *>(QStringLiteral("List1"))->count(), 3);
        QTRY_VERIFY(receive->isEnabled());
        window.findChild<QPushButton *>(QStringLiteral("Command2"))->click();
    }
    QCOMPARE(handedBack, QByteArray("O0001 (PERNO)\r\nG0 X0\r\nM30\r\n"));
    QVERIFY(dialogs.shown.isEmpty());
}

void CncBindingTest::windowSendsToTheCnc_data()
{
    QTest::addColumn<QStringList>("options"); // cncsim's
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("memory"); // afterwards
    const QStringList before{"O0001", "O0100", "O9000"};
    QTest::newRow("busy three times") << QStringList{"--busy", "3"} << QStringList{"Programma inviato.."}
                                      << QStringList{"O0001", "O0100", "O0300", "O0301", "O0302", "O9000"};
    QTest::newRow("refused, detail 4") << QStringList{"--reject-detail", "4"}
                                       << QStringList{"Programma già presente sul CN", "Correggere e ripetere l'invio"}
                                       << before;
    QTest::newRow("connection cut") << QStringList{"--drop-after", "1500"} << QStringList{"Manca la connessione"}
                                    << before;
}

// The terminal's three programs sent through the window, as the user does it.
void CncBindingTest::windowSendsToTheCnc()
{
    QFETCH(QStringList, options);
    QTemporaryDir memory;
    fillMemory(memory.path());
    CncSimProcess cnc(QStringLiteral(CNCSIM), memory.path(), options);
    const auto library = std::make_shared<FocasLibrary>(QStringLiteral(LIBCNCSIM));
    ScriptedDialogs dialogs;
    const QByteArray text = "%\r\nO0001 (MAIN)\r\nM98 P0002\r\nM98 P0003\r\nM30\r\nO0002\r\n"
                            + QByteArray(200000, 'X') + "\r\nM99\r\nO0003\r\nM99\r\n%\r\n";
    {
        frmeth window(library, dialogs);
        window.open(0, QStringLiteral("127.0.0.1:%1,").arg(cnc.port()), text);
        auto *grid = window.findChild<QTableWidget *>(QStringLiteral("MSFlexGrid1"));
        QTRY_COMPARE(grid->rowCount(), 3);
        window.findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("O300"));
        window.findChild<QPushButton *>(QStringLiteral("Command1"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(dialogs.shown.size() >= 1, checkmulti::CloseAfterMs + 10000);
        QTRY_VERIFY(window.findChild<QPushButton *>(QStringLiteral("Command1"))->isEnabled());
        QTest::qWait(100); // a second box follows the first at once, if there is one
    }
    QTEST(dialogs.texts(), "shown");
    QTEST(QDir(memory.path()).entryList(QDir::Files), "memory");
}

void CncBindingTest::receiveFromCommand_data()
{
    QTest::addColumn<QString>("machine");
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("err");
    QTest::newRow("received") << QStringLiteral("FRESA ETH") << QStringLiteral("O1") << 0
                              << QByteArray("O0001 (PERNO)\r\nG0 X0\r\nM30\r\n") << QString();
    // The refused start is told at once; the file stays as it was.
    QTest::newRow("not in the CNC") << QStringLiteral("FRESA ETH") << QStringLiteral("O0002") << 1 << QByteArray("old")
                                    << QStringLiteral("Programma non esiste nel CN\n");
    QTest::newRow("serial machine") << QStringLiteral("TORNIO") << QStringLiteral("O1") << 2 << QByteArray("old")
                                    << QStringLiteral("--from legge un programma dal C.N. di una macchina Ethernet; "
                                                      "TORNIO è una macchina seriale.\n");
}

void CncBindingTest::receiveFromCommand()
{
    QFETCH(QString, machine);
    QFETCH(QString, from);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, file);
    QFETCH(QString, err);
    QTemporaryDir memory;
    fillMemory(memory.path());
    CncSimProcess cnc(QStringLiteral(CNCSIM), memory.path(), {QStringLiteral("--busy"), QStringLiteral("1")});
    TempProgramFolder temp;
    temp.writeFile(QStringLiteral("cncsett.dat"),
                   QStringLiteral(" 0 \r\n\"TORNIO\",1,\"9600,E,7,2\",1,\"\",\"\",0\r\n"
                                  "\"FRESA ETH\",1,\"127.0.0.1:%1,\",0,\"\",\"\",0\r\n")
                       .arg(cnc.port())
                       .toLatin1());
    temp.writeFile(QStringLiteral("ricevuto.nc"), "old");
    SettingsStore().setValue(QStringLiteral("cnc"), QStringLiteral("library"), QStringLiteral(LIBCNCSIM));

    QProcess truvnet;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TRUV_HOME"), temp.folder().root());
    truvnet.setProcessEnvironment(env);
    truvnet.start(QStringLiteral(TRUVNET_PATH), {QStringLiteral("receive"), machine, temp.path(QStringLiteral("ricevuto.nc")),
                                                  QStringLiteral("--from"), from});
    QVERIFY(truvnet.waitForFinished(20000));
    QCOMPARE(QString::fromUtf8(truvnet.readAllStandardError()), err);
    QCOMPARE(truvnet.exitCode(), exitCode);
    QCOMPARE(*TextFile::read(temp.path(QStringLiteral("ricevuto.nc"))), file);
}

void CncBindingTest::dirCommand_data()
{
    QTest::addColumn<bool>("cncRunning");
    QTest::addColumn<QString>("library");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QString>("errStart");
    QTest::newRow("listed") << true << QStringLiteral(LIBCNCSIM) << 0
                            << QByteArray("O0001\t24\tPERNO\nO0100\t20\tFLANGIA\nO9000\t10\t\n") << QString();
    QTest::newRow("no CNC there") << false << QStringLiteral(LIBCNCSIM) << 1 << QByteArray()
                                  << QStringLiteral("Manca la connessione\n");
    QTest::newRow("no library") << true << QStringLiteral("/nonexistent/libfwlib32.so") << 1 << QByteArray()
                                << QStringLiteral("Controllare le DLL\nLibreria del C.N. non caricata: ");
}

void CncBindingTest::dirCommand()
{
    QFETCH(bool, cncRunning);
    QFETCH(QString, library);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, out);
    QFETCH(QString, errStart);
    QTemporaryDir memory;
    fillMemory(memory.path());
    quint16 port = 1;
    std::unique_ptr<CncSimProcess> cnc;
    if (cncRunning) {
        cnc = std::make_unique<CncSimProcess>(QStringLiteral(CNCSIM), memory.path());
        port = cnc->port();
    } else {
        // A port that was free a moment ago: nothing listens there.
        CncSimProcess gone(QStringLiteral(CNCSIM), memory.path());
        port = gone.port();
    }
    TempProgramFolder temp;
    temp.writeFile(QStringLiteral("cncsett.dat"),
                   QStringLiteral(" 0 \r\n\"FRESA ETH\",1,\"127.0.0.1:%1,\",0,\"\",\"\",0\r\n").arg(port).toLatin1());
    SettingsStore().setValue(QStringLiteral("cnc"), QStringLiteral("library"), library);

    QProcess truvnet;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TRUV_HOME"), temp.folder().root());
    truvnet.setProcessEnvironment(env);
    truvnet.start(QStringLiteral(TRUVNET_PATH), {QStringLiteral("dir"), QStringLiteral("fresa eth")});
    QVERIFY(truvnet.waitForFinished(20000));
    const QString err = QString::fromUtf8(truvnet.readAllStandardError());
    QCOMPARE(truvnet.exitCode(), exitCode);
    QCOMPARE(truvnet.readAllStandardOutput(), out);
    QVERIFY2(errStart.isEmpty() ? err.isEmpty() : err.startsWith(errStart), qPrintable(err));
}

void CncBindingTest::sendCommand_data()
{
    QTest::addColumn<QStringList>("options"); // cncsim's
    QTest::addColumn<QString>("machine");
    QTest::addColumn<QStringList>("arguments"); // after the machine; "text" is the file holding the text
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("err");
    QTest::addColumn<Programs>("stored"); // programs that the CNC memory gains

    const QByteArray three = "%\r\nO0001 (MAIN)\r\nM98 P0002\r\nM98 P030003\r\nM30\r\nO0002\r\nG0 X0\r\nM99\r\n"
                             "O0003\r\nG1 X1\r\nM99\r\n%\r\n";
    const QByteArray one = "O0005 (PROVA)\r\nG0 X0\r\nM30\r\n";
    const QString sent = QStringLiteral("Programma inviato..\n");
    const QString refused = QStringLiteral("Programma già presente sul CN\nCorreggere e ripetere l'invio\n");
    const QStringList text{"text"};
    QTest::newRow("three programs, busy, verified")
        << QStringList{"--busy", "3"} << "fresa eth" << QStringList{"text", "--as", "O200", "--verify"} << three << 0
        << sent + "Verifica: i programmi nel C.N. sono uguali a quelli inviati.\n"
        << Programs{{"O0200", "O0200(MAIN)\nM98 P0201\nM98 P030202\nM30\n"},
                                     {"O0201", "O0201\nG0 X0\nM99\n"},
                                     {"O0202", "O0202\nG1 X1\nM99\n"}};
    QTest::newRow("archived program") << QStringList{} << "FRESA ETH" << QStringList{"--program", "7", "--as", "300"}
                                      << one << 0 << sent
                                      << Programs{{"O0300", "O0300(PROVA)\nG0 X0\nM30\n"}};
    QTest::newRow("refused with a detail") << QStringList{"--reject-detail", "4"} << "FRESA ETH"
                                           << QStringList{"text", "--as", "O300"} << one << 1 << refused
                                           << Programs{};
    QTest::newRow("subprogram number taken")
        << QStringList{} << "FRESA ETH" << QStringList{"text", "--as", "O8999"} << three << 1
        << QStringLiteral("Già presente su CN: O9000\nProgramma non inviato: --continue per inviarlo comunque.\n")
        << Programs{};
    QTest::newRow("taken, sent all the same: the CNC refuses")
        << QStringList{} << "FRESA ETH" << QStringList{"text", "--as", "O8999", "--continue"} << three << 1 << refused
        << Programs{};
    QTest::newRow("short calls and L words followed, verified")
        << QStringList{} << "FRESA ETH" << QStringList{"text", "--as", "O400", "--verify"}
        << QByteArray("O1 (MAIN)\r\nM98 P2 L3\r\nM30\r\nO2 (SUB)\r\nG0 X0\r\nM99\r\n") << 0
        << sent + "Verifica: i programmi nel C.N. sono uguali a quelli inviati.\n"
        << Programs{{"O0400", "O0400(MAIN)\nM98 P0401 L3\nM30\n"}, {"O0401", "O0401 (SUB)\nG0 X0\nM99\n"}};
    QTest::newRow("O1 with O0001 on the CNC, --continue")
        << QStringList{} << "FRESA ETH" << QStringList{"text", "--as", "O1", "--continue"} << one << 1
        << QStringLiteral("Il programma esiste sul CN\n") << Programs{};
    QTest::newRow("a % in a comment") << QStringList{} << "FRESA ETH" << QStringList{"text", "--as", "O300"}
        << QByteArray("O0005\r\n(SET %5)\r\nM30\r\n") << 1
        << QStringLiteral("Riga 2: (SET %5)\nIl carattere % chiude il programma sul C.N.: toglierlo e ripetere "
                          "l'invio.\n") << Programs{};
    QTest::newRow("destination on the CNC") << QStringList{} << "FRESA ETH" << QStringList{"text", "--as", "O0100"}
                                            << one << 1 << QStringLiteral("Il programma esiste sul CN\n")
                                            << Programs{};
    QTest::newRow("not a part program") << QStringList{} << "FRESA ETH" << QStringList{"text", "--as", "O300"}
                                        << QByteArray("O1\r\nM30\r\n") << 1
                                        << QStringLiteral("Formato part program errato\n") << Programs{};
    QTest::newRow("connection cut during the send")
        << QStringList{"--drop-after", "400"} << "FRESA ETH" << QStringList{"text", "--as", "O300"}
        << one + QByteArray(200000, 'X') + "\r\n" << 1 << QStringLiteral("Manca la connessione\n")
        << Programs{};
    QTest::newRow("Ethernet machine without a destination")
        << QStringList{} << "FRESA ETH" << text << one << 2
        << QStringLiteral("FRESA ETH è una macchina Ethernet: indicare con --as il numero sotto cui scrivere il "
                          "programma nel C.N.\n")
        << Programs{};
    QTest::newRow("serial machine with a destination")
        << QStringList{} << "TORNIO" << QStringList{"text", "--as", "O300"} << one << 2
        << QStringLiteral("--as scrive un programma nel C.N. di una macchina Ethernet; TORNIO è una macchina seriale.\n")
        << Programs{};
}

void CncBindingTest::sendCommand()
{
    QFETCH(QStringList, options);
    QFETCH(QString, machine);
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, text);
    QTemporaryDir memory;
    fillMemory(memory.path());
    const QStringList before = QDir(memory.path()).entryList(QDir::Files);
    CncSimProcess cnc(QStringLiteral(CNCSIM), memory.path(), options);
    TempProgramFolder temp;
    temp.writeFile(QStringLiteral("cncsett.dat"),
                   QStringLiteral(" 0 \r\n\"TORNIO\",1,\"9600,E,7,2\",1,\"\",\"\",0\r\n"
                                  "\"FRESA ETH\",1,\"127.0.0.1:%1,\",0,\"\",\"\",0\r\n")
                       .arg(cnc.port())
                       .toLatin1());
    temp.writeFile(QStringLiteral("testo.nc"), text);
    temp.writeFile(QStringLiteral("dati/P0000007"), text);
    SettingsStore().setValue(QStringLiteral("cnc"), QStringLiteral("library"), QStringLiteral(LIBCNCSIM));
    for (QString &argument : arguments) {
        if (argument == u"text")
            argument = temp.path(QStringLiteral("testo.nc"));
    }

    QProcess truvnet;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TRUV_HOME"), temp.folder().root());
    truvnet.setProcessEnvironment(env);
    truvnet.start(QStringLiteral(TRUVNET_PATH), QStringList{QStringLiteral("send"), machine} + arguments);
    QVERIFY(truvnet.waitForFinished(20000));
    QTEST(QString::fromUtf8(truvnet.readAllStandardError()), "err");
    QTEST(truvnet.exitCode(), "exitCode");
    QFETCH(Programs, stored);
    QStringList after = QDir(memory.path()).entryList(QDir::Files);
    for (const QString &name : before)
        after.removeOne(name);
    QCOMPARE(after, stored.keys());
    for (auto program = stored.cbegin(); program != stored.cend(); ++program)
        QCOMPARE(*TextFile::read(QDir(memory.path()).filePath(program.key())), program.value());
}

void CncBindingTest::interruptedCommand_data()
{
    QTest::addColumn<QStringList>("options"); // cncsim's
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("err");
    // A CNC that never answers the connection: the call blocks for its whole time-out.
    QTest::newRow("send, Ctrl+C in a blocked call") << QStringList{"--stall-after", "0"}
        << QStringList{"send", "FRESA ETH", "text", "--as", "O300"} << SIGINT << 130
        << QStringLiteral("Invio interrotto dall'utente.\n");
    QTest::newRow("receive, SIGTERM in a blocked call") << QStringList{"--stall-after", "0"}
        << QStringList{"receive", "FRESA ETH", "ricevuto.nc", "--from", "O1"} << SIGTERM << 143
        << QStringLiteral("Ricezione interrotta dall'utente.\n");
    // A CNC that stays busy: the stop comes between calls.
    QTest::newRow("receive, SIGINT while busy") << QStringList{"--busy", "1000000"}
        << QStringList{"receive", "FRESA ETH", "ricevuto.nc", "--from", "O1"} << SIGINT << 130
        << QStringLiteral("Ricezione interrotta dall'utente.\n");
    QTest::newRow("dir, SIGTERM in a blocked call") << QStringList{"--stall-after", "0"}
        << QStringList{"dir", "FRESA ETH"} << SIGTERM << 143 << QStringLiteral("Interrotto dall'utente.\n");
}

// Ctrl+C and SIGTERM end a command on the CNC within a second or two, whatever the CNC does.
void CncBindingTest::interruptedCommand()
{
    QFETCH(QStringList, options);
    QFETCH(QStringList, arguments);
    QFETCH(int, signalNumber);
    QTemporaryDir memory;
    fillMemory(memory.path());
    CncSimProcess cnc(QStringLiteral(CNCSIM), memory.path(), options);
    TempProgramFolder temp;
    temp.writeFile(QStringLiteral("cncsett.dat"),
                   QStringLiteral(" 0 \r\n\"FRESA ETH\",1,\"127.0.0.1:%1,\",0,\"\",\"\",0\r\n").arg(cnc.port()).toLatin1());
    temp.writeFile(QStringLiteral("testo.nc"), "O0005\r\nG0 X0\r\nM30\r\n");
    SettingsStore().setValue(QStringLiteral("cnc"), QStringLiteral("library"), QStringLiteral(LIBCNCSIM));
    for (QString &argument : arguments) {
        if (argument == u"text")
            argument = temp.path(QStringLiteral("testo.nc"));
        else if (argument == u"ricevuto.nc")
            argument = temp.path(argument);
    }
    TruvnetProcess truvnet(QStringLiteral(TRUVNET_PATH), temp, arguments);
    QTest::qWait(700); // under way, inside the call or between busy answers
    QVERIFY(truvnet.running());
    QElapsedTimer stopping;
    stopping.start();
    truvnet.signal(signalNumber);
    QVERIFY(truvnet.finish(5000));
    QVERIFY2(stopping.elapsed() < 2500, qPrintable(QString::number(stopping.elapsed())));
    QTEST(truvnet.exitCode(), "exitCode");
    QTEST(truvnet.err(), "err");
    QVERIFY(!QFile::exists(temp.path(QStringLiteral("ricevuto.nc"))));
}

QTEST_MAIN(CncBindingTest)
#include "tst_cncbinding.moc"
