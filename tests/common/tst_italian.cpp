#include "italian.h"

#include <QDate>
#include <QLocale>
#include <QTest>

// The interface is Italian whatever the system's locale; the test runs under LC_ALL=C.
class ItalianTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { useItalianNumbers(); }
    void numbersAndDates_data();
    void numbersAndDates();
    void qtTextsTranslated_data();
    void qtTextsTranslated();
};

void ItalianTest::numbersAndDates_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("expected");
    QTest::newRow("groups") << QLocale().toString(6660) << QStringLiteral("6.660");
    QTest::newRow("decimals") << QLocale().toString(0.039, 'f', 3) << QStringLiteral("0,039");
    QTest::newRow("read back") << QString::number(QLocale().toDouble(QStringLiteral("1.234,5")))
                               << QStringLiteral("1234.5");
    QTest::newRow("dates") << QLocale().toString(QDate(2024, 12, 8), QStringLiteral("d MMMM yyyy"))
                           << QStringLiteral("8 dicembre 2024");
}

void ItalianTest::numbersAndDates()
{
    QFETCH(QString, shown);
    QFETCH(QString, expected);
    QCOMPARE(shown, expected);
}

void ItalianTest::qtTextsTranslated_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("disambiguation");
    QTest::addColumn<QString>("italian");
    QTest::newRow("standard button") << "QPlatformTheme" << "Cancel" << "" << "Annulla";
    QTest::newRow("file chooser") << "QFileDialog" << "Look in:" << "" << "Cerca in:";
    QTest::newRow("file kind") << "QAbstractFileIconProvider" << "Folder" << "All other platforms" << "Cartella";
}

void ItalianTest::qtTextsTranslated()
{
    QFETCH(QString, context);
    QFETCH(QString, english);
    QFETCH(QString, disambiguation);
    QFETCH(QString, italian);
    QtItalianTexts texts;
    QVERIFY(texts.install());
    const QByteArray comment = disambiguation.toLatin1();
    QCOMPARE(QCoreApplication::translate(context.toLatin1(), english.toLatin1(),
                                         comment.isEmpty() ? nullptr : comment.constData()),
             italian);
}

QTEST_GUILESS_MAIN(ItalianTest)
#include "tst_italian.moc"
