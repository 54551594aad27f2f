#include "commandlinetext.h"
#include "dnctext.h"
#include "consoleoutput.h"
#include "fakeserialport.h"
#include "machinetext.h"
#include "serialtext.h"
#include "serialcncprocess.h"
#include "settingsstore.h"
#include "textfile.h"
#include "fakelineprobes.h"
#include "loggedtransfers.h"
#include "tempprogramfolder.h"
#include "transfercommands.h"
#include "transfertext.h"
#include "truvnetprocess.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QProcess>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <thread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

// truvnet send and receive as a script runs them, with the simulated machine serialcnc on a
// real pseudo-terminal, and a line error on a fake port.

namespace {

constexpr int ComPort = 7;
const QString MachineName = QStringLiteral("CNC SERIALE");

// serialcnc running in a mode; device() is what COM7 maps to.
class SerialCnc : public SerialCncProcess {
public:
    explicit SerialCnc(const QStringList &arguments) : SerialCncProcess(QStringLiteral(SERIALCNC), arguments) {}
};

QByteArray fileBytes(const QString &path)
{
    return TextFile::read(path).value_or(QByteArray());
}

void mapComPort(const QString &device)
{
    SettingsStore().setValue(QStringLiteral("ports"), QStringLiteral("COM%1").arg(ComPort), device);
}

// truvnet in its own process, without any display, on the program folder of the test.
class Truvnet : public TruvnetProcess {
public:
    Truvnet(const TempProgramFolder &temp, const QStringList &arguments, const QStringList &wrapper = {})
        : TruvnetProcess(QStringLiteral(TRUVNET_PATH), temp, arguments, wrapper)
    {
    }
};

// cncsett.dat with the serial machine on COM7 and an Ethernet one.
QByteArray machineFile(const QString &settings, int handshaking, int lineEnd, const QString &preamble = {},
                       const QString &postamble = {})
{
    return QStringLiteral(" 0 \r\n\"%1\",%2,\"%3\",%4,\"%5\",\"%6\",%7\r\n"
                          "\"FRESA ETH\",1,\"127.0.0.1:8193,\",0,\"\",\"\",0\r\n")
        .arg(MachineName)
        .arg(ComPort)
        .arg(settings)
        .arg(handshaking)
        .arg(preamble, postamble)
        .arg(lineEnd)
        .toLatin1();
}

// A program with tape marks, a blank line and padded lines, and its lines as the machine gets
// them, each ended by lineEnd.
std::pair<QByteArray, QByteArray> programAndLines(int lines, const QByteArray &lineEnd)
{
    QByteArray program = "%\r\nO0042\r\n\r\n";
    QByteArray cleaned = "O0042" + lineEnd;
    for (int i = 1; i <= lines; ++i) {
        const QByteArray line = "N" + QByteArray::number(i * 10) + " G1 X" + QByteArray::number(i % 97) + ".5 F800";
        program += "  " + line + "  \r\n";
        cleaned += line + lineEnd;
    }
    program += "M30\r\n%\r\n";
    cleaned += "M30" + lineEnd;
    return {program, cleaned};
}

QString sendLines(const QString &count)
{
    return SerialText::WaitingForConsent + u'\n' + SerialText::SendingProgram + u'\n' + count + u'\n';
}

QStringList receiverOptions(const QString &out, const QString &baud, const QStringList &extra = {})
{
    return QStringList{QStringLiteral("receive"), QStringLiteral("--baud"), baud, QStringLiteral("--out"), out}
           + extra;
}

} // namespace

class TransferCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void sendPutsTheMachinesBytesOnTheWire_data();
    void sendPutsTheMachinesBytesOnTheWire();
    void sendTellsTheNetworkDevice_data();
    void sendTellsTheNetworkDevice();
    void sendWaitsForConsent_data();
    void sendWaitsForConsent();
    void sendPacedByXoffAndXon();
    void interruptEndsSend_data();
    void interruptEndsSend();
    void receptionEnds_data();
    void receptionEnds();
    void receptionOntoAFullDisk();
    void nothingReceivedLeavesTheFile_data();
    void nothingReceivedLeavesTheFile();
    void deviceGoneEndsTheTransfer_data();
    void deviceGoneEndsTheTransfer();
    void refusedWithTheReason_data();
    void refusedWithTheReason();
    void usageErrors_data();
    void usageErrors();
    void lineErrorEndsTransfer_data();
    void lineErrorEndsTransfer();
    void receptionThatEndsBadly_data();
    void receptionThatEndsBadly();
};

void TransferCommandsTest::sendPutsTheMachinesBytesOnTheWire_data()
{
    QTest::addColumn<int>("lineEnd");
    QTest::addColumn<QByteArray>("ending");
    QTest::addColumn<QByteArray>("postambleEnd");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("archived");
    QTest::addColumn<bool>("logRefused"); // every row refused: told once, the send goes on
    QTest::newRow("Cr + Lf, a file") << 0 << QByteArray("\r\r\n") << QByteArray("\r\n") << MachineName << false
                                     << false;
    QTest::newRow("Lf, an archived program, name in other case")
        << 1 << QByteArray("\r\n") << QByteArray("\n") << QStringLiteral("  cnc Seriale ") << true << false;
    QTest::newRow("Cr, a file") << 2 << QByteArray("\r\r") << QByteArray("\r") << MachineName << false << false;
    QTest::newRow("Cr + Lf, a log that refuses rows")
        << 0 << QByteArray("\r\r\n") << QByteArray("\r\n") << MachineName << false << true;
}

