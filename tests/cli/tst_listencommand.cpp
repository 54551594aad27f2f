#include "archivestore.h"
#include "cncsimprocess.h"
#include "commandlinetext.h"
#include "dnctext.h"
#include "serialcncprocess.h"
#include "settingsstore.h"
#include "loggedtransfers.h"
#include "tempprogramfolder.h"
#include "testrecords.h"
#include "textfile.h"
#include "truvnetprocess.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

#include <csignal>

// truvnet listen as a shop runs it for days, with the simulated machine serialcnc punching
// programs on a real pseudo-terminal.

namespace {

constexpr int ComPort = 7;
const QString MachineName = QStringLiteral("CNC SERIALE");

class Truvnet : public TruvnetProcess {
public:
    Truvnet(const TempProgramFolder &temp, const QStringList &arguments)
        : TruvnetProcess(QStringLiteral(TRUVNET_PATH), temp, arguments)
    {
    }
};

// The serial machine on COM7 and an Ethernet one.
void writeMachines(const TempProgramFolder &temp, const QString &baud)
{
    temp.writeFile(QStringLiteral("cncsett.dat"),
                   QStringLiteral(" 0 \r\n\"%1\",%2,\"%3,N,8,1\",0,\"\",\"\",1\r\n"
                                  "\"FRESA ETH\",1,\"127.0.0.1:8193,\",0,\"\",\"\",0\r\n")
                       .arg(MachineName)
                       .arg(ComPort)
                       .arg(baud)
                       .toLatin1());
}

// serialcnc punching the tape each time the line opens, on COM7.
std::unique_ptr<SerialCncProcess> punching(const TempProgramFolder &temp, const QByteArray &tape, const QString &baud)
{
    temp.writeFile(QStringLiteral("tape"), tape);
    auto cnc = std::make_unique<SerialCncProcess>(
        QStringLiteral(SERIALCNC), QStringList{QStringLiteral("punch"), QStringLiteral("--baud"), baud,
                                               QStringLiteral("--in"), temp.path(QStringLiteral("tape")),
                                               QStringLiteral("--start-delay"), QStringLiteral("100")});
    if (!QTest::qWaitFor([&] { return cnc->ready(); }, 5000))
        qFatal("serialcnc gives no device");
    SettingsStore().setValue(QStringLiteral("ports"), QStringLiteral("COM%1").arg(ComPort), cnc->device());
    return cnc;
}

// The fields after the time: machine, file, characters and the note, if any.
QStringList withoutTimes(const QStringList &lines)
{
    QStringList result;
    for (const QString &line : lines)
        result.append(line.section(u'\t', 1));
    return result;
}

QByteArray dataFile(const TempProgramFolder &temp, const QString &name)
{
    return TextFile::read(QDir(temp.folder().dataDir()).filePath(name)).value_or("(missing)");
}

QStringList receivedFiles(const TempProgramFolder &temp)
{
    return QDir(temp.folder().dataDir()).entryList({"OUT*", "NEW*", "ERR*"}, QDir::Files, QDir::Name);
}

// A program of some length: at 1200 baud it takes seconds to punch.
QByteArray longProgram()
{
    QByteArray text = "%\nO0002\n";
    for (int i = 1; i <= 150; ++i)
        text += "N" + QByteArray::number(i * 10) + " G1 X" + QByteArray::number(i) + ".5\n";
    return text + "M30\n%\n";
}

} // namespace

class ListenCommandTest : public QObject {
    Q_OBJECT
private slots:
    void filesEachProgram_data();
    void filesEachProgram();
    void interruptedReception_data();
    void interruptedReception();
    void refused_data();
    void refused();
    void deviceUnpluggedAndBack();
    void answersRequests_data();
    void answersRequests();
    void answersCncRequests_data();
    void answersCncRequests();
};

