#include "fakeserialport.h"
#include "machinestate.h"
#include "scripteddialogs.h"
#include "serialsend.h"
#include "transferflags.h"
#include "xform2.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

namespace {

struct Fixture {
    explicit Fixture(int handshaking = 0)
    {
        for (int i = 1; i <= 3; ++i) {
            MachineRecord &record = machines.table.at(i);
            record.name = QStringLiteral("M%1").arg(i);
            record.comPort = qint16(i == 3 ? 4 : i);
            record.settings = QStringLiteral("9600,N,8,1");
            record.handshaking = qint16(handshaking);
            record.lineEnd = 1;
        }
        port.setOutBufferSize(200);
        send.setHooks({[this] { ApplyMachineToPort(machines.currentRecord(), port); }, {}, {}});
    }
    template <typename T> T *child(const char *name) const
    {
        return dialog.findChild<T *>(QString::fromLatin1(name));
    }

    MachineState machines;
    FakeSerialPort port;
    TransferFlags flags;
    ScriptedDialogs dialogs;
    SerialSend send{machines, port, dialogs, flags};
    xForm2 dialog{send, machines, flags};
};

} // namespace

class xForm2Test : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void title_data();
    void title();
    void consentWaitAndContinua();
    void terminaWhileSending();
    void onlyTerminaEndsTheTransfer();
};

void xForm2Test::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
}

void xForm2Test::title_data()
{
    QTest::addColumn<int>("currentMachine");
    QTest::addColumn<QString>("title");
    QTest::newRow("first machine on COM1") << 0 << QStringLiteral("Ricetrasmissione  0 Com1");
    QTest::newRow("third machine on COM4") << 2 << QStringLiteral("Ricetrasmissione  2 Com4");
}

void xForm2Test::title()
{
    QFETCH(int, currentMachine);
    QFETCH(QString, title);
    Fixture f;
    f.machines.currentMachine = qint16(currentMachine);
    f.dialog.show();
    QCOMPARE(f.dialog.windowTitle(), title);
    QVERIFY(f.dialog.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!f.dialog.isModal());
    QCOMPARE(f.child<QPushButton>("Command1")->text(), QStringLiteral("Termina"));
    QCOMPARE(f.child<QPushButton>("Command2")->text(), QStringLiteral("Continua"));
    QVERIFY(f.child<QPushButton>("Command2")->isHidden());
    QCOMPARE(f.child<QLabel>("Label2")->text(), QStringLiteral("0"));
}

void xForm2Test::consentWaitAndContinua()
{
    Fixture f(1);
    f.send.start("G1\r\n");
    f.dialog.show();
    auto *proceed = f.child<QPushButton>("Command2");
    QVERIFY(proceed->isVisible());
    QVERIFY(proceed->isEnabled());
    QCOMPARE(f.child<QLabel>("Label1")->text(), QStringLiteral("In attesa di consenso dal CN."));
    QVERIFY(f.port.outputs.isEmpty());
    f.port.drains = false;
    QTest::mouseClick(proceed, Qt::LeftButton);
    QVERIFY(f.flags.skipConsent);
    QCOMPARE(f.port.sent + f.port.queued(), QByteArray("G1\r\n"));
    QCOMPARE(f.child<QLabel>("Label1")->text(), QStringLiteral("Trasmissione del ciclo in corso"));
    QCOMPARE(f.child<QLabel>("Label2")->text(), QStringLiteral("4"));
    QVERIFY(f.child<QProgressBar>("ProgressBar1")->isVisible());
    QCOMPARE(f.child<QProgressBar>("ProgressBar1")->value(), 4);
    QVERIFY(proceed->isHidden());
}

void xForm2Test::terminaWhileSending()
{
    Fixture f;
    f.port.drains = false;
    f.send.start(QByteArray(98, 'X') + "\r\n" + QByteArray(898, 'Y') + "\r\n");
    f.dialog.show();
    QCOMPARE(f.child<QLabel>("Label2")->text(), QStringLiteral("180"));
    QCOMPARE(f.child<QProgressBar>("ProgressBar1")->maximum(), 1000);
    QTest::mouseClick(f.child<QPushButton>("Command1"), Qt::LeftButton);
    QVERIFY(f.flags.transferCancelled);
    QVERIFY(f.port.calls.contains(QStringLiteral("DiscardOutput")));
    QVERIFY(!f.port.portOpen());
    QVERIFY(!f.send.isActive());
    QVERIFY(f.child<QProgressBar>("ProgressBar1")->isHidden());
}

void xForm2Test::onlyTerminaEndsTheTransfer()
{
    Fixture f;
    f.port.drains = false;
    f.send.start("G1\r\n");
    f.dialog.show();
    QTest::keyClick(&f.dialog, Qt::Key_Escape);
    f.dialog.close();
    QVERIFY(f.dialog.isVisible());
    QVERIFY(f.send.isActive());
    QVERIFY(!f.flags.transferCancelled);
}

QTEST_MAIN(xForm2Test)
#include "tst_xform2.moc"