void TransferCommandsTest::sendPutsTheMachinesBytesOnTheWire()
{
    QFETCH(int, lineEnd);
    QFETCH(QByteArray, ending);
    QFETCH(QByteArray, postambleEnd);
    QFETCH(QString, name);
    QFETCH(bool, archived);
    QFETCH(bool, logRefused);
    TempProgramFolder temp;
    if (logRefused) {
        const auto archive = temp.openArchive();
        QSqlQuery refuse(archive->database());
        QVERIFY(refuse.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON trasferimenti "
                                           "BEGIN SELECT RAISE(ABORT, 'registro pieno'); END")));
    }
    temp.writeFile(QStringLiteral("cncsett.dat"),
                   machineFile(QStringLiteral("115200,N,8,1"), 0, lineEnd, QStringLiteral("12"),
                               QStringLiteral("0A14")));
    const auto [program, lines] = programAndLines(60, ending);
    if (archived)
        temp.writeProgramText(42, program);
    else
        temp.writeFile(QStringLiteral("O0042.nc"), program);
    const QString out = temp.path(QStringLiteral("received"));
    SerialCnc cnc(receiverOptions(out, QStringLiteral("115200")));
    QTRY_VERIFY(cnc.ready());
    mapComPort(cnc.device());
    // The postamble's line feed takes the machine's line end too.
    const QByteArray wire = "\x12" + lines + postambleEnd + "\x14";
    QVERIFY(wire.size() > 1000);

    Truvnet truvnet(temp, archived ? QStringList{QStringLiteral("send"), name, QStringLiteral("--program"),
                                                 QStringLiteral("42")}
                                   : QStringList{QStringLiteral("send"), name, temp.path(QStringLiteral("O0042.nc"))});
    QVERIFY(truvnet.finish());
    const QString told = sendLines(QLocale(QStringLiteral("it_IT")).toString(wire.size()));
    QCOMPARE(truvnet.exitCode(), 0);
    QTRY_COMPARE(fileBytes(out).size(), wire.size());
    QCOMPARE(fileBytes(out), wire);
    if (logRefused) {
        const QStringList notice = truvnet.err().split(u'\n').mid(0, 2);
        QVERIFY2(notice.first().startsWith(QStringLiteral("Registro trasferimenti non scritto: registro pieno")),
                 qPrintable(truvnet.err()));
        QCOMPARE(truvnet.err(), notice.join(u'\n') + u'\n' + told);
        QCOMPARE(loggedTransfers(temp), QStringList());
        return;
    }
    QCOMPARE(truvnet.err(), told);
    const QString file = archived ? QStringLiteral("P0000042") : temp.path(QStringLiteral("O0042.nc"));
    const QStringList row{MachineName, "invio seriale", archived ? "42" : "", file, "O0042",
                          QString::number(wire.size()), "riuscito"};
    QCOMPARE(loggedTransfers(temp), QStringList{row.join(u'\t')});
}

void TransferCommandsTest::sendTellsTheNetworkDevice_data()
{
    QTest::addColumn<bool>("answers");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("the device answers") << true << 0;
    QTest::newRow("the device stays silent") << false << 1;
}