void ListenCommandTest::filesEachProgram_data()
{
    QTest::addColumn<QByteArray>("tape");
    QTest::addColumn<QStringList>("waiting"); // in dati before
    QTest::addColumn<QStringList>("idle");
    QTest::addColumn<QStringList>("lines");   // standard output without the times
    QTest::addColumn<QStringList>("texts");   // of the files named there
    const QString first = QStringLiteral("%\r\nO0001\r\nG0 X1\r\nM30\r\n%\r\n");
    const QString second = QStringLiteral("%\r\nO0002 (YYY42)\r\nM30\r\n%\r\n");
    // Leader of NULs before and after, as a tape punch gives.
    const QByteArray twoPrograms = QByteArray(3, '\0') + "%\r\nO0001\r\nG0 X1\r\nM30\r\n%\r\n\n%\nO0002 (YYY42)\nM30\n%\n"
                                   + QByteArray(2, '\0');
    QTest::newRow("NEW, then OUT by its marker, each closed by %")
        << twoPrograms << QStringList() << QStringList()
        << QStringList{"CNC SERIALE\tNEW0000001\t25", "CNC SERIALE\tOUT0000042\t26"} << QStringList{first, second};
    QTest::newRow("OUT still waiting: NEW, and why")
        << twoPrograms << QStringList{"OUT0000042", "new0000006"} << QStringList()
        << QStringList{"CNC SERIALE\tNEW0000007\t25",
                       "CNC SERIALE\tNEW0000008\t26\tOUT0000042 è ancora in dati: salvato come nuovo programma"}
        << QStringList{first, second};
    QTest::newRow("ended by the idle time") << QByteArray("O0003\nM30\n") << QStringList() << QStringList{"--idle", "1"}
                                            << QStringList{"CNC SERIALE\tNEW0000001\t12"}
                                            << QStringList{"O0003\r\nM30\r\n"};
}

void ListenCommandTest::filesEachProgram()
{
    QFETCH(QByteArray, tape);
    QFETCH(QStringList, waiting);
    QFETCH(QStringList, idle);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, texts);
    TempProgramFolder temp;
    writeMachines(temp, QStringLiteral("115200"));
    for (const QString &name : waiting)
        temp.writeFile(QStringLiteral("dati/") + name, "waiting");
    const auto cnc = punching(temp, tape, QStringLiteral("115200"));

    Truvnet truvnet(temp, QStringList{QStringLiteral("listen"), QStringLiteral(" cnc seriale")} + idle);
    QTRY_COMPARE_WITH_TIMEOUT(truvnet.outLines().size(), lines.size(), 15000);
    truvnet.signal(SIGTERM);
    QVERIFY(truvnet.finish());

    QCOMPARE(truvnet.exitCode(), 0);
    QCOMPARE(withoutTimes(truvnet.outLines()), lines);
    QVERIFY(QDateTime::fromString(truvnet.outLines().first().section(u'\t', 0, 0), Qt::ISODate).isValid());
    for (int i = 0; i < lines.size(); ++i)
        QCOMPARE(QString::fromLatin1(dataFile(temp, lines.at(i).section(u'\t', 1, 1))), texts.at(i));
    QCOMPARE(receivedFiles(temp).size(), waiting.size() + lines.size());
    for (const QString &name : waiting)
        QCOMPARE(dataFile(temp, name), QByteArray("waiting"));
    QCOMPARE(truvnet.err(), CommandLineText::Listening.arg(MachineName).arg(ComPort) + u'\n');
    // Each program filed is in the transfer log, the newest first.
    QStringList logged;
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList fields = lines.at(i).split(u'\t');
        const QString archived = fields.at(1).startsWith(u"OUT") ? QString::number(fields.at(1).mid(3).toInt()) : QString();
        const QString cncProgram = QRegularExpression(QStringLiteral("O\\d{4}")).match(texts.at(i)).captured();
        logged.prepend(QStringList{fields.at(0), "ricezione DNC", archived, fields.at(1), cncProgram, fields.at(2),
                                   "riuscito"}
                           .join(u'\t'));
    }
    QCOMPARE(loggedTransfers(temp), logged);
}

void ListenCommandTest::interruptedReception_data()
{
    QTest::addColumn<int>("signalNumber"); // 0: the machine goes away instead
    QTest::newRow("machine unplugged mid-program: ERR") << 0;
    QTest::newRow("SIGTERM mid-program") << SIGTERM;
    QTest::newRow("Ctrl+C mid-program") << SIGINT;
}

