#include "fakeserialport.h"
#include "machinechoice.h"
#include "scripteddialogs.h"
#include "serialsend.h"
#include "tempprogramfolder.h"
#include "transferflags.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// One machine per line after CurrentMachine; a test picks one by its position.
const QByteArray Machines = " 0 \r\n"
                            "\"TORNIO\",1,\"9600,N,8,1\",0,\"\",\"\",1\r\n"
                            "\"FRESA XON\",2,\"9600,E,7,2\",1,\"12\",\"14\",1\r\n"
                            "\"CNC ETH\",0,\"192.168.1.10:8193,\",0,\"\",\"\",0\r\n"
                            "\"XON RTS\",3,\"19200,N,8,1\",3,\"\",\"\",1\r\n";

struct Fixture {
    explicit Fixture(int position = 0, const QByteArray &file = Machines) : position(position)
    {
        temp.writeFile(QStringLiteral("cncsett.dat"), file);
        port.setOutBufferSize(200);
        send.setHooks({[this] { choose(); },
                       [this](int direzione, const QString &name) {
                           ethernet.append(QStringLiteral("%1 %2").arg(direzione).arg(name));
                           return true;
                       },
                       [this](const QString &address) { notified.append(address); }});
        QObject::connect(&send, &SerialTransfer::progressChanged, &send,
                         [this] { progress.append(send.progress()); });
        QObject::connect(&send, &SerialTransfer::terminalTextChanged, &send,
                         [this](const QByteArray &text) { terminal.append(text); });
    }
    void choose()
    {
        ++choices;
        MachineChoice choice(machines, temp.folder(), port, flags, dialogs);
        choice.open();
        choice.select(position);
        if (cancelChoice)
            choice.cancel();
        else
            choice.confirm();
    }
    QStringList messages() const
    {
        QStringList texts;
        for (const TransferProgress &p : progress) {
            if (texts.isEmpty() || texts.last() != p.message)
                texts.append(p.message);
        }
        return texts;
    }
    QStringList counts() const
    {
        QStringList texts;
        for (const TransferProgress &p : progress) {
            if (p.count != QStringLiteral("0") && (texts.isEmpty() || texts.last() != p.count))
                texts.append(p.count);
        }
        return texts;
    }
    QByteArray wire() const { return port.outputs.join(); }

    TempProgramFolder temp{TempProgramFolder::Content::Empty};
    int position = 0;
    bool cancelChoice = false;
    int choices = 0;
    MachineState machines;
    FakeSerialPort port;
    TransferFlags flags;
    ScriptedDialogs dialogs;
    SerialSend send{machines, port, dialogs, flags};
    QList<TransferProgress> progress;
    QList<QByteArray> terminal;
    QStringList ethernet;
    QStringList notified;
};

QByteArray linesOf(int count, int length)
{
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += QByteArray(length - 2, char('A' + i % 26)) + "\r\n";
    return text;
}

} // namespace

class SerialSendTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void emptyTextIsNotSent();
    void blocks_data();
    void blocks();
    void nextBlockWaitsUntilTheQueueHasDrained();
    void wireBytes_data();
    void wireBytes();
    void endOfASend();
    void consent_data();
    void consent();
    void handshakingThreeDoesNotWait();
    void terminate_data();
    void terminate();
    void outputError();
    void deviceGoneEndsTheSend_data();
    void deviceGoneEndsTheSend();
    void portDoesNotOpen();
    void noSerialSend_data();
    void noSerialSend();
    void networkPortNotification_data();
    void networkPortNotification();
};

void SerialSendTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

void SerialSendTest::emptyTextIsNotSent()
{
    Fixture f;
    f.send.start({});
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown.first().text, QStringLiteral("Programma non inviato."));
    QCOMPARE(f.dialogs.shown.first().title, QString());
    QCOMPARE(f.dialogs.shown.first().icon, Dialogs::Icon::None);
    QCOMPARE(f.choices, 0);
    QVERIFY(f.port.calls.isEmpty());
    QVERIFY(!f.send.isActive());
}

