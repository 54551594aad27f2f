#include "archivestore.h"
#include "frmcliente.h"
#include "scripteddialogs.h"
#include "tempprogramfolder.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

class FrmclienteTest : public QObject {
    Q_OBJECT
private slots:
    void choose_data();
    void choose();
};

void FrmclienteTest::choose_data()
{
    QTest::addColumn<QString>("clicked"); // customer clicked in the list first
    QTest::addColumn<QString>("typed");   // then typed in the box
    QTest::addColumn<QString>("chosen");  // empty: the window stays open
    QTest::newRow("empty box") << QString() << QString() << QString();
    QTest::newRow("clicked customer") << QStringLiteral("ROSSI") << QString() << QStringLiteral("ROSSI");
    QTest::newRow("new customer with apostrophe") << QString() << QStringLiteral("D'ANGELO")
                                                  << QStringLiteral("D'ANGELO");
    QTest::newRow("typed after a click") << QStringLiteral("BIANCHI") << QStringLiteral(" SRL")
                                         << QStringLiteral("BIANCHI SRL");
}

void FrmclienteTest::choose()
{
    QFETCH(QString, clicked);
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    TempProgramFolder temp;
    auto archive = temp.openArchive();
    QVERIFY(archive->add({1, QStringLiteral("ROSSI"), QStringLiteral("D"), QStringLiteral("E"), {}, {}}));
    QVERIFY(archive->add({2, QStringLiteral("BIANCHI"), QStringLiteral("D"), QStringLiteral("E"), {}, {}}));
    QVERIFY(archive->add({3, QStringLiteral("  "), QStringLiteral("D"), QStringLiteral("E"), {}, {}}));
    ScriptedDialogs dialogs;
    Frmcliente window(*archive, dialogs);
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("Scelta del cliente"));
    auto *list = window.findChild<QListWidget *>(QStringLiteral("DBList1"));
    auto *box = window.findChild<QLineEdit *>(QStringLiteral("Text1"));
    auto *choose = window.findChild<QPushButton *>(QStringLiteral("Command2"));
    QVERIFY(list && box && choose);
    QCOMPARE(choose->text(), QStringLiteral("Scegli"));
    QCOMPARE(list->count(), 2);

    if (!clicked.isEmpty()) {
        const QRect item = list->visualItemRect(list->findItems(clicked, Qt::MatchExactly).first());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
        QCOMPARE(box->text(), clicked);
    }
    box->end(false);
    QTest::keyClicks(box, typed);
    choose->click();

    if (chosen.isEmpty()) {
        QCOMPARE(dialogs.messageTexts(), QStringList{QStringLiteral("Cliente non introdotto")});
        QCOMPARE(dialogs.shown.first().title, QString());
        QVERIFY(window.isVisible());
        QVERIFY(!window.chosenCustomer());
        return;
    }
    QVERIFY(dialogs.shown.isEmpty());
    QVERIFY(window.isHidden());
    QCOMPARE(window.chosenCustomer(), std::optional<QString>(chosen));
}

QTEST_MAIN(FrmclienteTest)
#include "tst_frmcliente.moc"
