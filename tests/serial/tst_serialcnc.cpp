#include "machinestate.h"
#include "qtserialport.h"
#include "scripteddialogs.h"
#include "serialreceive.h"
#include "serialsend.h"
#include "serialcncprocess.h"
#include "settingsstore.h"
#include "textfile.h"
#include "transferflags.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The send and the reception over a real pseudo-terminal, with the simulated machine serialcnc
// on the other end.

namespace {

constexpr int ComPort = 7;

// serialcnc running in a mode; device() is what COM7 maps to.
class SerialCnc : public SerialCncProcess {
public:
    explicit SerialCnc(const QStringList &arguments) : SerialCncProcess(QStringLiteral(SERIALCNC), arguments) {}
};

QByteArray fileBytes(const QString &path)
{
    return TextFile::read(path).value_or(QByteArray());
}

struct Fixture {
    Fixture(const QString &settings, int handshaking, int lineEnd, const QString &preamble = {},
            const QString &postamble = {})
    {
        MachineRecord &record = machines.table.at(1);
        record.name = QStringLiteral("CNC SERIALE");
        record.comPort = ComPort;
        record.settings = settings;
        record.handshaking = qint16(handshaking);
        record.preamble = preamble;
        record.postamble = postamble;
        record.lineEnd = qint16(lineEnd);
        port.setOutBufferSize(200);
        const TransferHooks hooks{[this] { ApplyMachineToPort(machines.currentRecord(), port); }, {}, {}};
        send.setHooks(hooks);
        receive.setHooks(hooks);
        QObject::connect(&receive, &SerialTransfer::terminalTextChanged, &receive,
                         [this](const QByteArray &text) { terminal = text; });
    }
    void connectTo(SerialCnc &cnc)
    {
        QTRY_VERIFY(cnc.ready());
        SettingsStore().setValue(QStringLiteral("ports"), QStringLiteral("COM%1").arg(ComPort), cnc.device());
    }

    QTemporaryDir dir;
    MachineState machines;
    QtSerialPort port;
    TransferFlags flags;
    ScriptedDialogs dialogs;
    SerialSend send{machines, port, dialogs, flags};
    SerialReceive receive{machines, port, dialogs, flags};
    QByteArray terminal;
};

// A program with tape marks, blank lines and padded lines, and what the machine must get of it
// with each line ended by lineEnd.
std::pair<QByteArray, QByteArray> programAndLines(int lines, const QByteArray &lineEnd)
{
    QByteArray program = "%\r\nO0042\r\n";
    QByteArray cleaned = "O0042" + lineEnd;
    for (int i = 1; i <= lines; ++i) {
        const QByteArray line = "N" + QByteArray::number(i * 10) + " G1 X" + QByteArray::number(i % 97) + ".5 F800";
        program += "  " + line + "  \r\n" + (i % 50 == 0 ? "\r\n" : "");
        cleaned += line + lineEnd;
    }
    program += "M30\r\n%\r\n";
    cleaned += "M30" + lineEnd;
    return {program, cleaned};
}

} // namespace

class SerialCncTest : public QObject {
    Q_OBJECT
private slots:
    void bytesOnTheWire_data();
    void bytesOnTheWire();
    void sendPacedByXoffAndXon();
    void punchedProgramArrivesFiltered();
};

void SerialCncTest::bytesOnTheWire_data()
{
    QTest::addColumn<int>("lineEnd");
    QTest::addColumn<QByteArray>("ending");
    QTest::newRow("LineEnd 0") << 0 << QByteArray("\r\r\n");
    QTest::newRow("LineEnd 1") << 1 << QByteArray("\r\n");
    QTest::newRow("LineEnd 2") << 2 << QByteArray("\r\r");
}