void SerialSendTest::blocks_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<int>>("blocks");
    QTest::addColumn<QStringList>("counts");
    QTest::newRow("400: 180, 180, 40") << linesOf(4, 100) << QList<int>{180, 180, 40}
                                       << QStringList{"180", "360", "400"};
    QTest::newRow("exactly 180: one block") << linesOf(2, 90) << QList<int>{180} << QStringList{"180"};
    QTest::newRow("181: the last block takes the rest") << linesOf(1, 181) << QList<int>{180, 1}
                                                        << QStringList{"180", "181"};
    QTest::newRow("grouped count") << linesOf(12, 100)
                                   << QList<int>{180, 180, 180, 180, 180, 180, 120}
                                   << QStringList{"180", "360", "540", "720", "900", "1.080", "1.200"};
}

void SerialSendTest::blocks()
{
    QFETCH(QByteArray, text);
    QFETCH(QList<int>, blocks);
    QFETCH(QStringList, counts);
    Fixture f;
    f.send.start(text);
    QTRY_VERIFY(!f.send.isActive());
    QList<int> sizes;
    for (const QByteArray &block : f.port.outputs)
        sizes.append(int(block.size()));
    QCOMPARE(sizes, blocks);
    QCOMPARE(f.port.sent, text);
    QCOMPARE(f.counts(), counts);
    QCOMPARE(f.flags.byteCounter, qint32(text.size()));
    // The bar runs from 0 to the whole text.
    const auto sending = std::find_if(f.progress.cbegin(), f.progress.cend(),
                                      [](const TransferProgress &p) { return p.barVisible; });
    QVERIFY(sending != f.progress.cend());
    QCOMPARE(sending->barMaximum, qint32(text.size()));
    QCOMPARE(f.progress.at(f.progress.size() - 2).barValue, qint32(text.size()));
    QVERIFY(f.dialogs.shown.isEmpty());
}

void SerialSendTest::nextBlockWaitsUntilTheQueueHasDrained()
{
    Fixture f;
    f.port.drains = false;
    f.send.start(linesOf(4, 100));
    QCOMPARE(f.port.outputs.size(), 1);
    // The machine holds the line: the send keeps looking and hands over nothing more.
    const int reads = f.port.outBufferCountReads;
    QTRY_VERIFY(f.port.outBufferCountReads >= reads + 3);
    QCOMPARE(f.port.outputs.size(), 1);
    QVERIFY(f.send.isActive());

    f.port.drainNow();
    QTRY_COMPARE(f.port.outputs.size(), 2);
    QCOMPARE(f.port.sent.size(), 180);
    f.port.drainNow();
    QTRY_COMPARE(f.port.outputs.size(), 3);
    f.port.drainNow();
    QTRY_VERIFY(!f.send.isActive());
    QCOMPARE(f.port.sent, linesOf(4, 100));
}

void SerialSendTest::wireBytes_data()
{
    QTest::addColumn<QByteArray>("machine");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("cleaned");
    QTest::addColumn<QByteArray>("wire");

    const QByteArray program("%\r\nO0001\r\n\r\n  G0 X1  \r\n\tG1 Y2\r\nM30\r\n%\r\n");
    const QByteArray cleaned("O0001\r\nG0 X1\r\n\tG1 Y2\r\nM30\r\n");
    QTest::newRow("LineEnd 0: CR CR LF") << QByteArray("\"M\",1,\"9600,N,8,1\",0,\"\",\"\",0") << program << cleaned
                                         << QByteArray("O0001\r\r\nG0 X1\r\r\n\tG1 Y2\r\r\nM30\r\r\n");
    QTest::newRow("LineEnd 1: CR LF") << QByteArray("\"M\",1,\"9600,N,8,1\",0,\"\",\"\",1") << program << cleaned
                                      << cleaned;
    QTest::newRow("LineEnd 2 with preamble 0A") << QByteArray("\"M\",1,\"9600,N,8,1\",0,\"0A\",\"\",2") << program
                                                << cleaned
                                                << QByteArray("\rO0001\r\rG0 X1\r\r\tG1 Y2\r\rM30\r\r");
    QTest::newRow("preamble and postamble") << QByteArray("\"M\",1,\"9600,N,8,1\",0,\"1225\",\"0D0A14\",1")
                                            << QByteArray("G1\r\n") << QByteArray("G1\r\n")
                                            << QByteArray("\x12%G1\r\n\r\n\x14");
    QTest::newRow("only tape marks: preamble and postamble alone")
        << QByteArray("\"M\",1,\"9600,N,8,1\",0,\"12\",\"14\",1") << QByteArray("%\r\n%\r\n") << QByteArray()
        << QByteArray("\x12\x14");
}

