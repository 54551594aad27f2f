#include "qtserialport.h"
#include "scripteddialogs.h"
#include "seriallink.h"
#include "settingsstore.h"

#include <QSignalSpy>
#include <QTest>

#include <cerrno>
#include <memory>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>

namespace {

// The machine's end of a pseudo-terminal; the program's end is mapped to a COM port.
class PseudoTerminal {
public:
    PseudoTerminal()
    {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
            qFatal("no pseudo-terminal: %s", std::strerror(errno));
        m_device = QString::fromLocal8Bit(::ptsname(m_master));
    }
    ~PseudoTerminal() { close(); }
    // The machine goes away, as an unplugged adapter does.
    void close()
    {
        if (m_master >= 0)
            ::close(m_master);
        m_master = -1;
    }

    QString device() const { return m_device; }
    void write(const QByteArray &bytes) const
    {
        if (::write(m_master, bytes.constData(), size_t(bytes.size())) != bytes.size())
            qFatal("write to the pseudo-terminal failed");
    }
    // Everything the port sent so far.
    QByteArray received()
    {
        char buffer[4096];
        ssize_t n = 0;
        while ((n = ::read(m_master, buffer, sizeof buffer)) > 0)
            m_received.append(buffer, n);
        return m_received;
    }
    termios attributes() const
    {
        termios t{};
        ::tcgetattr(m_master, &t);  // on Linux, the attributes of the program's end
        return t;
    }

private:
    int m_master = -1;
    QString m_device;
    QByteArray m_received;
};

void mapComPort(int number, const QString &device)
{
    SettingsStore().setValue(QStringLiteral("ports"), QStringLiteral("COM%1").arg(number), device);
}

} // namespace

class QtSerialPortTest : public QObject {
    Q_OBJECT
private slots:
    void devicePathFollowsTheSettings();
    void opensThePseudoTerminalMappedToTheComPort();
    void openingFailures_data();
    void openingFailures();
    void onlyXonResumesAStoppedLine();
    void discardingTheHeldOutput();
    void receiveEvents();
    void goneDeviceClosesThePort_data();
    void goneDeviceClosesThePort();
    void lineEvents_data();
    void lineEvents();
};

void QtSerialPortTest::devicePathFollowsTheSettings()
{
    QCOMPARE(QtSerialPort::devicePath(7), QStringLiteral("/dev/ttyS6"));
    mapComPort(8, QStringLiteral("/dev/serial/by-id/usb-test"));
    QCOMPARE(QtSerialPort::devicePath(8), QStringLiteral("/dev/serial/by-id/usb-test"));
}

void QtSerialPortTest::opensThePseudoTerminalMappedToTheComPort()
{
    PseudoTerminal machine;
    mapComPort(1, machine.device());
    QtSerialPort port;
    ScriptedDialogs dialogs;
    port.setHandshaking(SerialPort::NoHandshaking);
    port.setCommPort(1);
    port.setSettings(QStringLiteral("19200,E,7,2"));
    SetPortOpen(port, true, dialogs);
    QVERIFY2(port.portOpen(), qPrintable(dialogs.texts().join(u'\n')));
    QVERIFY(dialogs.shown.isEmpty());

    const termios t = machine.attributes();
    QCOMPARE(cfgetospeed(&t), speed_t(B19200));
    // A pseudo-terminal keeps 8 bits without parity; the stop bits and the speed are taken.
    QCOMPARE(t.c_cflag & (CSIZE | PARENB | CSTOPB), tcflag_t(CS8 | CSTOPB));
    QCOMPARE(t.c_iflag & (IXON | IXOFF | IXANY), tcflag_t(0));

    QVERIFY(port.output(QByteArray("G1 X10\r\n\x13\xff", 10)));
    QTRY_COMPARE(machine.received(), QByteArray("G1 X10\r\n\x13\xff", 10));
    QTRY_COMPARE(port.outBufferCount(), 0);

    machine.write("%\r\nO1\r\n");
    QTRY_COMPARE(port.inBufferCount(), 7);
    port.setInputLen(3);
    QCOMPARE(port.input(), QByteArray("%\r\n"));
    port.setInputLen(0);
    QCOMPARE(port.input(), QByteArray("O1\r\n"));
    QCOMPARE(port.input(), QByteArray());

    SetPortOpen(port, false, dialogs);
    QVERIFY(!port.portOpen());
    QVERIFY(dialogs.shown.isEmpty());
}