// COM7 served by a network device at 127.0.0.1 (as the registry lists it): after the program
// has gone out, the device gets the after-send frame and the command waits for its answer.
void TransferCommandsTest::sendTellsTheNetworkDevice()
{
    QFETCH(bool, answers);
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    temp.writeFile(QStringLiteral("cncsett.dat"), machineFile(QStringLiteral("115200,N,8,1"), 0, 0));
    temp.writeFile(QStringLiteral("registry-hklm.ini"),
                   "[SYSTEM]\nControlSet001\\Services\\nedrv\\Parameters\\1\\COMNO=hex:07\n"
                   "ControlSet001\\Services\\nedrv\\Parameters\\1\\IPAddress=dword:0100007f\n");
    temp.writeFile(QStringLiteral("O0042.nc"), "O0042\r\nM30\r\n");
    SerialCnc cnc(receiverOptions(temp.path(QStringLiteral("received")), QStringLiteral("115200")));
    QTRY_VERIFY(cnc.ready());
    mapComPort(cnc.device());
    // The device on its own thread, so that it answers whatever this thread is doing.
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    QVERIFY(::bind(listener, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 && ::listen(listener, 1) == 0
            && ::getsockname(listener, reinterpret_cast<sockaddr *>(&address), &size) == 0);
    QByteArray frame;
    std::thread device([&frame, listener, answers] {
        const int client = ::accept(listener, nullptr, nullptr);
        char byte = 0;
        while (frame.size() < 10 && ::recv(client, &byte, 1, 0) == 1)
            frame += byte;
        if (answers)
            ::send(client, "\x00\x00\x05", 3, 0);
        while (::recv(client, &byte, 1, 0) > 0) {
        }
        ::close(client);
    });
    SettingsStore settings;
    settings.setValue(QStringLiteral("remoteio"), QStringLiteral("port"), int(ntohs(address.sin_port)));
    settings.setValue(QStringLiteral("remoteio"), QStringLiteral("timeout"), 3);

    Truvnet truvnet(temp, {QStringLiteral("send"), MachineName, temp.path(QStringLiteral("O0042.nc"))});
    QVERIFY(truvnet.finish());
    device.join();
    ::close(listener);
    settings.setValue(QStringLiteral("remoteio"), QStringLiteral("port"), QVariant());
    QVERIFY2(frame == QByteArray("\x06\x02\x00\x06\x01\x02\x01\x00\x01\x00", 10), qPrintable(truvnet.err()));
    const QStringList err = truvnet.err().split(u'\n', Qt::SkipEmptyParts);
    QVERIFY2(err.contains(QStringLiteral("Avviso al dispositivo di rete 127.0.0.1")), qPrintable(truvnet.err()));
    QCOMPARE(err.last() == QStringLiteral("Il dispositivo di rete 127.0.0.1 non ha risposto entro 3 secondi."), !answers);
    QTEST(truvnet.exitCode(), "exitCode");
}

void TransferCommandsTest::sendWaitsForConsent_data()
{
    QTest::addColumn<QStringList>("machineOptions");
    QTest::addColumn<QStringList>("truvnetOptions");
    QTest::addColumn<bool>("consentGiven");
    QTest::newRow("DC1 from the machine") << QStringList{QStringLiteral("--consent"), QStringLiteral("11")}
                                          << QStringList{} << true;
    QTest::newRow("--no-consent, a silent machine") << QStringList{} << QStringList{QStringLiteral("--no-consent")}
                                                    << false;
}

void TransferCommandsTest::sendWaitsForConsent()
{
    QFETCH(QStringList, machineOptions);
    QFETCH(QStringList, truvnetOptions);
    QFETCH(bool, consentGiven);
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    temp.writeFile(QStringLiteral("cncsett.dat"), machineFile(QStringLiteral("38400,N,8,1"), 1, 1));
    const auto [program, lines] = programAndLines(5, "\r\n");
    temp.writeFile(QStringLiteral("O0042.nc"), program);
    const QString out = temp.path(QStringLiteral("received"));
    SerialCnc cnc(receiverOptions(out, QStringLiteral("38400"), machineOptions + QStringList{QStringLiteral("--verbose")}));
    QTRY_VERIFY(cnc.ready());
    mapComPort(cnc.device());

    Truvnet truvnet(temp, QStringList{QStringLiteral("send"), MachineName, temp.path(QStringLiteral("O0042.nc"))}
                              + truvnetOptions);
    QVERIFY(truvnet.finish());
    QCOMPARE(truvnet.err(), sendLines(QString::number(lines.size())));
    QCOMPARE(truvnet.exitCode(), 0);
    QTRY_COMPARE(fileBytes(out), lines);
    // A silent machine gives nothing: the send went without waiting.
    if (consentGiven)
        QTRY_VERIFY(cnc.events().contains(QStringLiteral("consent")));
}

void TransferCommandsTest::sendPacedByXoffAndXon()
{
    // The machine takes 2000 characters a second off a 38400 line into a 256-character
    // buffer: it stops the line again and again.
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    temp.writeFile(QStringLiteral("cncsett.dat"), machineFile(QStringLiteral("38400,N,8,1"), 1, 1));
    const auto [program, lines] = programAndLines(150, "\r\n");
    temp.writeFile(QStringLiteral("O0042.nc"), program);
    const QString out = temp.path(QStringLiteral("received"));
    SerialCnc cnc(receiverOptions(out, QStringLiteral("38400"),
                                  {QStringLiteral("--buffer"), QStringLiteral("256"), QStringLiteral("--process"),
                                   QStringLiteral("2000"), QStringLiteral("--consent"), QStringLiteral("11"),
                                   QStringLiteral("--verbose")}));
    QTRY_VERIFY(cnc.ready());
    mapComPort(cnc.device());

    Truvnet truvnet(temp, {QStringLiteral("send"), MachineName, temp.path(QStringLiteral("O0042.nc"))});
    QVERIFY(truvnet.finish());
    QCOMPARE(truvnet.exitCode(), 0);
    QVERIFY(truvnet.err().endsWith(QLocale(QStringLiteral("it_IT")).toString(lines.size()) + u'\n'));
    QTRY_COMPARE_WITH_TIMEOUT(fileBytes(out).size(), lines.size(), 10000);
    QCOMPARE(fileBytes(out), lines);
    const QStringList events = cnc.events();
    QVERIFY2(events.count(QStringLiteral("xoff")) >= 2, qPrintable(events.join(u' ')));
    QCOMPARE(events.count(QStringLiteral("xon")), events.count(QStringLiteral("xoff")));
}

void TransferCommandsTest::interruptEndsSend_data()
{
    QTest::addColumn<QStringList>("machineOptions");
    QTest::addColumn<QStringList>("truvnetOptions");
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<int>("exitCode");
    // No consent ever comes.
    QTest::newRow("Ctrl+C while waiting for consent") << QStringList{} << QStringList{} << SIGINT << 130;
    // 50 characters a second into a 64-character buffer: the line is held most of the time.
    const QStringList slow{QStringLiteral("--buffer"), QStringLiteral("64"), QStringLiteral("--process"),
                           QStringLiteral("50")};
    QTest::newRow("Ctrl+C while the line is held") << slow << QStringList{QStringLiteral("--no-consent")} << SIGINT
                                                   << 130;
    QTest::newRow("SIGTERM while the line is held") << slow << QStringList{QStringLiteral("--no-consent")}
                                                    << SIGTERM << 143;
}

void TransferCommandsTest::interruptEndsSend()
{
    QFETCH(QStringList, machineOptions);
    QFETCH(QStringList, truvnetOptions);
    QFETCH(int, signalNumber);
    QFETCH(int, exitCode);
    TempProgramFolder temp;
    temp.writeFile(QStringLiteral("cncsett.dat"), machineFile(QStringLiteral("38400,N,8,1"), 1, 1));
    const auto [program, lines] = programAndLines(100, "\r\n");
    temp.writeFile(QStringLiteral("O0042.nc"), program);
    const QString out = temp.path(QStringLiteral("received"));
    SerialCnc cnc(receiverOptions(out, QStringLiteral("38400"), machineOptions));
    QTRY_VERIFY(cnc.ready());
    mapComPort(cnc.device());

    Truvnet truvnet(temp, QStringList{QStringLiteral("send"), MachineName, temp.path(QStringLiteral("O0042.nc"))}
                              + truvnetOptions);
    const bool consentWait = truvnetOptions.isEmpty();
    if (consentWait)
        QTRY_COMPARE(truvnet.err(), SerialText::WaitingForConsent + u'\n');
    else
        QTRY_VERIFY(fileBytes(out).size() > 0);
    QVERIFY(truvnet.running());
    truvnet.signal(signalNumber);
    QVERIFY(truvnet.finish(5000));
    QCOMPARE(truvnet.exitCode(), exitCode);
    QVERIFY(fileBytes(out).size() < lines.size());
    if (consentWait) {
        QCOMPARE(truvnet.err(), SerialText::WaitingForConsent + QStringLiteral("\n0\n"));
        QCOMPARE(fileBytes(out), QByteArray());
    } else {
        QVERIFY2(truvnet.err().startsWith(sendLines({}).chopped(1)), qPrintable(truvnet.err()));
    }
    const QStringList logged = loggedTransfers(temp, true);
    QCOMPARE(logged.size(), 1);
    const QStringList fields = logged.first().split(u'\t');
    QCOMPARE(fields.mid(6), (QStringList{"interrotto", CommandLineText::Stopped}));
    QVERIFY2(fields.at(5).toInt() < lines.size() && (consentWait == (fields.at(5) == u"0")), qPrintable(fields.at(5)));
}

void TransferCommandsTest::receptionEnds_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("--idle") << QStringList{QStringLiteral("--idle"), QStringLiteral("0.3")};
    QTest::newRow("Ctrl+C") << QStringList{};
}

