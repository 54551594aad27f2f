#include "fakeserialport.h"
#include "scripteddialogs.h"
#include "tempprogramfolder.h"
#include "transferflags.h"
#include "xform3.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

const QByteArray Machines = " 1 \r\n"
                            "\"TORNIO 1\",1,\"9600,E,7,2\",1,\"12\",\"\",0\r\n"
                            "\"FRESA\",3,\"4800,N,8,1\",3,\"\",\"\",2\r\n"
                            "\"CNC ETH\",5,\"192.168.1.10:8193,\",0,\"\",\"\",0\r\n";

struct Fixture {
    explicit Fixture(const QByteArray &file = Machines)
    {
        temp.writeFile(QStringLiteral("cncsett.dat"), file);
        window = std::make_unique<xForm3>(machines, temp.folder(), port, flags, dialogs);
        window->open();
        list = window->findChild<QListWidget *>(QStringLiteral("List1"));
        ok = window->findChild<QPushButton *>(QStringLiteral("Command1"));
        cancel = window->findChild<QPushButton *>(QStringLiteral("Command2"));
    }
    void clickRow(int row) const
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }

    TempProgramFolder temp{TempProgramFolder::Content::Empty};
    MachineState machines;
    FakeSerialPort port;
    TransferFlags flags;
    ScriptedDialogs dialogs;
    std::unique_ptr<xForm3> window;
    QListWidget *list = nullptr;
    QPushButton *ok = nullptr;
    QPushButton *cancel = nullptr;
};

} // namespace

class xForm3Test : public QObject {
    Q_OBJECT
private slots:
    void windowAndList();
    void okConfiguresTheChosenSerialMachine();
    void waysOut_data();
    void waysOut();
};

void xForm3Test::windowAndList()
{
    Fixture f;
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Scelta utensile"));
    QVERIFY(f.window->isModal());
    QVERIFY(f.list && f.ok && f.cancel);
    QCOMPARE(f.ok->text(), QStringLiteral("Ok "));
    QCOMPARE(f.cancel->text(), QStringLiteral("Annulla"));
    QCOMPARE(f.list->palette().color(QPalette::Text), QColor(0, 128, 0));
    QCOMPARE(f.list->count(), 3);
    QCOMPARE(f.list->item(0)->text(), QStringLiteral("TORNIO 1"));
    QCOMPARE(f.list->item(2)->data(Qt::UserRole).toInt(), 3);
    QCOMPARE(f.list->currentRow(), 1);
    QCOMPARE(f.machines.currentMachine, 1);
}

void xForm3Test::okConfiguresTheChosenSerialMachine()
{
    Fixture f;
    f.clickRow(2);
    QTest::keyClick(f.list, Qt::Key_Up);
    QTest::keyClick(f.list, Qt::Key_Up);
    f.ok->click();
    QCOMPARE(f.window->result(), int(QDialog::Accepted));
    QVERIFY(!f.window->isVisible());
    QCOMPARE(f.machines.currentMachine, 0);
    QCOMPARE(f.port.calls, (QStringList{"Handshaking=1", "CommPort=1", "Settings=9600,E,7,2"}));
    QVERIFY(!f.flags.transferCancelled);
}

void xForm3Test::waysOut_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<int>("currentMachine");

    QTest::newRow("Ok on an Ethernet machine") << Machines << QStringLiteral("ok 2") << int(QDialog::Accepted) << false
                                               << 2;
    QTest::newRow("Annulla keeps the new selection") << Machines << QStringLiteral("cancel 2")
                                                     << int(QDialog::Rejected) << true << 2;
    // Closing by the frame or with Escape must not carry on with a half-made choice.
    QTest::newRow("frame closed") << Machines << QStringLiteral("close 0") << int(QDialog::Rejected) << true << 0;
    QTest::newRow("Escape") << Machines << QStringLiteral("escape 0") << int(QDialog::Rejected) << true << 0;
    QTest::newRow("Ok on an empty list") << QByteArray(" 0 \r\n") << QStringLiteral("ok -1") << int(QDialog::Rejected)
                                         << true << 0;
}

void xForm3Test::waysOut()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, how);
    QFETCH(int, result);
    QFETCH(bool, cancelled);
    QFETCH(int, currentMachine);

    Fixture f(file);
    const QString action = how.section(u' ', 0, 0);
    const int row = how.section(u' ', 1, 1).toInt();
    if (row >= 0)
        f.clickRow(row);
    if (action == u"ok")
        f.ok->click();
    else if (action == u"cancel")
        f.cancel->click();
    else if (action == u"close")
        f.window->close();
    else
        QTest::keyClick(f.window.get(), Qt::Key_Escape);

    QCOMPARE(f.window->result(), result);
    QVERIFY(!f.window->isVisible());
    QCOMPARE(f.flags.transferCancelled, cancelled);
    QCOMPARE(f.machines.currentMachine, currentMachine);
    QVERIFY(f.port.calls.isEmpty());
}

QTEST_MAIN(xForm3Test)
#include "tst_xform3.moc"