void ListenCommandTest::interruptedReception()
{
    QFETCH(int, signalNumber);
    TempProgramFolder temp;
    writeMachines(temp, QStringLiteral("1200"));
    const QByteArray second = longProgram();
    auto cnc = punching(temp, "%\nO0001\nM30\n%\n" + second, QStringLiteral("1200"));

    Truvnet truvnet(temp, {QStringLiteral("listen"), MachineName});
    // The first program is filed: the second is on its way.
    QTRY_COMPARE_WITH_TIMEOUT(truvnet.outLines().size(), 1, 15000);
    QTest::qWait(500);
    if (signalNumber == 0) {
        cnc->kill();
        QTRY_COMPARE_WITH_TIMEOUT(truvnet.outLines().size(), 2, 15000);
        truvnet.signal(SIGTERM);
    } else {
        truvnet.signal(signalNumber);
    }
    QVERIFY(truvnet.finish());

    QCOMPARE(truvnet.exitCode(), 0);
    const QStringList lines = truvnet.outLines();
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.first().section(u'\t', 1), QStringLiteral("CNC SERIALE\tNEW0000001\t18"));
    const QString name = lines.last().section(u'\t', 2, 2);
    QByteArray text = dataFile(temp, name);
    if (signalNumber == 0) {
        // The line's message at the top, as standard error told it, then what came.
        QCOMPARE(name, QStringLiteral("ERR0000001"));
        const qsizetype top = text.indexOf("\r\n%\r\n");
        QVERIFY(top > 0);
        const QString message = QString::fromLatin1(text.left(top)).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QVERIFY2(truvnet.err().contains(MachineName + QStringLiteral(": ") + message), qPrintable(truvnet.err()));
        QCOMPARE(lines.last().section(u'\t', 4), message.section(u'\n', 0, 0));
        text = text.mid(top + 2);
    } else {
        QCOMPARE(name, QStringLiteral("NEW0000002"));
    }
    QCOMPARE(lines.last().section(u'\t', 3, 3).toLongLong(), QFileInfo(QDir(temp.folder().dataDir()).filePath(name)).size());
    // Part of the program, whole lines but perhaps the last.
    QByteArray sent = second;
    sent.replace("\n", "\r\n");
    QVERIFY2(text.size() > 10 && text.size() < sent.size(), text.constData());
    QVERIFY(text.endsWith("\r\n"));
    QVERIFY2(sent.startsWith(text.chopped(2)), text.constData());
    QCOMPARE(receivedFiles(temp).size(), 2);
}

void ListenCommandTest::refused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("port");  // what COM7 maps to
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("told");  // the start of standard error
    QTest::newRow("unknown machine") << QStringList{"listen", "TORNIO"} << QString() << 1
                                     << QStringLiteral("Macchina sconosciuta: TORNIO\n");
    QTest::newRow("poll of no time") << QStringList{"listen", "fresa eth", "--poll", "0"} << QString() << 2
                                     << QString(CommandLineText::Usage);
    QTest::newRow("no machine, none in the settings") << QStringList{"listen", "--idle", "3"} << QString() << 2
                                                      << QString(CommandLineText::ListenNoMachines);
    QTest::newRow("idle of no time") << QStringList{"listen", MachineName, "--idle", "0"} << QString() << 2
                                     << QString(CommandLineText::Usage);
    QTest::newRow("a port that does not open") << QStringList{"listen", MachineName} << QStringLiteral("/nonexistent/tty")
                                               << 1 << MachineName + QStringLiteral(": ");
}

void ListenCommandTest::refused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, port);
    QFETCH(int, exitCode);
    QFETCH(QString, told);
    TempProgramFolder temp;
    writeMachines(temp, QStringLiteral("9600"));
    SettingsStore().setValue(QStringLiteral("ports"), QStringLiteral("COM%1").arg(ComPort),
                             port.isEmpty() ? QStringLiteral("/dev/null") : port);
    SettingsStore().setValue(QStringLiteral("dnc"), QStringLiteral("machines"), QString());

    Truvnet truvnet(temp, arguments);
    QVERIFY(truvnet.finish());

    QCOMPARE(truvnet.exitCode(), exitCode);
    QVERIFY2(truvnet.err().startsWith(told), qPrintable(truvnet.err()));
    QVERIFY(truvnet.outLines().isEmpty());
    QVERIFY(receivedFiles(temp).isEmpty());
}