void TransferCommandsTest::receptionEnds()
{
    QFETCH(QStringList, options);
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    temp.writeFile(QStringLiteral("cncsett.dat"), machineFile(QStringLiteral("38400,N,8,1"), 0, 1));
    QByteArray tape("%\r\nO0042\r\nG1 X1\x00\r\n\x11M30\r\n%\r\n", 27);
    for (int i = 0; i < 150; ++i)
        tape.insert(tape.size() - 9, "N" + QByteArray::number(i) + " G0 Z5\r\n");
    temp.writeFile(QStringLiteral("tape"), tape);
    SerialCnc cnc({QStringLiteral("punch"), QStringLiteral("--baud"), QStringLiteral("38400"), QStringLiteral("--in"),
                   temp.path(QStringLiteral("tape")), QStringLiteral("--start-delay"), QStringLiteral("100"),
                   QStringLiteral("--verbose")});
    QTRY_VERIFY(cnc.ready());
    mapComPort(cnc.device());
    const QString out = temp.path(QStringLiteral("O0042.nc"));

    Truvnet truvnet(temp, QStringList{QStringLiteral("receive"), MachineName, out} + options);
    const bool interrupted = options.isEmpty();
    if (interrupted) {
        QTRY_VERIFY_WITH_TIMEOUT(cnc.events().contains(QStringLiteral("punched %1").arg(tape.size())), 10000);
        truvnet.signal(SIGINT);
    }
    QVERIFY(truvnet.finish());
    QCOMPARE(truvnet.exitCode(), 0);
    // The count of what arrived, and what the program is made of. Ctrl+C may come before the
    // last characters on their way have been read.
    const QStringList lines = truvnet.err().split(u'\n');
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(0), SerialText::Receiving);
    QCOMPARE(lines.at(2), QString());
    const QLocale italian(QStringLiteral("it_IT"));
    const qsizetype count = italian.toLongLong(lines.at(1));
    QVERIFY2(count > 0 && (interrupted || count == tape.size()), qPrintable(lines.at(1)));
    QCOMPARE(lines.at(1), italian.toString(count));
    QByteArray expected = tape.left(count);
    expected.replace("\r", "").replace(QByteArray("\x00", 1), "").replace("\x11", "");
    QCOMPARE(fileBytes(out), expected);
}

void TransferCommandsTest::receptionOntoAFullDisk()
{
    // A file system of 16 KB, mounted for truvnet alone in a namespace of its own, takes the
    // beginning of a 24 KB program: the program goes to the state folder instead.
    if (QProcess::execute(QStringLiteral("unshare"), {QStringLiteral("-rm"), QStringLiteral("true")}) != 0)
        QSKIP("no user and mount namespaces here to make a tiny file system in");
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    temp.writeFile(QStringLiteral("cncsett.dat"), machineFile(QStringLiteral("115200,N,8,1"), 0, 1));
    const QByteArray program = programAndLines(1200, "\n").first;
    QVERIFY(FilterReceivedText(program).size() > 24000);
    temp.writeFile(QStringLiteral("tape"), program);
    const QString tiny = temp.path(QStringLiteral("tiny"));
    QVERIFY(QDir().mkpath(tiny));
    SerialCnc cnc({QStringLiteral("punch"), QStringLiteral("--baud"), QStringLiteral("115200"), QStringLiteral("--in"),
                   temp.path(QStringLiteral("tape")), QStringLiteral("--start-delay"), QStringLiteral("100")});
    QTRY_VERIFY(cnc.ready());
    mapComPort(cnc.device());

    const QString out = tiny + QStringLiteral("/O0042.nc");
    Truvnet truvnet(temp, {QStringLiteral("receive"), MachineName, out, QStringLiteral("--idle"), QStringLiteral("1")},
                    {QStringLiteral("unshare"), QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-c"),
                     QStringLiteral("mount -t tmpfs -o size=16k tmpfs \"$0\" && exec \"$@\""), tiny});
    QVERIFY(truvnet.finish(30000));
    QCOMPARE(truvnet.exitCode(), 1);
    const QString state = temp.path(QStringLiteral("state/truv"));
    const QStringList rescued = QDir(state).entryList(QDir::Files);
    QCOMPARE(rescued.size(), 1);
    const QStringList err = truvnet.err().split(u'\n');
    const QStringList told =
        SerialText::SaveFailed.arg(out, QString::fromLocal8Bit(std::strerror(ENOSPC))).split(u'\n')
        + QStringList{DncText::ReceivedSavedIn.arg(QDir(state).filePath(rescued.first())), QString()};
    QCOMPARE(err.mid(err.size() - told.size()), told);
    QVERIFY2(QRegularExpression(QStringLiteral("^O0042\\.nc\\.\\d{8}-\\d{6}$")).match(rescued.first()).hasMatch(),
             qPrintable(rescued.first()));
    QCOMPARE(fileBytes(QDir(state).filePath(rescued.first())), FilterReceivedText(program));
    // The tiny file system went with truvnet's namespace.
    QVERIFY(!QFile::exists(out));
}