void QtSerialPortTest::openingFailures_data()
{
    QTest::addColumn<int>("comPort");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");

    const QString missing = QStringLiteral("/nonexistent/ttyTRUV");
    QTest::newRow("missing device") << 2 << missing << QStringLiteral("9600,N,8,1")
                                    << int(SerialPort::ErrorKind::NotFound)
                                    << QStringLiteral("COM2 (%1): %2").arg(missing, QString::fromLocal8Bit(std::strerror(ENOENT)));
    QTest::newRow("bad settings") << 2 << missing << QStringLiteral("9600,X,8,1")
                                  << int(SerialPort::ErrorKind::BadSettings)
                                  << QStringLiteral("COM2 (%1): Impostazioni della linea non valide: 9600,X,8,1").arg(missing);
    QTest::newRow("empty settings") << 2 << missing << QString() << int(SerialPort::ErrorKind::BadSettings)
                                    << QStringLiteral("COM2 (%1): Impostazioni della linea non valide: ").arg(missing);
    QTest::newRow("port 0") << 0 << QString() << QStringLiteral("9600,N,8,1") << int(SerialPort::ErrorKind::BadPortNumber)
                            << QStringLiteral("COM0 (/dev/ttyS-1): Numero di porta non valido: 0");
}

void QtSerialPortTest::openingFailures()
{
    QFETCH(int, comPort);
    QFETCH(QString, device);
    QFETCH(QString, settings);
    QFETCH(int, kind);
    QFETCH(QString, text);
    if (!device.isEmpty())
        mapComPort(comPort, device);
    QtSerialPort port;
    port.setCommPort(qint16(comPort));
    port.setSettings(settings);
    QVERIFY(!port.setPortOpen(true));
    QVERIFY(!port.portOpen());
    QCOMPARE(int(port.lastError().kind), kind);
    QCOMPARE(port.lastError().text, text);

    ScriptedDialogs dialogs;
    SetPortOpen(port, true, dialogs);
    QCOMPARE(dialogs.texts(), QStringList{text});
    QCOMPARE(dialogs.shown.first().icon, Dialogs::Icon::Exclamation);
}

void QtSerialPortTest::onlyXonResumesAStoppedLine()
{
    for (int handshaking : {int(SerialPort::XonXoff), int(SerialPort::XonXoffRtsCts)}) {
        PseudoTerminal machine;
        mapComPort(3, machine.device());
        QtSerialPort port;
        port.setHandshaking(handshaking);
        port.setCommPort(3);
        port.setSettings(QStringLiteral("9600,N,8,1"));
        QVERIFY(port.setPortOpen(true));
        QCOMPARE(machine.attributes().c_iflag & (IXON | IXOFF | IXANY), tcflag_t(IXON | IXOFF));

        // XOFF, then a character: once it has arrived the stop has been taken.
        machine.write("\x13M");
        QTRY_COMPARE(port.inBufferCount(), 1);
        QVERIFY(port.output("HELLO"));
        QCOMPARE(port.outBufferCount(), 5);
        // Any other character must not restart the line.
        machine.write("N");
        QTRY_COMPARE(port.inBufferCount(), 2);
        QCOMPARE(port.input(), QByteArray("MN"));
        QCOMPARE(machine.received(), QByteArray());
        QCOMPARE(port.outBufferCount(), 5);
        // A held line is not a failure.
        QCOMPARE(int(port.lastError().kind), int(SerialPort::ErrorKind::None));

        machine.write("\x11");
        QTRY_COMPARE(machine.received(), QByteArray("HELLO"));
        QTRY_COMPARE(port.outBufferCount(), 0);
        QVERIFY(port.setPortOpen(false));
    }
}

void QtSerialPortTest::discardingTheHeldOutput()
{
    PseudoTerminal machine;
    mapComPort(4, machine.device());
    QtSerialPort port;
    port.setHandshaking(SerialPort::XonXoff);
    port.setCommPort(4);
    port.setSettings(QStringLiteral("9600,N,8,1"));
    QVERIFY(port.setPortOpen(true));
    machine.write("\x13M");
    QTRY_COMPARE(port.inBufferCount(), 1);
    QVERIFY(port.output(QByteArray(50, 'X')));
    QCOMPARE(port.outBufferCount(), 50);
    port.discardOutput();
    QCOMPARE(port.outBufferCount(), 0);
    QVERIFY(port.output("OK"));
    machine.write("\x11");
    QTRY_COMPARE(machine.received(), QByteArray("OK"));

    // Closing with output held by the machine does not wait for it.
    machine.write("\x13M");
    QTRY_COMPARE(port.inBufferCount(), 2);
    QVERIFY(port.output("LOST"));
    QVERIFY(port.setPortOpen(false));
    QCOMPARE(port.outBufferCount(), 0);
    QVERIFY(!port.output("X"));
    QCOMPARE(int(port.lastError().kind), int(SerialPort::ErrorKind::NotOpen));
}

