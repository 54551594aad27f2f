#include "transfertext.h"

#include <QTest>

class TransferTextTest : public QObject {
    Q_OBJECT
private slots:
    void cleaning_data();
    void cleaning();
    void receivedFilter_data();
    void receivedFilter();
    void countLine_data();
    void countLine();
    void notificationAddress_data();
    void notificationAddress();
};

void TransferTextTest::cleaning_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("cleaned");
    QTest::newRow("tape marks and blank lines go") << QByteArray("%\r\nO0001\r\n\r\nG0 X1\r\n   \r\nM30\r\n%\r\n")
                                                 << QByteArray("O0001\r\nG0 X1\r\nM30\r\n");
    QTest::newRow("percent anywhere drops the line") << QByteArray("G1 X1 (50%)\r\nG2\r\n") << QByteArray("G2\r\n");
    QTest::newRow("only blanks trimmed, tabs stay") << QByteArray("  \tG1 X1\t  \r\n") << QByteArray("\tG1 X1\t\r\n");
    QTest::newRow("bare LF and bare CR end lines") << QByteArray("A\nB\rC") << QByteArray("A\r\nB\r\nC\r\n");
    QTest::newRow("only tape marks") << QByteArray("%\r\n%\r\n") << QByteArray();
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("8-bit and NUL kept") << QByteArray("G1\xff\x00Z\r\n", 7) << QByteArray("G1\xff\x00Z\r\n", 7);
}

void TransferTextTest::cleaning()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, cleaned);
    QCOMPARE(CleanProgramText(text), cleaned);
}

void TransferTextTest::receivedFilter_data()
{
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<QByteArray>("filtered");
    QTest::newRow("CR LF becomes LF") << QByteArray("%\r\nO1234\r\nM30\r\n%") << QByteArray("%\nO1234\nM30\n%");
    QTest::newRow("NUL, XON, XOFF, tab go") << QByteArray("G1\x00X\x11\x13\tY\r\n", 10) << QByteArray("G1XY\n");
    QTest::newRow("8-bit stays") << QByteArray("\x7f\x80\xff\n") << QByteArray("\x7f\x80\xff\n");
}

void TransferTextTest::receivedFilter()
{
    QFETCH(QByteArray, received);
    QFETCH(QByteArray, filtered);
    QCOMPARE(FilterReceivedText(received), filtered);
}

void TransferTextTest::countLine_data()
{
    QTest::addColumn<qint64>("count");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("line");
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    QTest::newRow("nothing shows nothing") << qint64(0) << italian << QString();
    QTest::newRow("one block") << qint64(180) << italian << QStringLiteral("180");
    QTest::newRow("Italian groups") << qint64(1048576) << italian << QStringLiteral("1.048.576");
    QTest::newRow("C locale groups too") << qint64(12345) << QLocale::c() << QStringLiteral("12,345");
    QTest::newRow("English groups") << qint64(1200) << QLocale(QLocale::English, QLocale::UnitedStates)
                                    << QStringLiteral("1,200");
}

void TransferTextTest::countLine()
{
    QFETCH(qint64, count);
    QFETCH(QLocale, locale);
    QFETCH(QString, line);
    QCOMPARE(FormatTransferCount(count, locale), line);
}

void TransferTextTest::notificationAddress_data()
{
    QTest::addColumn<QString>("notifyAddress");
    QTest::addColumn<QString>("address");
    QTest::newRow("ordinary port") << QString() << QString();
    QTest::newRow("line test filler") << QStringLiteral("\t") << QString();
    QTest::newRow("blanks and tabs") << QStringLiteral(" \t \t") << QString();
    QTest::newRow("device") << QStringLiteral("192.168.0.7") << QStringLiteral("192.168.0.7");
    QTest::newRow("device between tabs") << QStringLiteral("\t10.0.0.5\t") << QStringLiteral("10.0.0.5");
}

void TransferTextTest::notificationAddress()
{
    QFETCH(QString, notifyAddress);
    QFETCH(QString, address);
    QCOMPARE(NotificationAddress(notifyAddress), address);
}

QTEST_GUILESS_MAIN(TransferTextTest)
#include "tst_transfertext.moc"