void SerialSendTest::wireBytes()
{
    QFETCH(QByteArray, machine);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, cleaned);
    QFETCH(QByteArray, wire);
    Fixture f(0, " 0 \r\n" + machine + "\r\n");
    f.send.start(text);
    QTRY_VERIFY(!f.send.isActive());
    QCOMPARE(f.terminal, QList<QByteArray>{cleaned});
    QCOMPARE(f.port.sent, wire);
    QVERIFY(f.dialogs.shown.isEmpty());
}

void SerialSendTest::endOfASend()
{
    Fixture f;
    QSignalSpy active(&f.send, &SerialTransfer::activeChanged);
    f.send.start("G1\r\n");
    QVERIFY(f.send.isActive());
    QCOMPARE(f.send.progress().message, QStringLiteral("Trasmissione del ciclo in corso"));
    QVERIFY(f.send.progress().shown);
    QVERIFY(!f.send.progress().continueShown);
    QTRY_VERIFY(!f.send.isActive());
    QCOMPARE(f.messages(), (QStringList{"In attesa di consenso dal CN.", "Trasmissione del ciclo in corso", ""}));
    QCOMPARE(f.port.calls, (QStringList{"Handshaking=0", "CommPort=1", "Settings=9600,N,8,1", "PortOpen=true",
                                        "PortOpen=false"}));
    QVERIFY(f.flags.transferCancelled);
    QCOMPARE(f.send.progress(), TransferProgress{});
    QCOMPARE(active.size(), 2);
    QVERIFY(f.notified.isEmpty());
}

void SerialSendTest::consent_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("any character from the machine") << QStringLiteral("character");
    QTest::newRow("a character already waiting") << QStringLiteral("waiting");
    QTest::newRow("Continua") << QStringLiteral("continue");
}

void SerialSendTest::consent()
{
    QFETCH(QString, how);
    Fixture f(1);
    // Arrived before the wait began.
    if (how == u"waiting")
        f.port.receive("Z");
    f.send.start("G1 X1\r\n");
    if (how == u"waiting") {
        QVERIFY(!f.send.isWaitingForConsent());
    } else {
        QVERIFY(f.send.isWaitingForConsent());
        QCOMPARE(f.send.progress().message, QStringLiteral("In attesa di consenso dal CN."));
        QVERIFY(f.send.progress().continueShown);
        QVERIFY(f.port.outputs.isEmpty());
        if (how == u"character")
            f.port.receive("\x11");
        else
            f.send.continueWithoutConsent();
    }
    QTRY_VERIFY(!f.send.isActive());
    QCOMPARE(f.port.calls, (QStringList{"Handshaking=1", "CommPort=2", "Settings=9600,E,7,2", "InputLen=0",
                                        "Handshaking=0", "PortOpen=true", "PortOpen=false", "InputLen=1",
                                        "Handshaking=1", "PortOpen=true", "PortOpen=false"}));
    QCOMPARE(f.port.sent, QByteArray("\x12G1 X1\r\n\x14"));
    // The consent character is read and thrown away.
    QCOMPARE(f.port.inBufferCount(), 0);
    QCOMPARE(f.terminal, QList<QByteArray>{"G1 X1\r\n"});
    QCOMPARE(f.flags.skipConsent, how == u"continue");
    QCOMPARE(f.port.rThreshold(), 0);
}

void SerialSendTest::handshakingThreeDoesNotWait()
{
    Fixture f(3);
    f.send.start("G1\r\n");
    QVERIFY(!f.send.isWaitingForConsent());
    QTRY_VERIFY(!f.send.isActive());
    QCOMPARE(f.port.calls, (QStringList{"Handshaking=3", "CommPort=3", "Settings=19200,N,8,1", "PortOpen=true",
                                        "PortOpen=false"}));
    QCOMPARE(f.port.sent, QByteArray("G1\r\n"));
    for (const TransferProgress &p : f.progress)
        QVERIFY(!p.continueShown);
}

