#include "cncdownload.h"

#include <QTest>

// What the Ethernet window sends: the terminal's lines, the destination, the text for the library.
class CncDownloadTest : public QObject {
    Q_OBJECT
private slots:
    void linesFromTheTerminal_data();
    void linesFromTheTerminal();
    void destination_data();
    void destination();
    void textForTheLibrary();
};

void CncDownloadTest::linesFromTheTerminal_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("tape marks and CR LF") << QByteArray("%\r\nO1234 (PROVA)\r\nG0 X0\r\nM30\r\n%")
                                          << QStringList{"O1234 (PROVA)", "G0 X0", "M30"};
    QTest::newRow("% in and out of comments") << QByteArray("O1\n(SET %5)\nG1 X5 %\n% (END)\nM30")
                                              << QStringList{"O1", "(SET %5)", "M30"};
    QTest::newRow("colon address, blanks") << QByteArray("  :100  \r\r  G0  \n") << QStringList{"O100", "G0"};
}

void CncDownloadTest::linesFromTheTerminal()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, lines);
    QCOMPARE(linesToSend(text), lines);
}

void CncDownloadTest::destination_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<QString>("destination"); // empty: not a number
    QTest::newRow("digits") << QStringLiteral("123") << QStringLiteral("O1") << QStringLiteral("O123");
    QTest::newRow("kept as typed") << QStringLiteral(" O0123 ") << QStringLiteral("O1") << QStringLiteral("O0123");
    QTest::newRow("from the first line") << QString() << QStringLiteral("O0123 (FLANGIA)") << QStringLiteral("O123");
    QTest::newRow("O alone") << QStringLiteral("O") << QStringLiteral("O1") << QString();
    QTest::newRow("letters") << QStringLiteral("A12") << QStringLiteral("O1") << QString();
}

void CncDownloadTest::destination()
{
    QFETCH(QString, typed);
    QFETCH(QString, firstLine);
    QFETCH(QString, destination);
    QCOMPARE(downloadDestination(typed, firstLine).value_or(QString()), destination);
}

void CncDownloadTest::textForTheLibrary()
{
    QCOMPARE(downloadText({"O0012 (FLANGIA)", "G0 X0", "M30"}, QStringLiteral("O12")),
             QByteArray("\nO12(FLANGIA)\nG0 X0\nM30\n%"));
    QCOMPARE(downloadText({"O0012", "G0 X0", "M30"}, QStringLiteral("O7")), QByteArray("\nO7\nG0 X0\nM30\n%"));
}

QTEST_GUILESS_MAIN(CncDownloadTest)
#include "tst_cncdownload.moc"