void QtSerialPortTest::receiveEvents()
{
    PseudoTerminal machine;
    mapComPort(5, machine.device());
    QtSerialPort port;
    port.setCommPort(5);
    QVERIFY(port.setPortOpen(true));
    QSignalSpy events(&port, &SerialPort::portEvent);
    machine.write("A");
    QTRY_COMPARE(port.inBufferCount(), 1);
    QCOMPARE(events.size(), 0);

    port.setRThreshold(1);
    machine.write("B");
    QTRY_COMPARE(events.size(), 1);
    QCOMPARE(port.commEvent(), qint16(SerialPort::EvReceive));
    QCOMPARE(port.input(), QByteArray("AB"));
}

void QtSerialPortTest::goneDeviceClosesThePort_data()
{
    QTest::addColumn<int>("handshaking");
    QTest::addColumn<QByteArray>("arrived");  // read by the port, not yet taken
    QTest::addColumn<QByteArray>("output");   // queued, the line held by XOFF
    QTest::newRow("idle") << int(SerialPort::NoHandshaking) << QByteArray() << QByteArray();
    QTest::newRow("characters not yet taken") << int(SerialPort::NoHandshaking) << QByteArray("O0042\r\nG1") << QByteArray();
    QTest::newRow("output held by XOFF") << int(SerialPort::XonXoff) << QByteArray("\x13M") << QByteArray(150, 'X');
}

void QtSerialPortTest::goneDeviceClosesThePort()
{
    QFETCH(int, handshaking);
    QFETCH(QByteArray, arrived);
    QFETCH(QByteArray, output);
    auto machine = std::make_unique<PseudoTerminal>();
    const QString device = machine->device();
    mapComPort(6, device);
    QtSerialPort port;
    port.setHandshaking(handshaking);
    port.setCommPort(6);
    QVERIFY(port.setPortOpen(true));
    QSignalSpy lost(&port, &SerialPort::lineLost);
    machine->write(arrived);
    // The line discipline keeps XOFF to itself.
    const QByteArray taken = QByteArray(arrived).replace('\x13', QByteArray());
    QTRY_COMPARE(port.inBufferCount(), int(taken.size()));
    if (!output.isEmpty()) {
        QVERIFY(port.output(output));
        QTest::qWait(50);
        QVERIFY(port.outBufferCount() > 0);
    }

    machine->close();
    QTRY_COMPARE_WITH_TIMEOUT(lost.size(), 1, 1000);
    QVERIFY(!port.portOpen());
    QCOMPARE(int(port.lastError().kind), int(SerialPort::ErrorKind::Gone));
    const QString prefix = QStringLiteral("COM6 (%1): Dispositivo scollegato: ").arg(device);
    QVERIFY2(port.lastError().text.startsWith(prefix), qPrintable(port.lastError().text));
    const QString reason = port.lastError().text.mid(prefix.size());
    QVERIFY2(reason == QString::fromLocal8Bit(std::strerror(EIO)) || reason == QStringLiteral("linea chiusa dall'altro capo"),
             qPrintable(reason));
    QCOMPARE(port.input(), taken);
    QCOMPARE(port.outBufferCount(), 0);

    // A gone device costs no processor time.
    rusage before{}, after{};
    ::getrusage(RUSAGE_SELF, &before);
    QTest::qWait(500);
    ::getrusage(RUSAGE_SELF, &after);
    const auto ms = [](const rusage &u) {
        return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1000;
    };
    QVERIFY2(ms(after) - ms(before) < 100, qPrintable(QString::number(ms(after) - ms(before))));
    QCOMPARE(lost.size(), 1);
}

void QtSerialPortTest::lineEvents_data()
{
    QTest::addColumn<LineCounters>("after");
    QTest::addColumn<QList<qint16>>("events");
    LineCounters overrun;
    overrun.overrun = 3;
    LineCounters everything{1, 1, 1, 1, 1, 1, 1, 1, 1};
    LineCounters modem;
    modem.cts = 2;
    modem.ring = 1;
    QTest::newRow("nothing") << LineCounters{} << QList<qint16>{};
    QTest::newRow("three overruns report once") << overrun << QList<qint16>{SerialPort::EventOverrun};
    QTest::newRow("modem lines") << modem << QList<qint16>{SerialPort::EvCts, SerialPort::EvRing};
    QTest::newRow("errors before line changes")
        << everything
        << QList<qint16>{SerialPort::EventBreak, SerialPort::EventFrame, SerialPort::EventRxParity,
                         SerialPort::EventOverrun, SerialPort::EventRxOver, SerialPort::EvCts, SerialPort::EvDsr,
                         SerialPort::EvCd, SerialPort::EvRing};
}

void QtSerialPortTest::lineEvents()
{
    QFETCH(LineCounters, after);
    QFETCH(QList<qint16>, events);
    QCOMPARE(LineEvents(LineCounters{}, after), events);
}

QTEST_GUILESS_MAIN(QtSerialPortTest)
#include "tst_qtserialport.moc"