void TransferCommandsTest::nothingReceivedLeavesTheFile_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("Ctrl+C") << SIGINT;
    QTest::newRow("SIGTERM") << SIGTERM;
}

void TransferCommandsTest::nothingReceivedLeavesTheFile()
{
    // A machine that never punches: the file asked for keeps its program.
    QFETCH(int, signalNumber);
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    temp.writeFile(QStringLiteral("cncsett.dat"), machineFile(QStringLiteral("9600,N,8,1"), 0, 1));
    temp.writeFile(QStringLiteral("O0042.nc"), "O0042\r\nM30\r\n");
    SerialCnc cnc(receiverOptions(temp.path(QStringLiteral("received")), QStringLiteral("9600"),
                                  {QStringLiteral("--verbose")}));
    QTRY_VERIFY(cnc.ready());
    mapComPort(cnc.device());
    const QString out = temp.path(QStringLiteral("O0042.nc"));

    Truvnet truvnet(temp, {QStringLiteral("receive"), MachineName, out});
    QTRY_VERIFY(cnc.events().contains(QStringLiteral("open")));
    truvnet.signal(signalNumber);
    QVERIFY(truvnet.finish());
    QCOMPARE(truvnet.exitCode(), 1);
    QCOMPARE(truvnet.err(), SerialText::Receiving + QStringLiteral("\n0\n") + CommandLineText::NoData.arg(out) + u'\n');
    QCOMPARE(fileBytes(out), QByteArray("O0042\r\nM30\r\n"));
    QCOMPARE(QDir(temp.folder().root()).entryList({QStringLiteral("O0042*")}, QDir::Files), QStringList{"O0042.nc"});
}

void TransferCommandsTest::deviceGoneEndsTheTransfer_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("machineOptions");
    QTest::addColumn<QStringList>("truvnetOptions");
    // 50 characters a second into a 64-character buffer: the line is held most of the time.
    const QStringList slow{QStringLiteral("--buffer"), QStringLiteral("64"), QStringLiteral("--process"),
                           QStringLiteral("50")};
    QTest::newRow("send, mid-program") << QStringLiteral("send") << slow << QStringList{QStringLiteral("--no-consent")};
    QTest::newRow("send, waiting for consent") << QStringLiteral("send") << QStringList{} << QStringList{};
    QTest::newRow("reception") << QStringLiteral("receive") << QStringList{} << QStringList{};
    QTest::newRow("reception with --idle") << QStringLiteral("receive") << QStringList{}
                                           << QStringList{QStringLiteral("--idle"), QStringLiteral("5")};
}

void TransferCommandsTest::deviceGoneEndsTheTransfer()
{
    // The machine vanishes as an unplugged adapter does: truvnet says so and exits 1 at once;
    // a reception keeps what arrived beside the file, never over it.
    QFETCH(QString, kind);
    QFETCH(QStringList, machineOptions);
    QFETCH(QStringList, truvnetOptions);
    const bool send = kind == u"send";
    TempProgramFolder temp;
    temp.writeFile(QStringLiteral("cncsett.dat"), machineFile(QStringLiteral("9600,N,8,1"), send ? 1 : 0, 1));
    const auto [program, lines] = programAndLines(400, "\r\n");
    temp.writeFile(QStringLiteral("O0042.nc"), program);
    const QString out = temp.path(QStringLiteral("out.nc"));
    temp.writeFile(QStringLiteral("out.nc"), "O0041\r\n");
    const QString received = temp.path(QStringLiteral("received"));
    SerialCnc cnc(send ? receiverOptions(received, QStringLiteral("9600"), machineOptions)
                       : QStringList{QStringLiteral("punch"), QStringLiteral("--baud"), QStringLiteral("9600"),
                                     QStringLiteral("--in"), temp.path(QStringLiteral("O0042.nc")),
                                     QStringLiteral("--start-delay"), QStringLiteral("0"), QStringLiteral("--verbose")});
    QTRY_VERIFY(cnc.ready());
    mapComPort(cnc.device());

    Truvnet truvnet(temp, QStringList{kind, MachineName, send ? temp.path(QStringLiteral("O0042.nc")) : out}
                              + truvnetOptions);
    if (!send) {
        QTRY_VERIFY(cnc.events().contains(QStringLiteral("open")));
        QTest::qWait(400);
    } else if (truvnetOptions.isEmpty()) {
        QTRY_COMPARE(truvnet.err(), SerialText::WaitingForConsent + u'\n');
    } else {
        QTRY_VERIFY(fileBytes(received).size() > 0);
    }
    QVERIFY(truvnet.running());
    QElapsedTimer sinceGone;
    cnc.kill();
    sinceGone.start();
    QVERIFY(truvnet.finish(5000));
    // Within a second when the processor is free; the bound leaves room for a busy machine.
    QVERIFY2(sinceGone.elapsed() < 3000, qPrintable(QString::number(sinceGone.elapsed())));
    QCOMPARE(truvnet.exitCode(), 1);
    const QStringList err = truvnet.err().split(u'\n');
    const QString gone = QStringLiteral("COM7 (%1): Dispositivo scollegato: ").arg(cnc.device());
    QVERIFY2(std::any_of(err.begin(), err.end(), [&](const QString &line) { return line.startsWith(gone); }),
             qPrintable(truvnet.err()));
    const QStringList logged = loggedTransfers(temp, true);
    QCOMPARE(logged.size(), 1);
    QVERIFY2(logged.first().section(u'\t', 6, 6) == u"fallito" && logged.first().section(u'\t', 7).contains(gone),
             qPrintable(logged.first()));
    if (send)
        return;
    QCOMPARE(fileBytes(out), QByteArray("O0041\r\n"));
    const qsizetype at = err.indexOf(QRegularExpression(QStringLiteral("^Ricezione interrotta: .*")));
    QVERIFY2(at > 0, qPrintable(truvnet.err()));
    const QString count = err.at(at).section(u' ', 2, 2);
    const qsizetype arrived = QLocale(QStringLiteral("it_IT")).toLongLong(count);
    QCOMPARE(err.at(at), SerialText::ReceptionBroken.arg(count));
    QVERIFY2(arrived > 0 && arrived < program.size(), qPrintable(count));
    QCOMPARE(err.at(at + 1), count);
    QCOMPARE(err.at(at + 2), DncText::ReceivedSavedIn.arg(out + QStringLiteral(".partial")));
    QCOMPARE(fileBytes(out + QStringLiteral(".partial")), FilterReceivedText(program.left(arrived)));
}

