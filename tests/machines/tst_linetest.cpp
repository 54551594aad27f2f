#include "cregistry.h"
#include "deviceportprobe.h"
#include "fakelineprobes.h"
#include "icmppinger.h"
#include "linetest.h"
#include "settingsstore.h"
#include "tempprogramfolder.h"

#include <QTest>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

// A pseudo-terminal whose device stands for a serial port while the object lives.
class PseudoTerminal {
public:
    PseudoTerminal() : m_master(::posix_openpt(O_RDWR | O_NOCTTY))
    {
        if (m_master >= 0 && ::grantpt(m_master) == 0 && ::unlockpt(m_master) == 0)
            m_device = QString::fromLocal8Bit(::ptsname(m_master));
    }
    ~PseudoTerminal() { ::close(m_master); }
    const QString &device() const { return m_device; }

private:
    int m_master;
    QString m_device;
};

QByteArray machineLine(const QString &name, int comPort, const QString &settings)
{
    return QStringLiteral("\"%1\",%2,\"%3\",0,\"\",\"\",0\r\n").arg(name).arg(comPort).arg(settings).toLatin1();
}

} // namespace

// The line test: every line checked once, the result lines in file order, the network serial
// port table filled.
class LineTestTest : public QObject {
    Q_OBJECT
private slots:
    void addressFromNumber_data();
    void addressFromNumber();
    void lines_data();
    void lines();
    void pingsThisComputer();
};

void LineTestTest::addressFromNumber_data()
{
    QTest::addColumn<qint64>("number");
    QTest::addColumn<QString>("address");
    QTest::newRow("10.0.1.5") << qint64(0x0a000105) << "10.0.1.5";
    QTest::newRow("highest bit set, read negative") << qint64(qint32(0xC8010203)) << "200.1.2.3";
    QTest::newRow("zero") << qint64(0) << "0.0.0.0";
    QTest::newRow("all ones") << qint64(-1) << "255.255.255.255";
}

void LineTestTest::addressFromNumber()
{
    QFETCH(qint64, number);
    QTEST(AddressFromNumber(number), "address");
}

void LineTestTest::lines_data()
{
    QTest::addColumn<QByteArray>("machines");
    QTest::addColumn<QByteArray>("registry");
    QTest::addColumn<QStringList>("answering");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("failed");
    QTest::addColumn<QString>("notifyCom5"); // the address a send on COM5 notifies

    const QString separator(39, u'-');
    // COM3 is a pseudo-terminal, COM7 names no device, COM5 is served by a network device.
    const QByteArray devices = "[SYSTEM]\n"
                               "ControlSet001\\Services\\nedrv\\Parameters\\0001\\COMNO=hex:05,00,00,00\n"
                               "ControlSet001\\Services\\nedrv\\Parameters\\0001\\IPAddress=dword:0501000a\n";
    QTest::newRow("every line answers")
        << machineLine("FRESA", 0, "127.0.0.1:8193,") + machineLine("TORNIO", 3, "9600,E,7,2") << QByteArray()
        << QStringList{"127.0.0.1"} << QStringList{"Ether\t127.0.0.1\tOK\tFRESA", separator, "COM3\t\t\tOK\tTORNIO"}
        << false << "";
    QTest::newRow("Ethernet machine down, device missing")
        << machineLine("FRESA", 0, "127.0.0.2:8193,") + machineLine("TORNIO", 7, "9600,E,7,2")
               + machineLine("TORNIO 2", 3, "9600,E,7,2")
        << QByteArray() << QStringList{}
        << QStringList{"Ether\t127.0.0.2\tKO!\tFRESA", separator, "COM3\t\t\tOK\tTORNIO 2", "COM7\t\t\tKO!\tTORNIO"}
        << true << "";
    QTest::newRow("one port, two machines: listed once, the later name")
        << machineLine("A", 3, "9600,E,7,2") + machineLine("B", 3, "4800,N,8,1") << QByteArray() << QStringList{}
        << QStringList{separator, "COM3\t\t\tOK\tB"} << false << "";
    QTest::newRow("network serial port answers")
        << machineLine("RETE", 5, "9600,E,7,2") << devices << QStringList{"10.0.1.5"}
        << QStringList{separator, "COM5\t10.0.1.5\tOK\tRETE"} << false << "10.0.1.5";
    QTest::newRow("network serial device silent")
        << machineLine("RETE", 5, "9600,E,7,2") << devices << QStringList{}
        << QStringList{separator, "COM5\t10.0.1.5\tKO!\tRETE"} << true << "";
}

void LineTestTest::lines()
{
    QFETCH(QByteArray, machines);
    QFETCH(QByteArray, registry);
    QFETCH(QStringList, answering);
    PseudoTerminal com3;
    QVERIFY(!com3.device().isEmpty());
    SettingsStore settings;
    settings.setValue(QStringLiteral("ports"), QStringLiteral("COM3"), com3.device());
    for (const char *port : {"COM5", "COM7"})
        settings.setValue(QStringLiteral("ports"), QString::fromLatin1(port), QStringLiteral("/nonexistent/tty"));
    TempProgramFolder temp;
    temp.writeFile(QStringLiteral("cncsett.dat"), " 0 \r\n" + machines);
    if (!registry.isEmpty())
        temp.writeFile(QStringLiteral("registry-hklm.ini"), registry);
    FakePinger pinger;
    pinger.answering = QSet<QString>(answering.begin(), answering.end());
    DevicePortProbe probe;
    MachineState state;
    state.netPorts.netPortAddress[9] = QStringLiteral("stale");

    const LineTestReport report = runLineTest(state, temp.folder(), CRegistry(temp.folder().root(), "truvnet"), pinger, probe);
    QTEST(report.lines, "lines");
    QTEST(report.failed, "failed");
    QTEST(state.netPorts.notifyAddress(5), "notifyCom5");
    QCOMPARE(state.netPorts.netPortAddress[9], QString()); // the table starts empty every time
}

// The real probe on this computer's own address, and on text that is no address.
void LineTestTest::pingsThisComputer()
{
    IcmpPinger pinger;
    QVERIFY(pinger.ping(QStringLiteral("127.0.0.1")));
    QVERIFY(!pinger.ping(QStringLiteral("not.an.address")));
}

QTEST_GUILESS_MAIN(LineTestTest)
#include "tst_linetest.moc"