void ListenCommandTest::deviceUnpluggedAndBack()
{
    TempProgramFolder temp;
    writeMachines(temp, QStringLiteral("115200"));
    // The COM port is mapped to a name that stays, as /dev/serial/by-id/... does.
    const QString link = temp.path(QStringLiteral("usb-adapter"));
    SettingsStore().setValue(QStringLiteral("ports"), QStringLiteral("COM%1").arg(ComPort), link);
    const auto plugged = [&](const QByteArray &tape) {
        temp.writeFile(QStringLiteral("tape"), tape);
        auto cnc = std::make_unique<SerialCncProcess>(
            QStringLiteral(SERIALCNC),
            QStringList{QStringLiteral("punch"), QStringLiteral("--baud"), QStringLiteral("115200"),
                        QStringLiteral("--in"), temp.path(QStringLiteral("tape")), QStringLiteral("--once"),
                        QStringLiteral("--start-delay"), QStringLiteral("100"), QStringLiteral("--link"), link});
        if (!QTest::qWaitFor([&] { return cnc->ready(); }, 5000))
            qFatal("serialcnc gives no device");
        return cnc;
    };
    auto cnc = plugged("%\nO0001\nM30\n%\n");
    Truvnet truvnet(temp, {QStringLiteral("listen"), MachineName});
    QTRY_COMPARE_WITH_TIMEOUT(truvnet.outLines().size(), 1, 15000);
    cnc->kill();
    QTRY_COMPARE_WITH_TIMEOUT(truvnet.outLines().size(), 2, 15000);
    // Plugged in again while the line waits to be opened again.
    cnc = plugged("%\nO0002\nM30\n%\n");
    QTRY_COMPARE_WITH_TIMEOUT(truvnet.outLines().size(), 3, 25000);
    truvnet.signal(SIGTERM);
    QVERIFY(truvnet.finish());

    QCOMPARE(truvnet.exitCode(), 0);
    const QStringList lines = withoutTimes(truvnet.outLines());
    QCOMPARE(lines.at(0), QStringLiteral("CNC SERIALE\tNEW0000001\t18"));
    QVERIFY2(lines.at(1).startsWith(QStringLiteral("CNC SERIALE\tERR0000001\t")), qPrintable(lines.at(1)));
    QCOMPARE(lines.at(2), QStringLiteral("CNC SERIALE\tNEW0000002\t18"));
    QCOMPARE(dataFile(temp, QStringLiteral("NEW0000002")), QByteArray("%\r\nO0002\r\nM30\r\n%\r\n"));
}

void ListenCommandTest::answersRequests_data()
{
    QTest::addColumn<int>("handshaking");
    QTest::addColumn<QByteArray>("tape");    // what the operator punches
    QTest::addColumn<QString>("pattern");    // dnc/request; empty: the default
    QTest::addColumn<QString>("line");       // standard output without the time
    QTest::addColumn<QByteArray>("recorded"); // what the machine received
    QTest::addColumn<QByteArray>("filed");   // the ERR or NEW file; empty: none
    const QByteArray answer = "O0042\r\nG0 X1\r\nM30\r\n";
    QTest::newRow("RICHIESTA 42 answered")
        << 0 << QByteArray("%\nO0001\n(RICHIESTA 42)\nM30\n%\n") << QString()
        << QStringLiteral("richiesta O42 → CNC SERIALE, 19 caratteri") << answer << QByteArray();
    QTest::newRow("REQ=O42 in lower case, ended by the idle time")
        << 0 << QByteArray("(req=o42)\n") << QString() << QStringLiteral("richiesta O42 → CNC SERIALE, 19 caratteri")
        << answer << QByteArray();
    QTest::newRow("unknown number: ERR with the reason")
        << 0 << QByteArray("%\n(PRG=77)\nM30\n%\n") << QString()
        << QStringLiteral("CNC SERIALE\tERR0000001\t%1\t%2").arg(68).arg(DncText::RequestNotArchived.arg(77))
        << QByteArray() << (DncText::RequestNotArchived.arg(77).toLatin1() + "\r\n%\r\n(PRG=77)\r\nM30\r\n%\r\n");
    QTest::newRow("pattern from the settings")
        << 0 << QByteArray("%\n(MANDA 42)\n%\n") << QStringLiteral("\\(manda (\\d+)\\)")
        << QStringLiteral("richiesta O42 → CNC SERIALE, 19 caratteri") << answer << QByteArray();
    QTest::newRow("a long program is filed, whatever its comment")
        << 0 << QByteArray("%\n(RICHIESTA 42)\nN1\nN2\nN3\nN4\nN5\n%\n") << QString()
        << QStringLiteral("CNC SERIALE\tNEW0000001\t42") << QByteArray()
        << QByteArray("%\r\n(RICHIESTA 42)\r\nN1\r\nN2\r\nN3\r\nN4\r\nN5\r\n%\r\n");
    // The send waits for the control's consent, as truvnet send does.
    QTest::newRow("XON/XOFF line: the machine's consent")
        << 1 << QByteArray("%\n(RICHIESTA 42)\n%\n") << QString()
        << QStringLiteral("richiesta O42 → CNC SERIALE, 19 caratteri") << answer << QByteArray();
}

