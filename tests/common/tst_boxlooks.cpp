#include "boxlooks.h"
#include "qtdialogs.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

class BoxLooksTest : public QObject {
    Q_OBJECT
private slots:
    void lineEndsShownAsBreaks_data();
    void lineEndsShownAsBreaks();
    void messageBoxShowsItsWholeTitle_data();
    void messageBoxShowsItsWholeTitle();
    void secretInputEchoesStars();
};

void BoxLooksTest::lineEndsShownAsBreaks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("CR alone") << QStringLiteral("Contattare assistenza: #2\rdatabase is locked 5")
                              << QStringLiteral("Contattare assistenza: #2\ndatabase is locked 5");
    QTest::newRow("LF CR") << QStringLiteral("modificato.\n\rSalvare le modifiche?")
                           << QStringLiteral("modificato.\nSalvare le modifiche?");
    QTest::newRow("CR LF and LF") << QStringLiteral("a\r\nb\nc") << QStringLiteral("a\nb\nc");
    QTest::newRow("two CRs, two breaks") << QStringLiteral("a\r\rb") << QStringLiteral("a\n\nb");
}

void BoxLooksTest::lineEndsShownAsBreaks()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(withShownLineBreaks(text), shown);
    QtDialogs dialogs(QStringLiteral("TRUV"));
    QCOMPARE(dialogs.messageBox(text, Dialogs::Buttons::Ok, {}, Dialogs::Icon::None)->text(), shown);
}

void BoxLooksTest::messageBoxShowsItsWholeTitle_data()
{
    QTest::addColumn<QString>("title");
    for (const char *title : {"Aggiunta a C.N.", "Termine modifiche", "Inserimento Password", "Errore !"})
        QTest::newRow(title) << QString::fromLatin1(title);
}

void BoxLooksTest::messageBoxShowsItsWholeTitle()
{
    QFETCH(QString, title);
    QtDialogs dialogs(QStringLiteral("TRUV"));
    const auto box = dialogs.messageBox(QStringLiteral("Sì"), Dialogs::Buttons::Ok, title, Dialogs::Icon::Exclamation);
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    QFont bold = QApplication::font();
    bold.setBold(true);
    QVERIFY2(box->width() >= QFontMetrics(bold).horizontalAdvance(title) + 100, qPrintable(QString::number(box->width())));
    QVERIFY(box->screen()->availableGeometry().contains(box->frameGeometry()));
}

void BoxLooksTest::secretInputEchoesStars()
{
    QtDialogs dialogs(QStringLiteral("TRUV"));
    QString shown;
    QTimer::singleShot(0, this, [&shown] {
        QWidget *box = QApplication::activeModalWidget();
        QVERIFY(box);
        auto *entry = box->findChild<QLineEdit *>();
        QTest::keyClicks(entry, QStringLiteral("abc"));
        shown = entry->displayText();
        QTest::keyClick(entry, Qt::Key_Return);
    });
    QCOMPARE(dialogs.inputText(QStringLiteral("Parola chiave"), QStringLiteral("Inserimento Password"), {}, true),
             std::optional<QString>(QStringLiteral("abc")));
    QCOMPARE(shown, QStringLiteral("***"));

    QLineEdit entry;
    echoStars(&entry);
    entry.setText(QStringLiteral("segreto"));
    QCOMPARE(entry.displayText(), QStringLiteral("*******"));
}

QTEST_MAIN(BoxLooksTest)
#include "tst_boxlooks.moc"