void SerialCncTest::bytesOnTheWire()
{
    QFETCH(int, lineEnd);
    QFETCH(QByteArray, ending);
    Fixture f(QStringLiteral("115200,N,8,1"), SerialPort::NoHandshaking, lineEnd, QStringLiteral("12"),
              QStringLiteral("0A14"));
    const QString out = f.dir.filePath(QStringLiteral("received"));
    SerialCnc cnc({QStringLiteral("receive"), QStringLiteral("--baud"), QStringLiteral("115200"),
                   QStringLiteral("--out"), out});
    f.connectTo(cnc);
    const auto [program, lines] = programAndLines(300, ending);
    // The postamble's line feed takes the machine's line end too.
    const QByteArray wire = "\x12" + lines + (lineEnd == 0 ? "\r\n" : lineEnd == 2 ? "\r" : "\n") + "\x14";

    f.send.start(program);
    QVERIFY2(f.send.isActive(), qPrintable(f.dialogs.texts().join(u'\n')));
    QTRY_VERIFY_WITH_TIMEOUT(!f.send.isActive(), 20000);
    QVERIFY2(f.dialogs.shown.isEmpty(), qPrintable(f.dialogs.texts().join(u'\n')));
    QCOMPARE(f.flags.byteCounter, qint32(wire.size()));
    QTRY_COMPARE_WITH_TIMEOUT(fileBytes(out).size(), wire.size(), 10000);
    QCOMPARE(fileBytes(out), wire);
}

void SerialCncTest::sendPacedByXoffAndXon()
{
    // The machine takes 3000 characters a second off a 38400 line into a 256-character buffer:
    // it stops the line again and again. Before all that it gives its consent with DC1.
    Fixture f(QStringLiteral("38400,N,8,1"), SerialPort::XonXoff, 1);
    const QString out = f.dir.filePath(QStringLiteral("received"));
    SerialCnc cnc({QStringLiteral("receive"), QStringLiteral("--baud"), QStringLiteral("38400"),
                   QStringLiteral("--out"), out, QStringLiteral("--buffer"), QStringLiteral("256"),
                   QStringLiteral("--process"), QStringLiteral("3000"), QStringLiteral("--consent"),
                   QStringLiteral("11"), QStringLiteral("--verbose")});
    f.connectTo(cnc);
    const auto [program, lines] = programAndLines(250, "\r\n");

    f.send.start(program);
    QVERIFY2(f.send.isActive(), qPrintable(f.dialogs.texts().join(u'\n')));
    QTRY_VERIFY_WITH_TIMEOUT(!f.send.isWaitingForConsent(), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(!f.send.isActive(), 30000);
    QVERIFY2(f.dialogs.shown.isEmpty(), qPrintable(f.dialogs.texts().join(u'\n')));
    QTRY_COMPARE_WITH_TIMEOUT(fileBytes(out).size(), lines.size(), 10000);
    QCOMPARE(fileBytes(out), lines);
    const QStringList events = cnc.events();
    QVERIFY2(events.contains(QStringLiteral("consent")), qPrintable(events.join(u' ')));
    QVERIFY2(events.count(QStringLiteral("xoff")) >= 3, qPrintable(events.join(u' ')));
    QCOMPARE(events.count(QStringLiteral("xon")), events.count(QStringLiteral("xoff")));
}

void SerialCncTest::punchedProgramArrivesFiltered()
{
    Fixture f(QStringLiteral("38400,N,8,1"), SerialPort::NoHandshaking, 1);
    QByteArray tape("%\r\nO0042\r\nG1 X1\x00\r\n\x11M30\r\n%\r\n", 27);
    for (int i = 0; i < 200; ++i)
        tape.insert(tape.size() - 9, "N" + QByteArray::number(i) + " G0 Z5\r\n");
    const QString in = f.dir.filePath(QStringLiteral("tape"));
    QFile file(in);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(tape);
    file.close();
    SerialCnc cnc({QStringLiteral("punch"), QStringLiteral("--baud"), QStringLiteral("38400"),
                   QStringLiteral("--in"), in, QStringLiteral("--start-delay"), QStringLiteral("100"),
                   QStringLiteral("--once")});
    f.connectTo(cnc);

    f.receive.start();
    QVERIFY2(f.receive.isActive(), qPrintable(f.dialogs.texts().join(u'\n')));
    QTRY_COMPARE_WITH_TIMEOUT(f.flags.byteCounter, qint32(tape.size()), 10000);
    f.receive.terminate();
    QCOMPARE(f.flags.receiveBuffer, tape);
    QByteArray expected = tape;
    expected.replace("\r", "").replace(QByteArray("\x00", 1), "").replace("\x11", "");
    QCOMPARE(f.terminal, expected);
    QVERIFY(f.terminal.startsWith("%\nO0042\nG1 X1\nN0 G0 Z5\n"));
    QVERIFY(!f.port.portOpen());
}

QTEST_GUILESS_MAIN(SerialCncTest)
#include "tst_serialcnc.moc"