void ListenCommandTest::answersRequests()
{
    QFETCH(int, handshaking);
    QFETCH(QByteArray, tape);
    QFETCH(QString, pattern);
    QFETCH(QString, line);
    QFETCH(QByteArray, recorded);
    QFETCH(QByteArray, filed);
    TempProgramFolder temp;
    temp.writeFile(QStringLiteral("cncsett.dat"),
                   QStringLiteral(" 0 \r\n\"%1\",%2,\"115200,N,8,1\",%3,\"\",\"\",1\r\n")
                       .arg(MachineName)
                       .arg(ComPort)
                       .arg(handshaking)
                       .toLatin1());
    QVERIFY(temp.openArchive()->add(archiveRecord(42, QStringLiteral("ROSSI"))));
    temp.writeProgramText(42, "%\r\nO0042\r\n  G0 X1  \r\nM30\r\n%\r\n");
    SettingsStore settings;
    settings.setValue(QStringLiteral("dnc"), QStringLiteral("requestDelay"), QStringLiteral("1"));
    settings.setValue(QStringLiteral("dnc"), QStringLiteral("request"), pattern);
    temp.writeFile(QStringLiteral("tape"), tape);
    const QString record = temp.path(QStringLiteral("recorded"));
    SerialCncProcess cnc(QStringLiteral(SERIALCNC),
                         {QStringLiteral("punch"), QStringLiteral("--baud"), QStringLiteral("115200"),
                          QStringLiteral("--in"), temp.path(QStringLiteral("tape")), QStringLiteral("--start-delay"),
                          QStringLiteral("100"), QStringLiteral("--record"), record, QStringLiteral("--consent"),
                          QStringLiteral("11")});
    QTRY_VERIFY_WITH_TIMEOUT(cnc.ready(), 5000);
    settings.setValue(QStringLiteral("ports"), QStringLiteral("COM%1").arg(ComPort), cnc.device());

    Truvnet truvnet(temp, {QStringLiteral("listen"), MachineName, QStringLiteral("--idle"), QStringLiteral("1")});
    QTRY_COMPARE_WITH_TIMEOUT(truvnet.outLines().size(), 1, 15000);
    QTRY_COMPARE(TextFile::read(record).value_or("(missing)"), recorded);
    truvnet.signal(SIGTERM);
    QVERIFY(truvnet.finish());

    QCOMPARE(truvnet.exitCode(), 0);
    QCOMPARE(withoutTimes(truvnet.outLines()), QStringList{line});
    const QStringList files = receivedFiles(temp);
    QCOMPARE(files.size(), filed.isEmpty() ? 0 : 1);
    if (!filed.isEmpty())
        QCOMPARE(dataFile(temp, files.first()), filed);
    // An answer is a send of the archived program, in the transfer log as one.
    const QStringList logged = loggedTransfers(temp);
    QCOMPARE(logged.filter(QStringLiteral("\tP0000042\t")).size(), filed.isEmpty() ? 1 : 0);
}

