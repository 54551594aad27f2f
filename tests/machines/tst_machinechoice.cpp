#include "fakeserialport.h"
#include "machinechoice.h"
#include "scripteddialogs.h"
#include "serialport.h"
#include "tempprogramfolder.h"
#include "transferflags.h"

#include <QTest>

namespace {

const QByteArray Machines = " 0 \r\n"
                            "\"TORNIO 1\",1,\"9600,E,7,2\",1,\"12\",\"\",0\r\n"
                            "\"FRESA\",3,\"4800,N,8,1\",3,\"\",\"\",2\r\n"
                            "\"CNC ETH\",5,\"192.168.1.10:8193,\",0,\"\",\"\",0\r\n";

struct Fixture {
    Fixture(const QByteArray &file = Machines)
    {
        temp.writeFile(QStringLiteral("cncsett.dat"), file);
    }
    TempProgramFolder temp{TempProgramFolder::Content::Empty};
    MachineState machines;
    FakeSerialPort port;
    TransferFlags flags;
    ScriptedDialogs dialogs;
    MachineChoice choice{machines, temp.folder(), port, flags, dialogs};
};

} // namespace

class MachineChoiceTest : public QObject {
    Q_OBJECT
private slots:
    void applyMachineToPortOrder();
    void serialMachineConfiguresThePort_data();
    void serialMachineConfiguresThePort();
    void ethernetMachineLeavesPortAndAddress();
    void settingsNoPortTakesAreRefused_data();
    void settingsNoPortTakesAreRefused();
    void cancelKeepsTheChangedSelection();
    void okOnAnEmptyListCancels();
};

void MachineChoiceTest::applyMachineToPortOrder()
{
    MachineRecord record;
    record.comPort = 7;
    record.settings = QStringLiteral("not,checked,here");
    record.handshaking = 2;
    FakeSerialPort port;
    ApplyMachineToPort(record, port);
    QCOMPARE(port.calls, (QStringList{"Handshaking=2", "CommPort=7", "Settings=not,checked,here"}));
    QVERIFY(!port.portOpen());
}

void MachineChoiceTest::serialMachineConfiguresThePort_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("netAddress");  // NetPortAddress of COM3
    QTest::addColumn<bool>("reachable");      // NetPortReachable of COM3
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QString>("notifyAddress");

    const QStringList com3{"Handshaking=3", "CommPort=3", "Settings=4800,N,8,1"};
    QTest::newRow("network port reachable") << 1 << QStringLiteral("10.0.1.5") << true << com3
                                            << QStringLiteral("10.0.1.5");
    QTest::newRow("network port unreachable") << 1 << QStringLiteral("10.0.1.5") << false << com3 << QString();
    QTest::newRow("ordinary port tested by the line test") << 1 << QStringLiteral("\t") << true << com3
                                                           << QStringLiteral("\t");
    QTest::newRow("other port") << 0 << QStringLiteral("10.0.1.5") << true
                                << QStringList{"Handshaking=1", "CommPort=1", "Settings=9600,E,7,2"} << QString();
}

void MachineChoiceTest::serialMachineConfiguresThePort()
{
    QFETCH(int, position);
    QFETCH(QString, netAddress);
    QFETCH(bool, reachable);
    QFETCH(QStringList, calls);
    QFETCH(QString, notifyAddress);

    Fixture f;
    f.machines.netPorts.netPortAddress[3] = netAddress;
    f.machines.netPorts.netPortReachable[3] = reachable;
    f.flags.notifyAddress = QStringLiteral("from an earlier transfer");
    const MachineList list = f.choice.open();
    QCOMPARE(list.selection, 0);
    f.choice.select(position);
    f.choice.confirm();
    QCOMPARE(f.machines.currentMachine, position);
    QCOMPARE(f.port.calls, calls);
    QCOMPARE(f.flags.notifyAddress, notifyAddress);
    QVERIFY(!f.flags.transferCancelled);
    QVERIFY(f.dialogs.shown.isEmpty());
}