void SerialSendTest::terminate_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("lastCalls");
    QTest::addColumn<bool>("notified");
    QTest::newRow("in the consent wait") << 1 << QStringList{"PortOpen=true", "PortOpen=false", "Handshaking=1"}
                                         << false;
    QTest::newRow("while sending") << 0 << QStringList{"PortOpen=true", "DiscardOutput", "PortOpen=false"} << true;
}

void SerialSendTest::terminate()
{
    QFETCH(int, position);
    QFETCH(QStringList, lastCalls);
    QFETCH(bool, notified);
    Fixture f(position);
    f.machines.netPorts.netPortReachable[std::size_t(position + 1)] = true;
    f.machines.netPorts.netPortAddress[std::size_t(position + 1)] = QStringLiteral("10.0.0.9");
    f.port.drains = false;
    f.send.start(linesOf(4, 100));
    QVERIFY(f.send.isActive());
    f.send.terminate();
    QVERIFY(!f.send.isActive());
    QVERIFY(f.flags.transferCancelled);
    QCOMPARE(f.port.calls.mid(f.port.calls.size() - 3), lastCalls);
    QVERIFY(!f.port.portOpen());
    QVERIFY(f.port.sent.isEmpty());
    QCOMPARE(f.send.progress(), TransferProgress{});
    QVERIFY(f.dialogs.shown.isEmpty());
    QCOMPARE(f.notified, notified ? QStringList{"10.0.0.9"} : QStringList{});
    QCOMPARE(f.port.outputs.size(), position == 0 ? 1 : 0);
}

void SerialSendTest::outputError()
{
    Fixture f;
    f.port.drains = false;
    f.send.start(linesOf(4, 100));
    QCOMPARE(f.port.outputs.size(), 1);
    f.port.refuseOutput = SerialPort::Error{SerialPort::ErrorKind::Io, QStringLiteral("COM1 (/dev/ttyS0): Errore di I/O")};
    f.port.drainNow();
    QTRY_VERIFY(!f.send.isActive());
    QCOMPARE(f.dialogs.texts(), QStringList{"COM1 (/dev/ttyS0): Errore di I/O"});
    QCOMPARE(f.dialogs.shown.first().icon, Dialogs::Icon::Exclamation);
    QCOMPARE(f.port.outputs.size(), 1);
    QVERIFY(!f.port.portOpen());
    QVERIFY(f.flags.transferCancelled);
    QCOMPARE(f.send.progress(), TransferProgress{});
    // The count had already taken the refused block.
    QCOMPARE(f.counts(), (QStringList{"180", "360"}));
}

void SerialSendTest::deviceGoneEndsTheSend_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("terminaWhileTold");
    QTest::addColumn<QStringList>("lastCalls");
    const QStringList consent{"PortOpen=true", "Lost", "PortOpen=false", "Handshaking=1"};
    const QStringList sending{"PortOpen=true", "Lost", "PortOpen=false"};
    QTest::newRow("in the consent wait") << 1 << false << consent;
    QTest::newRow("while a block drains") << 0 << false << sending;
    QTest::newRow("Termina while the message is up, consent wait") << 1 << true << consent;
    QTest::newRow("Termina while the message is up, sending")
        << 0 << true << QStringList{"PortOpen=true", "Lost", "DiscardOutput", "PortOpen=false"};
}

