#include "fakeserialport.h"
#include "machinechoice.h"
#include "scripteddialogs.h"
#include "serialreceive.h"
#include "tempprogramfolder.h"
#include "transferflags.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QByteArray Machines = " 0 \r\n"
                            "\"TORNIO\",1,\"9600,N,8,1\",1,\"\",\"\",1\r\n"
                            "\"CNC ETH\",0,\"192.168.1.10:8193,\",0,\"\",\"\",0\r\n";

struct Fixture {
    explicit Fixture(int position = 0) : position(position)
    {
        temp.writeFile(QStringLiteral("cncsett.dat"), Machines);
        receive.setHooks({[this] {
                              MachineChoice choice(machines, temp.folder(), port, flags, dialogs);
                              choice.open();
                              choice.select(this->position);
                              if (cancelChoice)
                                  choice.cancel();
                              else
                                  choice.confirm();
                          },
                          [this](int direzione, const QString &name) {
                              ethernet.append(QStringLiteral("%1 %2").arg(direzione).arg(name));
                              return ethernetOpens;
                          },
                          {}});
        QObject::connect(&receive, &SerialTransfer::terminalTextChanged, &receive,
                         [this](const QByteArray &text) { terminal.append(text); });
    }

    TempProgramFolder temp{TempProgramFolder::Content::Empty};
    int position = 0;
    bool cancelChoice = false;
    bool ethernetOpens = true;
    MachineState machines;
    FakeSerialPort port;
    TransferFlags flags;
    ScriptedDialogs dialogs;
    SerialReceive receive{machines, port, dialogs, flags};
    QSignalSpy started{&receive, &SerialReceive::receptionStarted};
    QList<QByteArray> terminal;
    QStringList ethernet;
};

} // namespace

class SerialReceiveTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void collectsUntilTermina_data();
    void collectsUntilTermina();
    void portAndDialog();
    void nothingArrives();
    void portClosedByTheUserStopsTheArrivals();
    void deviceGoneEndsTheReception_data();
    void deviceGoneEndsTheReception();
    void noSerialReception_data();
    void noSerialReception();
    void portDoesNotOpen();
};

void SerialReceiveTest::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

void SerialReceiveTest::collectsUntilTermina_data()
{
    QTest::addColumn<QList<QByteArray>>("chunks");
    QTest::addColumn<QStringList>("counts");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("four lines") << QList<QByteArray>{"%\r\n", "O1234\r\n", "M30\r\n", "%"}
                                << QStringList{"3", "10", "15", "16"} << QByteArray("%\nO1234\nM30\n%");
    QTest::newRow("NUL and XON counted, not kept") << QList<QByteArray>{QByteArray("G1\x00X", 4), "\x11Y\r\n"}
                                                   << QStringList{"4", "8"} << QByteArray("G1XY\n");
    QTest::newRow("tabs and 8-bit") << QList<QByteArray>{"\tG1\xb0\r\n"} << QStringList{"6"}
                                    << QByteArray("G1\xb0\n");
    QTest::newRow("grouped count") << QList<QByteArray>{QByteArray(999, 'A'), "B\r\n"}
                                   << QStringList{"999", "1.002"} << QByteArray(999, 'A') + "B\n";
}

void SerialReceiveTest::collectsUntilTermina()
{
    QFETCH(QList<QByteArray>, chunks);
    QFETCH(QStringList, counts);
    QFETCH(QByteArray, text);
    Fixture f;
    f.receive.start();
    QVERIFY(f.receive.isActive());
    QStringList shown;
    for (const QByteArray &chunk : chunks) {
        f.port.receive(chunk);
        shown.append(f.receive.progress().count);
    }
    QCOMPARE(shown, counts);
    // Silence or an end mark changes nothing: only Termina ends a reception.
    QVERIFY(f.receive.isActive());
    f.receive.terminate();
    QVERIFY(!f.receive.isActive());
    QCOMPARE(f.terminal, (QList<QByteArray>{QByteArray(), text}));
    QCOMPARE(f.flags.receiveBuffer, chunks.join());
    QCOMPARE(f.flags.byteCounter, qint32(chunks.join().size()));
    QVERIFY(!f.port.portOpen());
    QVERIFY(f.flags.transferCancelled);
    QVERIFY(f.dialogs.shown.isEmpty());
}

void SerialReceiveTest::portAndDialog()
{
    Fixture f;
    f.port.receive("left over");
    f.receive.start();
    QCOMPARE(f.started.size(), 1);
    QCOMPARE(f.port.calls, (QStringList{"Handshaking=1", "CommPort=1", "Settings=9600,N,8,1", "InputLen=0",
                                        "PortOpen=true"}));
    QCOMPARE(f.port.inBufferSize(), 1000);
    TransferProgress expected;
    expected.shown = true;
    expected.message = QStringLiteral("Ricezione in corso - ");
    // What waited at the start is collected at once.
    expected.count = QStringLiteral("9");
    QCOMPARE(f.receive.progress(), expected);
    f.receive.terminate();
    QCOMPARE(f.port.calls.last(), QStringLiteral("PortOpen=false"));
    QCOMPARE(f.receive.progress(), TransferProgress{});
    QCOMPARE(f.port.rThreshold(), 0);
}

