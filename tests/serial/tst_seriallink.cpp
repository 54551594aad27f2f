#include "fakeserialport.h"
#include "scripteddialogs.h"
#include "seriallink.h"

#include <QTest>

class SerialLinkTest : public QObject {
    Q_OBJECT
private slots:
    void decodeHexText_data();
    void decodeHexText();
    void encodeLineEnds_data();
    void encodeLineEnds();
    void setPortOpen_data();
    void setPortOpen();
};

void SerialLinkTest::decodeHexText_data()
{
    QTest::addColumn<QByteArray>("hex");
    QTest::addColumn<QByteArray>("characters");
    QTest::newRow("12") << QByteArray("12") << QByteArray("\x12");
    QTest::newRow("1214") << QByteArray("1214") << QByteArray("\x12\x14");
    QTest::newRow("single 1") << QByteArray("1") << QByteArray("\x10");
    QTest::newRow("10") << QByteArray("10") << QByteArray("\x10");
    QTest::newRow("single 0 is dropped") << QByteArray("0") << QByteArray();
    QTest::newRow("0D0A") << QByteArray("0D0A") << QByteArray("\r\n");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("FF") << QByteArray("FF") << QByteArray("\xff");
    QTest::newRow("odd count keeps the last digit") << QByteArray("0D1") << QByteArray("\r\x10");
    QTest::newRow("another character repeats the digit") << QByteArray("1G") << QByteArray("\x11");
    QTest::newRow("lower case is no digit") << QByteArray("0d") << QByteArray("\x00", 1);
}

void SerialLinkTest::decodeHexText()
{
    QFETCH(QByteArray, hex);
    QFETCH(QByteArray, characters);
    QCOMPARE(DecodeHexText(hex), characters);
}

void SerialLinkTest::encodeLineEnds_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("lineEnd");
    QTest::addColumn<QByteArray>("encoded");
    const QByteArray twoLines("A\r\nB\r\n");
    QTest::newRow("0: CR before LF") << twoLines << 0 << QByteArray("A\r\r\nB\r\r\n");
    QTest::newRow("1: unchanged") << twoLines << 1 << twoLines;
    QTest::newRow("2: LF becomes CR") << twoLines << 2 << QByteArray("A\r\rB\r\r");
    QTest::newRow("other value: unchanged") << twoLines << 7 << twoLines;
    QTest::newRow("0 without line feeds") << QByteArray("A\rB") << 0 << QByteArray("A\rB");
    QTest::newRow("0 on bare line feeds") << QByteArray("\n\nX\n") << 0 << QByteArray("\r\n\r\nX\r\n");
    QTest::newRow("2 on a preamble line feed") << QByteArray("\nG1\r\n") << 2 << QByteArray("\rG1\r\r");
    QTest::newRow("0 on empty text") << QByteArray() << 0 << QByteArray();
}

void SerialLinkTest::encodeLineEnds()
{
    QFETCH(QByteArray, text);
    QFETCH(int, lineEnd);
    QFETCH(QByteArray, encoded);
    QCOMPARE(EncodeLineEnds(text, lineEnd), encoded);
}

void SerialLinkTest::setPortOpen_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("shown");  // empty: no message
    QTest::newRow("opens") << int(SerialPort::ErrorKind::None) << QString() << QString();
    QTest::newRow("missing device") << int(SerialPort::ErrorKind::NotFound)
                                    << QStringLiteral("COM2 (/dev/ttyS1): No such file or directory")
                                    << QStringLiteral("COM2 (/dev/ttyS1): No such file or directory");
    QTest::newRow("permission")
        << int(SerialPort::ErrorKind::Permission) << QStringLiteral("COM1 (/dev/ttyUSB0): Permission denied")
        << QStringLiteral("COM1 (/dev/ttyUSB0): Permission denied\n"
                          "L'utente deve essere autorizzato a usare il dispositivo "
                          "(ad esempio come membro del gruppo dialout).");
    QTest::newRow("in use") << int(SerialPort::ErrorKind::InUse)
                            << QStringLiteral("COM1 (/dev/ttyS0): Permission error while locking the device")
                            << QStringLiteral("COM1 (/dev/ttyS0): Permission error while locking the device");
}

void SerialLinkTest::setPortOpen()
{
    QFETCH(int, kind);
    QFETCH(QString, error);
    QFETCH(QString, shown);
    FakeSerialPort port;
    ScriptedDialogs dialogs;
    if (kind != int(SerialPort::ErrorKind::None))
        port.openErrors.enqueue({SerialPort::ErrorKind(kind), error});
    SetPortOpen(port, true, dialogs);
    QCOMPARE(port.portOpen(), shown.isEmpty());
    if (shown.isEmpty()) {
        QVERIFY(dialogs.shown.isEmpty());
        SetPortOpen(port, false, dialogs);
        QVERIFY(!port.portOpen());
        QVERIFY(dialogs.shown.isEmpty());
        return;
    }
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown.first().kind, ScriptedDialogs::Kind::Message);
    QCOMPARE(dialogs.shown.first().text, shown);
    QCOMPARE(dialogs.shown.first().title, QString());
    QCOMPARE(dialogs.shown.first().icon, Dialogs::Icon::Exclamation);
}

QTEST_GUILESS_MAIN(SerialLinkTest)
#include "tst_seriallink.moc"