void TransferCommandsTest::refusedWithTheReason_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("machines");
    // %1: the program folder.
    QTest::addColumn<QString>("message");
    const QByteArray serial = machineFile(QStringLiteral("38400,N,8,1"), 0, 1);
    QTest::newRow("unknown machine") << QStringList{QStringLiteral("send"), QStringLiteral("TORNIO"),
                                                    QStringLiteral("O0042.nc")}
                                     << serial
                                     << CommandLineText::UnknownMachine.arg(QStringLiteral("TORNIO")) + u'\n'
                                            + CommandLineText::KnownMachines.arg(QStringLiteral("%1/cncsett.dat"),
                                                                                 MachineName + QStringLiteral(", FRESA ETH"))
                                            + u'\n';
    QTest::newRow("no machine file") << QStringList{QStringLiteral("receive"), QStringLiteral("TORNIO"),
                                                    QStringLiteral("out.nc")}
                                     << QByteArray()
                                     << MachineText::FileMissing.arg(QStringLiteral("%1/cncsett.dat")) + u'\n'
                                            + CommandLineText::UnknownMachine.arg(QStringLiteral("TORNIO")) + u'\n'
                                            + CommandLineText::NoMachines.arg(QStringLiteral("%1/cncsett.dat"))
                                            + u'\n';
    QTest::newRow("missing device") << QStringList{QStringLiteral("send"), MachineName, QStringLiteral("O0042.nc")}
                                    << serial
                                    << QStringLiteral("COM7 (%1/nodevice): No such file or directory\n");
    QTest::newRow("missing device, reception")
        << QStringList{QStringLiteral("receive"), MachineName, QStringLiteral("out.nc")} << serial
        << QStringLiteral("COM7 (%1/nodevice): No such file or directory\n");
    QTest::newRow("missing program file")
        << QStringList{QStringLiteral("send"), MachineName, QStringLiteral("O0043.nc")} << serial
        << SerialText::LoadFailed.arg(QStringLiteral("%1/O0043.nc"), QStringLiteral("No such file or directory"))
               + u'\n';
    QTest::newRow("missing archived program")
        << QStringList{QStringLiteral("send"), MachineName, QStringLiteral("--program"), QStringLiteral("43")}
        << serial
        << SerialText::LoadFailed.arg(QStringLiteral("%1/dati/P0000043"), QStringLiteral("No such file or directory"))
               + u'\n';
    QTest::newRow("empty program") << QStringList{QStringLiteral("send"), MachineName, QStringLiteral("empty.nc")}
                                   << serial << SerialText::ProgramNotSent + u'\n';
    QTest::newRow("reception into a missing folder")
        << QStringList{QStringLiteral("receive"), MachineName, QStringLiteral("nofolder/out.nc")} << serial
        << SerialText::SaveFailed.arg(QStringLiteral("%1/nofolder/out.nc"), QStringLiteral("No such file or directory"))
               + u'\n';
}

void TransferCommandsTest::refusedWithTheReason()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, machines);
    QFETCH(QString, message);
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    if (!machines.isEmpty())
        temp.writeFile(QStringLiteral("cncsett.dat"), machines);
    temp.writeFile(QStringLiteral("O0042.nc"), "O0042\r\nM30\r\n");
    temp.writeFile(QStringLiteral("empty.nc"), {});
    mapComPort(temp.path(QStringLiteral("nodevice")));
    // File names relative to the program folder.
    for (QString &argument : arguments) {
        if (argument.contains(u'.'))
            argument = temp.path(argument);
    }

    Truvnet truvnet(temp, arguments);
    QVERIFY(truvnet.finish());
    QCOMPARE(truvnet.err(), message.contains(u"%1") ? message.arg(temp.folder().root()) : message);
    QCOMPARE(truvnet.exitCode(), 1);
    QVERIFY(!QFile::exists(temp.path(QStringLiteral("out.nc"))));
}