void SerialReceiveTest::nothingArrives()
{
    Fixture f;
    f.receive.start();
    QCOMPARE(f.receive.progress().count, QString());
    f.receive.terminate();
    QCOMPARE(f.terminal, (QList<QByteArray>{QByteArray(), QByteArray()}));
    QVERIFY(!f.port.portOpen());
    QCOMPARE(f.started.size(), 1);
}

void SerialReceiveTest::portClosedByTheUserStopsTheArrivals()
{
    Fixture f;
    f.receive.start();
    f.port.receive("G1\r\n");
    f.port.setPortOpen(false);
    f.port.receive("G2\r\n");
    QVERIFY(f.receive.isActive());
    f.receive.terminate();
    QCOMPARE(f.terminal.last(), QByteArray("G1\n"));
}

void SerialReceiveTest::deviceGoneEndsTheReception_data()
{
    QTest::addColumn<QByteArray>("arrived");
    QTest::addColumn<QByteArray>("leftOver");  // waiting in the port when the device went
    QTest::addColumn<bool>("terminaWhileTold");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("mid-program") << QByteArray(998, 'A') + "\r\n" << QByteArray("M30\r\n") << false
                                 << QStringLiteral("1.005") << QByteArray(998, 'A') + "\nM30\n";
    QTest::newRow("nothing arrived") << QByteArray() << QByteArray() << false << QStringLiteral("0") << QByteArray();
    QTest::newRow("Termina while the message is up") << QByteArray("G1\r\n") << QByteArray("G2") << true
                                                     << QStringLiteral("6") << QByteArray("G1\nG2");
}

void SerialReceiveTest::deviceGoneEndsTheReception()
{
    QFETCH(QByteArray, arrived);
    QFETCH(QByteArray, leftOver);
    QFETCH(bool, terminaWhileTold);
    QFETCH(QString, count);
    QFETCH(QByteArray, text);
    Fixture f;
    f.receive.start();
    if (!arrived.isEmpty())
        f.port.receive(arrived);
    f.port.setRThreshold(0);
    f.port.receive(leftOver);
    f.port.setRThreshold(1);
    bool cancelledWhenTold = false;
    f.dialogs.onShown = [&](const ScriptedDialogs::Shown &) {
        cancelledWhenTold = f.flags.transferCancelled;
        if (terminaWhileTold)
            f.receive.terminate();
    };
    const QString gone = QStringLiteral("COM1 (/dev/pts/9): Dispositivo scollegato: linea chiusa dall'altro capo");
    f.port.loseLine(gone);
    QVERIFY(!f.receive.isActive());
    QCOMPARE(f.dialogs.texts(), QStringList{gone + QStringLiteral("\nRicezione interrotta: %1 caratteri ricevuti.").arg(count)});
    QCOMPARE(f.dialogs.shown.first().icon, Dialogs::Icon::Exclamation);
    QVERIFY(cancelledWhenTold);
    // The terminal keeps what arrived.
    QCOMPARE(f.terminal, (QList<QByteArray>{QByteArray(), text}));
    QCOMPARE(f.flags.receiveBuffer, arrived + leftOver);
    QCOMPARE(f.receive.progress(), TransferProgress{});
}

void SerialReceiveTest::noSerialReception_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<bool>("ethernetOpens");
    QTest::addColumn<QStringList>("ethernet");
    QTest::addColumn<int>("started");
    QTest::newRow("Annulla") << 0 << true << true << QStringList{} << 0;
    QTest::newRow("Ethernet machine") << 1 << false << true << QStringList{"1 "} << 1;
    QTest::newRow("Ethernet window not available") << 1 << false << false << QStringList{"1 "} << 0;
}

void SerialReceiveTest::noSerialReception()
{
    QFETCH(int, position);
    QFETCH(bool, cancel);
    QFETCH(bool, ethernetOpens);
    QFETCH(QStringList, ethernet);
    QFETCH(int, started);
    Fixture f(position);
    f.cancelChoice = cancel;
    f.ethernetOpens = ethernetOpens;
    f.receive.start();
    QCOMPARE(f.ethernet, ethernet);
    QCOMPARE(f.started.size(), started);
    QVERIFY(!f.receive.isActive());
    QVERIFY(f.terminal.isEmpty());
    QVERIFY(f.port.calls.isEmpty());
}

void SerialReceiveTest::portDoesNotOpen()
{
    Fixture f;
    f.port.openErrors.enqueue({SerialPort::ErrorKind::InUse, QStringLiteral("COM1 (/dev/ttyS0): busy")});
    f.receive.start();
    QCOMPARE(f.dialogs.texts(), QStringList{"COM1 (/dev/ttyS0): busy"});
    QCOMPARE(f.dialogs.shown.first().icon, Dialogs::Icon::Exclamation);
    QVERIFY(!f.receive.isActive());
    QVERIFY(f.terminal.isEmpty());
    QCOMPARE(f.started.size(), 0);
}

QTEST_GUILESS_MAIN(SerialReceiveTest)
#include "tst_serialreceive.moc"
