#include "fakelineprobes.h"
#include "linetestjob.h"
#include "tempprogramfolder.h"
#include "testendpoint.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// A milling machine on Ethernet and a lathe on COM3, which a network device at 127.0.0.1 serves.
void writeLines(const TempProgramFolder &temp, const QByteArray &millingMachine = "127.0.0.1")
{
    temp.writeFile(QStringLiteral("cncsett.dat"), " 0 \r\n\"FRESA\",0,\"" + millingMachine + ":8193,\",0,\"\",\"\",0\r\n"
                                                  "\"TORNIO\",3,\"9600,E,7,2\",0,\"\",\"\",0\r\n");
    temp.writeFile(QStringLiteral("registry-hklm.ini"),
                   "[SYSTEM]\nControlSet001\\Services\\nedrv\\Parameters\\1\\COMNO=hex:03\n"
                   "ControlSet001\\Services\\nedrv\\Parameters\\1\\IPAddress=dword:0100007f\n");
}

} // namespace

// The line test window: painted while the lines are checked, then closing by itself or waiting.
class TestEndpointTest : public QObject {
    Q_OBJECT
private slots:
    void closesOrWaits_data();
    void closesOrWaits();
    void closedBeforeTheEndStillFillsThePortTable();
};

void TestEndpointTest::closesOrWaits_data()
{
    QTest::addColumn<QStringList>("answering");
    QTest::addColumn<bool>("waits");
    QTest::newRow("every line answers") << QStringList{"127.0.0.1"} << false;
    QTest::newRow("Ethernet machine down") << QStringList{} << true;
}

void TestEndpointTest::closesOrWaits()
{
    QFETCH(QStringList, answering);
    QFETCH(bool, waits);
    TempProgramFolder temp;
    writeLines(temp);
    FakePinger pinger;
    pinger.answering = QSet<QString>(answering.begin(), answering.end());
    pinger.silentMs = 300; // a dead address takes its time-out
    FakePortProbe probe;
    MachineState machines;
    LineTestJob job(machines, temp.folder(), CRegistry(temp.folder().root(), "truvnet"), pinger, probe);
    QPointer<testendpoint> window = new testendpoint(job);
    window->setAttribute(Qt::WA_DeleteOnClose);
    QSignalSpy closed(window.data(), &testendpoint::closed);
    QElapsedTimer clock;
    clock.start();
    window->open();
    QVERIFY(window->isVisible());
    QCOMPARE(window->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Test in corso"));
    QTRY_COMPARE(window->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Test terminato"));
    QCOMPARE(window->findChild<QListWidget *>(QStringLiteral("List2"))->count(), 2);
    const QString status = waits ? QStringLiteral("KO!") : QStringLiteral("OK");
    QCOMPARE(window->findChild<QListWidget *>(QStringLiteral("List1"))->item(0)->text(),
             "Ether\t127.0.0.1\t" + status + "\tFRESA");
    QCOMPARE(window->findChild<QListWidget *>(QStringLiteral("List1"))->item(2)->text(),
             "COM3\t127.0.0.1\t" + status + "\tTORNIO");
    // The port table goes to the machine choice of the whole run.
    QCOMPARE(machines.netPorts.notifyAddress(3), waits ? QString() : QStringLiteral("127.0.0.1"));
    auto *continua = window->findChild<QPushButton *>(QStringLiteral("Command1"));
    QCOMPARE(continua->isEnabled(), waits);
    if (waits) {
        QTest::qWait(testendpoint::CloseAfterMs + 200);
        QVERIFY(window);
        continua->click();
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(!window, testendpoint::CloseAfterMs + 2000);
        // A coarse timer may fire up to 5 % early.
        QVERIFY(clock.elapsed() >= testendpoint::CloseAfterMs * 95 / 100);
    }
    QTRY_VERIFY(!window);
    QCOMPARE(closed.size(), 1);
}

void TestEndpointTest::closedBeforeTheEndStillFillsThePortTable()
{
    TempProgramFolder temp;
    // The silent machine keeps the test going after the window has gone.
    writeLines(temp, "localhost");
    FakePinger pinger;
    pinger.answering = {QStringLiteral("127.0.0.1")};
    pinger.silentMs = 500;
    FakePortProbe probe;
    MachineState machines;
    LineTestJob job(machines, temp.folder(), CRegistry(temp.folder().root(), "truvnet"), pinger, probe);
    QPointer<testendpoint> window = new testendpoint(job);
    window->setAttribute(Qt::WA_DeleteOnClose);
    QSignalSpy finished(&job, &LineTestJob::finished);
    window->open();
    window->close();
    QTRY_VERIFY(!window);
    QCOMPARE(machines.netPorts.notifyAddress(3), QString());
    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(machines.netPorts.notifyAddress(3), QStringLiteral("127.0.0.1"));
}

QTEST_MAIN(TestEndpointTest)
#include "tst_testendpoint.moc"