void TransferCommandsTest::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    auto row = [](const char *name, const QString &words) {
        QTest::newRow(name) << words.split(u' ', Qt::SkipEmptyParts);
    };
    row("send alone", QStringLiteral("send"));
    row("send without a file", QStringLiteral("send CNC"));
    row("send with two files", QStringLiteral("send CNC a.nc b.nc"));
    row("send with a file and a program", QStringLiteral("send CNC a.nc --program 4"));
    row("program number not a number", QStringLiteral("send CNC --program x"));
    row("program number 0", QStringLiteral("send CNC --program 0"));
    row("program number too long", QStringLiteral("send CNC --program 10000000"));
    row("program number missing", QStringLiteral("send CNC --program"));
    row("idle on a send", QStringLiteral("send CNC a.nc --idle 3"));
    row("receive without a file", QStringLiteral("receive CNC"));
    row("idle of 0", QStringLiteral("receive CNC out.nc --idle 0"));
    row("idle not a number", QStringLiteral("receive CNC out.nc --idle abc"));
    row("no-consent on a reception", QStringLiteral("receive CNC out.nc --no-consent"));
    row("unknown option", QStringLiteral("send CNC a.nc --fast"));
    row("continue without a destination", QStringLiteral("send CNC a.nc --continue"));
    row("verify without a destination", QStringLiteral("send CNC a.nc --verify"));
    row("destination with no-consent", QStringLiteral("send CNC a.nc --as O12 --no-consent"));
    row("destination on a reception", QStringLiteral("receive CNC out.nc --as O12"));
    row("destination missing", QStringLiteral("send CNC a.nc --as"));
}

void TransferCommandsTest::usageErrors()
{
    QFETCH(QStringList, arguments);
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    Truvnet truvnet(temp, arguments);
    QVERIFY(truvnet.finish());
    QCOMPARE(truvnet.err(), CommandLineText::Usage);
    QCOMPARE(truvnet.exitCode(), 2);
}

void TransferCommandsTest::lineErrorEndsTransfer_data()
{
    QTest::addColumn<bool>("send");
    QTest::addColumn<QString>("err");
    QTest::newRow("send") << true
                          << sendLines(QStringLiteral("180")).replace(QStringLiteral("180"),
                                                                      SerialText::OverrunError + QStringLiteral("\n180"));
    // %1: the kept part.
    QTest::newRow("reception") << false
                               << SerialText::Receiving + u'\n' + SerialText::OverrunError + QStringLiteral("\n5\n")
                                      + DncText::ReceivedSavedIn + u'\n';
}

void TransferCommandsTest::lineErrorEndsTransfer()
{
    // Nobody can answer the OK/Cancel prompt of a line error: it ends the transfer, which
    // has failed, and a reception's program is not written: what arrived is kept beside it.
    QFETCH(bool, send);
    QFETCH(QString, err);
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    temp.writeFile(QStringLiteral("cncsett.dat"), machineFile(QStringLiteral("38400,N,8,1"), 0, 1));
    temp.writeFile(QStringLiteral("O0042.nc"), QByteArray(400, 'X') + "\r\n");
    FakeSerialPort port;
    port.drains = false;
    QBuffer errors;
    errors.open(QIODevice::WriteOnly);
    ConsoleOutput output(errors, false);
    FakePinger pinger;
    TransferCommand command(temp.folder(), port, output, pinger);
    QSignalSpy finished(&command, &TransferCommand::finished);
    TransferRequest request;
    request.kind = send ? TransferRequest::Kind::Send : TransferRequest::Kind::Receive;
    request.machine = MachineName;
    request.file = temp.path(send ? QStringLiteral("O0042.nc") : QStringLiteral("out.nc"));

    command.start(request);
    QVERIFY(port.portOpen());
    if (!send)
        port.receive("O0042");
    port.raiseEvent(SerialPort::EventOverrun);
    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(0).toInt(), 1);
    const QString partial = temp.path(QStringLiteral("out.nc.partial"));
    QCOMPARE(QString::fromUtf8(errors.data()), send ? err : err.arg(partial));
    QVERIFY(!port.portOpen());
    QVERIFY(!QFile::exists(temp.path(QStringLiteral("out.nc"))));
    QCOMPARE(fileBytes(partial), send ? QByteArray() : QByteArray("O0042"));
}