void MachineChoiceTest::ethernetMachineLeavesPortAndAddress()
{
    Fixture f;
    f.flags.notifyAddress = QStringLiteral("10.0.0.9");
    f.choice.open();
    f.choice.select(2);
    f.choice.confirm();
    QCOMPARE(f.machines.currentMachine, 2);
    QVERIFY(f.port.calls.isEmpty());
    QCOMPARE(f.flags.notifyAddress, QStringLiteral("10.0.0.9"));
    QVERIFY(!f.flags.transferCancelled);
}

void MachineChoiceTest::settingsNoPortTakesAreRefused_data()
{
    QTest::addColumn<QByteArray>("fields");  // ComPort, Settings, Handshaking, Preamble, Postamble, LineEnd
    QTest::addColumn<QString>("message");    // empty: the line goes onto the port

    QTest::newRow("COM0") << QByteArray("0,\"9600,N,8,1\",0,\"\",\"\",0")
                          << QStringLiteral("La macchina TORNIO 1 ha la porta Com 0: sono ammesse le porte da 1 a 16.");
    QTest::newRow("COM-3") << QByteArray("-3,\"9600,N,8,1\",0,\"\",\"\",0")
                           << QStringLiteral("La macchina TORNIO 1 ha la porta Com -3: sono ammesse le porte da 1 a 16.");
    QTest::newRow("COM17") << QByteArray("17,\"9600,N,8,1\",0,\"\",\"\",0")
                           << QStringLiteral("La macchina TORNIO 1 ha la porta Com 17: sono ammesse le porte da 1 a 16.");
    QTest::newRow("COM16, RTS and XON/XOFF, CR") << QByteArray("16,\"9600,N,8,1\",3,\"\",\"\",2") << QString();
    QTest::newRow("handshaking -7")
        << QByteArray("1,\"9600,N,8,1\",-7,\"\",\"\",0")
        << QStringLiteral("La macchina TORNIO 1 ha il controllo di flusso -7: sono ammessi i valori da 0 a 3.");
    QTest::newRow("handshaking 4")
        << QByteArray("1,\"9600,N,8,1\",4,\"\",\"\",0")
        << QStringLiteral("La macchina TORNIO 1 ha il controllo di flusso 4: sono ammessi i valori da 0 a 3.");
    QTest::newRow("line end 77")
        << QByteArray("1,\"9600,N,8,1\",0,\"\",\"\",77")
        << QStringLiteral("La macchina TORNIO 1 ha la gestione CR LF 77: sono ammessi i valori da 0 a 2.");
    QTest::newRow("line end -1")
        << QByteArray("1,\"9600,N,8,1\",0,\"\",\"\",-1")
        << QStringLiteral("La macchina TORNIO 1 ha la gestione CR LF -1: sono ammessi i valori da 0 a 2.");
}

void MachineChoiceTest::settingsNoPortTakesAreRefused()
{
    QFETCH(QByteArray, fields);
    QFETCH(QString, message);
    Fixture f(" 0 \r\n\"TORNIO 1\"," + fields + "\r\n");
    f.choice.open();
    f.choice.confirm();
    if (message.isEmpty()) {
        QVERIFY(!f.flags.transferCancelled);
        QCOMPARE(f.port.calls.size(), 3);
        QVERIFY(f.dialogs.shown.isEmpty());
        return;
    }
    QVERIFY(f.flags.transferCancelled);
    QVERIFY(f.port.calls.isEmpty());
    QCOMPARE(f.dialogs.messageTexts(), QStringList{message});
    QCOMPARE(f.dialogs.shown.first().icon, Dialogs::Icon::Exclamation);
}

void MachineChoiceTest::cancelKeepsTheChangedSelection()
{
    Fixture f;
    f.choice.open();
    f.choice.select(1);
    f.choice.select(-1);
    f.choice.cancel();
    QCOMPARE(f.machines.currentMachine, 1);
    QVERIFY(f.flags.transferCancelled);
    QVERIFY(f.port.calls.isEmpty());
}

void MachineChoiceTest::okOnAnEmptyListCancels()
{
    Fixture f(" 0 \r\n");
    const MachineList list = f.choice.open();
    QCOMPARE(list.selection, -1);
    f.choice.confirm();
    QVERIFY(f.flags.transferCancelled);
    QVERIFY(f.port.calls.isEmpty());
}

QTEST_GUILESS_MAIN(MachineChoiceTest)
#include "tst_machinechoice.moc"
