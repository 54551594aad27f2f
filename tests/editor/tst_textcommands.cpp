#include "memorytext.h"
#include "textcommands.h"

#include <QTest>

#include <limits>

class TextCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void typedInUpperCase_data();
    void typedInUpperCase();
    void sequenceNumbersPerWindow();
    void sequenceStopsAtTheLargestNumber();
    void deleteForward_data();
    void deleteForward();
    void selectAllOfIt();
};

void TextCommandsTest::typedInUpperCase_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("inserted");
    QTest::newRow("g") << QStringLiteral("g") << QStringLiteral("G");
    QTest::newRow("x") << QStringLiteral("x") << QStringLiteral("X");
    QTest::newRow("1") << QStringLiteral("1") << QStringLiteral("1");
    QTest::newRow("accented") << QStringLiteral("è") << QStringLiteral("È");
    QTest::newRow("sharp s has no single upper form") << QStringLiteral("ß") << QStringLiteral("ß");
    QTest::newRow("Enter") << QStringLiteral("\r") << QStringLiteral("\r");
}

void TextCommandsTest::typedInUpperCase()
{
    QFETCH(QString, typed);
    QFETCH(QString, inserted);
    QCOMPARE(typedText(typed), inserted);
}

void TextCommandsTest::sequenceNumbersPerWindow()
{
    SequenceNumbering numbering;
    QCOMPARE(numbering.afterEnter(), QByteArray());
    numbering.toggle();
    QCOMPARE(numbering.afterEnter(), QByteArray("N10"));
    QCOMPARE(numbering.afterEnter(), QByteArray("N20"));
    QCOMPARE(numbering.afterEnter(), QByteArray("N30"));
    numbering.toggle();
    QCOMPARE(numbering.afterEnter(), QByteArray());
    numbering.toggle();
    QCOMPARE(numbering.afterEnter(), QByteArray("N40"));
}

void TextCommandsTest::sequenceStopsAtTheLargestNumber()
{
    // Past 32767, where a 16-bit counter would have turned negative, numbering goes on.
    SequenceNumbering wide(32760);
    wide.toggle();
    QCOMPARE(wide.afterEnter(), QByteArray("N32770"));

    SequenceNumbering last(std::numeric_limits<qint32>::max() - 17);
    last.toggle();
    QCOMPARE(last.afterEnter(), QByteArray("N2147483640"));
    QCOMPARE(last.afterEnter(), QByteArray());
    QCOMPARE(last.afterEnter(), QByteArray());
    QCOMPARE(last.counter(), 2147483640);
}

void TextCommandsTest::deleteForward_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<int>("caret");
    QTest::newRow("next character") << QByteArray("G01 X5") << 1 << 0 << QByteArray("G1 X5") << 1;
    QTest::newRow("CR LF pair joins the lines") << QByteArray("G01\r\nX5") << 3 << 0 << QByteArray("G01X5") << 3;
    QTest::newRow("at the end nothing") << QByteArray("G01\r\n") << 5 << 0 << QByteArray("G01\r\n") << 5;
    QTest::newRow("empty text") << QByteArray() << 0 << 0 << QByteArray() << 0;
    QTest::newRow("selection") << QByteArray("G01 X5 Y7") << 3 << 3 << QByteArray("G01 Y7") << 3;
    QTest::newRow("lone CR keeps the next character") << QByteArray("A\rXB") << 1 << 0 << QByteArray("AXB") << 1;
    QTest::newRow("CR at the very end") << QByteArray("A\r") << 1 << 0 << QByteArray("A") << 1;
    QTest::newRow("bare LF") << QByteArray("A\nB") << 1 << 0 << QByteArray("AB") << 1;
}

void TextCommandsTest::deleteForward()
{
    QFETCH(QByteArray, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QByteArray, after);
    QFETCH(int, caret);
    MemoryText memory(text, start, length);
    ::deleteForward(memory);
    QCOMPARE(memory.text(), after);
    QCOMPARE(memory.selectionStart(), caret);
    QCOMPARE(memory.selectionLength(), 0);
}

void TextCommandsTest::selectAllOfIt()
{
    MemoryText memory("O0001\r\nM30\r\n", 3, 1);
    selectAll(memory);
    QCOMPARE(memory.selectionStart(), 0);
    QCOMPARE(memory.selectionLength(), 12);
}

QTEST_GUILESS_MAIN(TextCommandsTest)
#include "tst_textcommands.moc"