void TransferCommandsTest::receptionThatEndsBadly_data()
{
    QTest::addColumn<QByteArray>("arrived");
    QTest::addColumn<bool>("deviceGoes");  // else Ctrl+C
    QTest::addColumn<bool>("diskFull");
    QTest::addColumn<bool>("earlierPartial"); // an earlier failure's .partial is there
    // %1 the file asked for, %2 its .partial, %3 the fallback folder, %4 the .partial-2;
    // * a time stamp.
    QTest::addColumn<QStringList>("err");
    QTest::addColumn<QString>("keptIn");  // "", "partial", "partial-2" or "fallback"
    const QString gone = QStringLiteral("COM7 (/dev/ttyUSB0): Dispositivo scollegato: Input/output error");
    const QString full = QStringLiteral("No space left on device");
    QTest::newRow("device gone mid-program")
        << QByteArray("O0042\r\nG1") << true << false << false
        << QStringList{SerialText::Receiving, gone, SerialText::ReceptionBroken.arg(9), QStringLiteral("9"),
                       DncText::ReceivedSavedIn.arg(QStringLiteral("%2"))}
        << QStringLiteral("partial");
    QTest::newRow("device gone again: the earlier .partial stays")
        << QByteArray("O0042\r\nG1") << true << false << true
        << QStringList{SerialText::Receiving, gone, SerialText::ReceptionBroken.arg(9), QStringLiteral("9"),
                       DncText::ReceivedSavedIn.arg(QStringLiteral("%4"))}
        << QStringLiteral("partial-2");
    QTest::newRow("device gone, disk full")
        << QByteArray("O0042\r\nG1") << true << true << false
        << QStringList{SerialText::Receiving, gone, SerialText::ReceptionBroken.arg(9), QStringLiteral("9"),
                       SerialText::SaveFailed.arg(QStringLiteral("%2"), full).split(u'\n').first(), full,
                       DncText::ReceivedSavedIn.arg(QStringLiteral("%3/out.nc.partial.*"))}
        << QStringLiteral("fallback");
    QTest::newRow("device gone before anything arrived")
        << QByteArray() << true << false << false
        << QStringList{SerialText::Receiving, gone, SerialText::ReceptionBroken.arg(0), QStringLiteral("0")}
        << QString();
    QTest::newRow("Ctrl+C, nothing arrived")
        << QByteArray() << false << false << false
        << QStringList{SerialText::Receiving, QStringLiteral("0"), CommandLineText::NoData.arg(QStringLiteral("%1"))}
        << QString();
    QTest::newRow("Ctrl+C, only control characters arrived")
        << QByteArray("\x11\r\x13") << false << false << false
        << QStringList{SerialText::Receiving, QStringLiteral("3"), CommandLineText::NoData.arg(QStringLiteral("%1"))}
        << QString();
    QTest::newRow("Ctrl+C, disk full")
        << QByteArray("O0042\r\nM30\r\n") << false << true << false
        << QStringList{SerialText::Receiving, QStringLiteral("12"),
                       SerialText::SaveFailed.arg(QStringLiteral("%1"), full).split(u'\n').first(), full,
                       DncText::ReceivedSavedIn.arg(QStringLiteral("%3/out.nc.*"))}
        << QStringLiteral("fallback");
}

void TransferCommandsTest::receptionThatEndsBadly()
{
    // The file asked for keeps its old content whenever the reception did not end well or
    // the disk refuses it; what arrived is kept where the last line says.
    QFETCH(QByteArray, arrived);
    QFETCH(bool, deviceGoes);
    QFETCH(bool, diskFull);
    QFETCH(bool, earlierPartial);
    QFETCH(QStringList, err);
    QFETCH(QString, keptIn);
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    temp.writeFile(QStringLiteral("cncsett.dat"), machineFile(QStringLiteral("38400,N,8,1"), 0, 1));
    const QString out = temp.path(QStringLiteral("out.nc"));
    const QString partial = out + QStringLiteral(".partial");
    const QString fallback = temp.path(QStringLiteral("rescue"));
    temp.writeFile(QStringLiteral("out.nc"), "O0041\r\nM30\r\n");
    if (earlierPartial)
        temp.writeFile(QStringLiteral("out.nc.partial"), "O0040\r\n");
    FakeSerialPort port;
    QBuffer errors;
    errors.open(QIODevice::WriteOnly);
    ConsoleOutput output(errors, false);
    FakePinger pinger;
    TransferCommand command(temp.folder(), port, output, pinger);
    command.setReceivedProgramFile(ReceivedProgramFile(
        {fallback}, [&](const QString &path, const QByteArray &bytes, QString *error) {
            if (diskFull && !path.startsWith(fallback)) {
                *error = QStringLiteral("No space left on device");
                return false;
            }
            return TextFile::writeAtomically(path, bytes, error);
        }));
    QSignalSpy finished(&command, &TransferCommand::finished);
    TransferRequest request;
    request.kind = TransferRequest::Kind::Receive;
    request.machine = MachineName;
    request.file = out;

    command.start(request);
    QVERIFY(port.portOpen());
    port.receive(arrived);
    if (deviceGoes)
        port.loseLine(QStringLiteral("COM7 (/dev/ttyUSB0): Dispositivo scollegato: Input/output error"));
    else
        command.interrupt(SIGINT);
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(0).toInt(), 1);
    const QStringList lines = QString::fromUtf8(errors.data()).split(u'\n');
    QCOMPARE(lines.size(), err.size() + 1);
    for (qsizetype i = 0; i < err.size(); ++i) {
        const QString expected = QString(err.at(i))
                                     .replace(QStringLiteral("%1"), out)
                                     .replace(QStringLiteral("%2"), partial)
                                     .replace(QStringLiteral("%3"), fallback)
                                     .replace(QStringLiteral("%4"), partial + QStringLiteral("-2"));
        const QString pattern = QRegularExpression::escape(expected)
                                    .replace(QStringLiteral("\\*"), QStringLiteral("\\d{8}-\\d{6}"));
        QVERIFY2(QRegularExpression(u'^' + pattern + u'$').match(lines.at(i)).hasMatch(), qPrintable(lines.at(i)));
    }
    QCOMPARE(fileBytes(out), QByteArray("O0041\r\nM30\r\n"));
    QCOMPARE(QFile::exists(partial), keptIn == u"partial" || earlierPartial);
    if (earlierPartial)
        QCOMPARE(fileBytes(partial), QByteArray("O0040\r\n"));
    const QStringList rescued = QDir(fallback).entryList(QDir::Files);
    QCOMPARE(rescued.size(), keptIn == u"fallback" ? 1 : 0);
    const QString keptAt = keptIn == u"partial" ? partial
        : keptIn == u"partial-2"                ? partial + QStringLiteral("-2")
        : keptIn == u"fallback"                 ? QDir(fallback).filePath(rescued.value(0))
                                                : QString();
    if (!keptAt.isEmpty())
        QCOMPARE(fileBytes(keptAt), FilterReceivedText(arrived));
}

QTEST_GUILESS_MAIN(TransferCommandsTest)
#include "tst_transfercommands.moc"