void SerialSendTest::deviceGoneEndsTheSend()
{
    QFETCH(int, position);
    QFETCH(bool, terminaWhileTold);
    QFETCH(QStringList, lastCalls);
    Fixture f(position);
    f.machines.netPorts.netPortReachable[std::size_t(position + 1)] = true;
    f.machines.netPorts.netPortAddress[std::size_t(position + 1)] = QStringLiteral("10.0.0.9");
    f.port.drains = false;
    f.send.start(linesOf(4, 100));
    QVERIFY(f.send.isActive());
    const QString gone = QStringLiteral("COM1 (/dev/ttyUSB0): Dispositivo scollegato: Input/output error");
    // While the message is up the progress dialog must not cover it.
    bool cancelledWhenTold = false;
    f.dialogs.onShown = [&](const ScriptedDialogs::Shown &) {
        cancelledWhenTold = f.flags.transferCancelled;
        if (terminaWhileTold)
            f.send.terminate();
    };
    f.port.loseLine(gone);
    QVERIFY(!f.send.isActive());
    QCOMPARE(f.dialogs.texts(), QStringList{gone});
    QCOMPARE(f.dialogs.shown.first().icon, Dialogs::Icon::Exclamation);
    QVERIFY(cancelledWhenTold);
    QCOMPARE(f.port.calls.mid(f.port.calls.size() - lastCalls.size()), lastCalls);
    QCOMPARE(f.send.progress(), TransferProgress{});
    QCOMPARE(f.port.outputs.size(), position == 0 ? 1 : 0);
    // The send ends once, whoever ends it.
    QCOMPARE(f.notified, position == 0 ? QStringList{"10.0.0.9"} : QStringList{});
    // Nothing keeps looking at the gone port.
    const int reads = f.port.outBufferCountReads;
    QTest::qWait(100);
    QCOMPARE(f.port.outBufferCountReads, reads);
}

void SerialSendTest::portDoesNotOpen()
{
    for (int position : {0, 1}) {
        Fixture f(position);
        f.port.openErrors.enqueue({SerialPort::ErrorKind::NotFound, QStringLiteral("COM9 (/dev/ttyS8): No such file")});
        f.send.start("%\r\nG1\r\n");
        QVERIFY(!f.send.isActive());
        QCOMPARE(f.dialogs.texts(), QStringList{"COM9 (/dev/ttyS8): No such file"});
        QCOMPARE(f.dialogs.shown.first().icon, Dialogs::Icon::Exclamation);
        // The terminal already shows the cleaned program; no progress dialog appeared.
        QCOMPARE(f.terminal, QList<QByteArray>{"G1\r\n"});
        QVERIFY(f.progress.isEmpty());
        QVERIFY(f.port.outputs.isEmpty());
        QCOMPARE(f.port.handshaking(), position == 1 ? 1 : 0);
    }
}

void SerialSendTest::noSerialSend_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QStringList>("ethernet");
    QTest::newRow("Annulla on a serial machine") << 0 << true << QStringList{};
    QTest::newRow("Annulla on an Ethernet machine") << 2 << true << QStringList{};
    QTest::newRow("Ethernet machine") << 2 << false << QStringList{"0 CNC ETH"};
}

void SerialSendTest::noSerialSend()
{
    QFETCH(int, position);
    QFETCH(bool, cancel);
    QFETCH(QStringList, ethernet);
    Fixture f(position);
    f.cancelChoice = cancel;
    f.send.start("%\r\nG1\r\n");
    QCOMPARE(f.choices, 1);
    QCOMPARE(f.ethernet, ethernet);
    QVERIFY(!f.send.isActive());
    QVERIFY(f.terminal.isEmpty());
    QVERIFY(f.port.calls.isEmpty());
    QVERIFY(f.progress.isEmpty());
    QVERIFY(f.dialogs.shown.isEmpty());
}

void SerialSendTest::networkPortNotification_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("reachable");
    QTest::addColumn<QStringList>("notified");
    QTest::newRow("ordinary port") << QString() << false << QStringList{};
    QTest::newRow("line test filler") << QStringLiteral("\t") << true << QStringList{};
    QTest::newRow("unreachable device") << QStringLiteral("10.0.0.5") << false << QStringList{};
    QTest::newRow("network device") << QStringLiteral("10.0.0.5\t") << true << QStringList{"10.0.0.5"};
}

void SerialSendTest::networkPortNotification()
{
    QFETCH(QString, address);
    QFETCH(bool, reachable);
    QFETCH(QStringList, notified);
    Fixture f;
    f.machines.netPorts.netPortAddress[1] = address;
    f.machines.netPorts.netPortReachable[1] = reachable;
    f.send.start("G1\r\n");
    QTRY_VERIFY(!f.send.isActive());
    QCOMPARE(f.notified, notified);
}

QTEST_GUILESS_MAIN(SerialSendTest)
#include "tst_serialsend.moc"