void ListenCommandTest::answersCncRequests_data()
{
    QTest::addColumn<QStringList>("cncOptions");
    QTest::addColumn<QByteArray>("request"); // O9999 in the CNC memory
    QTest::addColumn<QString>("line");       // standard output without the time
    QTest::addColumn<QByteArray>("stored");  // O0042 in the CNC memory afterwards
    QTest::addColumn<QByteArray>("filed");   // the ERR file; empty: none
    const QByteArray sent = "O0042(FLANGIA)\nG0 X1\nM30\n";
    QTest::newRow("answered") << QStringList() << QByteArray("O9999 (RICHIESTA 42)\nM30\n")
                              << QStringLiteral("richiesta O42 → FRESA ETH, 29 caratteri") << sent << QByteArray();
    // The request stays: answered once all the same, and the refusal told once.
    QTest::newRow("delete refused") << QStringList{"--refuse-delete", "7"} << QByteArray("O9999 (RICHIESTA 42)\nM30\n")
                                    << QStringLiteral("richiesta O42 → FRESA ETH, 29 caratteri") << sent << QByteArray();
    QTest::newRow("unknown number: ERR")
        << QStringList() << QByteArray("O9999 (REQ=O77)\nM30\n")
        << QStringLiteral("FRESA ETH\tERR0000001\t%1\t%2").arg(69).arg(DncText::RequestNotArchived.arg(77))
        << QByteArray() << DncText::RequestNotArchived.arg(77).toLatin1() + "\r\nO9999 (REQ=O77)\r\nM30\r\n";
}

void ListenCommandTest::answersCncRequests()
{
    QFETCH(QStringList, cncOptions);
    QFETCH(QByteArray, request);
    QFETCH(QString, line);
    QFETCH(QByteArray, stored);
    QFETCH(QByteArray, filed);
    QTemporaryDir memory;
    QVERIFY(TextFile::writeAtomically(QDir(memory.path()).filePath("O0001"), "O0001 (PERNO)\nM30\n"));
    QVERIFY(TextFile::writeAtomically(QDir(memory.path()).filePath("O9999"), request));
    CncSimProcess cnc(QStringLiteral(CNCSIM), memory.path(), cncOptions);
    TempProgramFolder temp;
    temp.writeFile(QStringLiteral("cncsett.dat"),
                   QStringLiteral(" 0 \r\n\"FRESA ETH\",1,\"127.0.0.1:%1,\",0,\"\",\"\",0\r\n").arg(cnc.port()).toLatin1());
    QVERIFY(temp.openArchive()->add(archiveRecord(42, QStringLiteral("ROSSI"))));
    temp.writeProgramText(42, "O0042 (FLANGIA)\r\nG0 X1\r\nM30\r\n");
    SettingsStore settings;
    settings.setValue(QStringLiteral("cnc"), QStringLiteral("library"), QStringLiteral(LIBCNCSIM));
    settings.setValue(QStringLiteral("dnc"), QStringLiteral("request"), QString());
    settings.setValue(QStringLiteral("dnc"), QStringLiteral("machines"), QStringLiteral("fresa eth"));

    Truvnet truvnet(temp, {QStringLiteral("listen"), QStringLiteral("--poll"), QStringLiteral("1")});
    QTRY_COMPARE_WITH_TIMEOUT(truvnet.outLines().size(), 1, 15000);
    const QString notDeleted = DncText::RequestNotDeleted.arg(QStringLiteral("FRESA ETH"), QStringLiteral("O9999"), QString());
    if (cncOptions.isEmpty()) {
        // The request program goes once it has been answered.
        QTRY_VERIFY(!QFile::exists(QDir(memory.path()).filePath("O9999")));
    } else {
        // Two more polls, which find the request still there.
        QTest::qWait(2500);
        QVERIFY(QFile::exists(QDir(memory.path()).filePath("O9999")));
        QCOMPARE(truvnet.err().count(notDeleted), 1);
    }
    truvnet.signal(SIGTERM);
    QVERIFY(truvnet.finish());

    QCOMPARE(truvnet.exitCode(), 0);
    QCOMPARE(withoutTimes(truvnet.outLines()), QStringList{line});
    QCOMPARE(TextFile::read(QDir(memory.path()).filePath("O0042")).value_or(QByteArray()), stored);
    const QStringList files = receivedFiles(temp);
    QCOMPARE(files.size(), filed.isEmpty() ? 0 : 1);
    if (!filed.isEmpty())
        QCOMPARE(dataFile(temp, files.first()), filed);
}

QTEST_GUILESS_MAIN(ListenCommandTest)
#include "tst_listencommand.moc"
