#include "finder.h"
#include "memorytext.h"
#include "scripteddialogs.h"

#include <QTest>

namespace {

struct Selection {
    int start;
    int length;
};

const QByteArray kProgram = "N10 G01 X5\r\nN20 G01 Y7\r\nN30 g01 Z1\r\n";

} // namespace

Q_DECLARE_METATYPE(Selection)

class FinderTest : public QObject {
    Q_OBJECT
private slots:
    void findNext_data();
    void findNext();
    void repeatedSearchStepsThroughTheText_data();
    void repeatedSearchStepsThroughTheText();
    void notFound_data();
    void notFound();
    void windowFieldsAndTheirKeeping();
    void findAgainWithoutSearchText();
    void replace_data();
    void replace();
};

void FinderTest::findNext_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("find");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<int>("direction");
    QTest::addColumn<bool>("firstTime");
    QTest::addColumn<int>("lastFoundPos");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("found");
    QTest::newRow("lower case finds upper") << kProgram << "g01" << false << 1 << true << 0 << 0 << 4;
    QTest::newRow("case kept finds only lower") << kProgram << "g01" << true << 1 << true << 0 << 0 << 28;
    QTest::newRow("down at the start, first search: position 1")
        << QByteArray("G01 G01") << "G01" << false << 1 << true << 0 << 0 << 0;
    QTest::newRow("down at the start, caret on the last hit: from position 2")
        << QByteArray("G01 G01") << "G01" << false << 1 << false << 0 << 0 << 4;
    QTest::newRow("down at the start, last hit elsewhere: position 1")
        << QByteArray("G01 G01") << "G01" << false << 1 << false << 4 << 0 << 0;
    QTest::newRow("up from the end finds the last") << kProgram << "G01" << false << 0 << true << 0 << 36 << 28;
    QTest::newRow("up skips the occurrence at the caret")
        << QByteArray("G01 G01") << "G01" << false << 0 << true << 0 << 4 << 0;
    QTest::newRow("up finds the one just before the caret")
        << QByteArray("X1 X1") << "1" << false << 0 << true << 0 << 5 << 4;
    QTest::newRow("up from the start finds nothing") << kProgram << "N10" << false << 0 << true << 0 << 0 << -1;
}

void FinderTest::findNext()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, find);
    QFETCH(bool, matchCase);
    QFETCH(int, direction);
    QFETCH(bool, firstTime);
    QFETCH(int, lastFoundPos);
    QFETCH(int, caret);
    QFETCH(int, found);
    SearchState state;
    state.findText = find;
    state.matchCase = matchCase;
    state.direction = direction;
    state.firstTime = firstTime;
    state.lastFoundPos = lastFoundPos;
    ScriptedDialogs dialogs;
    MemoryText memory(text, caret);
    Finder(state, dialogs).findNext(memory);
    if (found >= 0) {
        QCOMPARE(memory.selectionStart(), found);
        QCOMPARE(memory.selectionLength(), int(find.size()));
        QVERIFY(dialogs.shown.isEmpty());
    } else {
        QCOMPARE(memory.selectionStart(), caret);
        QCOMPARE(dialogs.messageTexts().size(), 1);
    }
    QCOMPARE(state.lastFoundPos, memory.selectionStart());
    QVERIFY(!state.firstTime);
}

void FinderTest::repeatedSearchStepsThroughTheText_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QList<int>>("hits");
    QTest::newRow("down") << 1 << 0 << QList<int>{4, 16, 28, -1};
    QTest::newRow("up") << 0 << 36 << QList<int>{28, 16, 4, -1};
}

void FinderTest::repeatedSearchStepsThroughTheText()
{
    QFETCH(int, direction);
    QFETCH(int, caret);
    QFETCH(QList<int>, hits);
    SearchState state;
    state.direction = direction;
    ScriptedDialogs dialogs;
    Finder finder(state, dialogs);
    MemoryText memory(kProgram, caret);
    finder.open({});
    finder.accept(QStringLiteral("G01"), QString(), &memory);
    QList<int> found{memory.selectionStart()};
    while (found.size() < hits.size()) {
        const qsizetype messages = dialogs.shown.size();
        QVERIFY(finder.findAgain(memory));
        found.append(dialogs.shown.size() > messages ? -1 : memory.selectionStart());
    }
    QCOMPARE(found, hits);
    QCOMPARE(dialogs.messageTexts(), QStringList{QStringLiteral("Non trovato: \"G01\"")});
}

void FinderTest::notFound_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("find");
    QTest::newRow("empty text") << QByteArray() << QStringLiteral("G01");
    QTest::newRow("not in the text") << kProgram << QStringLiteral("M30");
    QTest::newRow("no search text") << kProgram << QString();
}

void FinderTest::notFound()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, find);
    SearchState state;
    state.findText = find;
    ScriptedDialogs dialogs;
    MemoryText memory(text, int(text.size()) / 2, int(text.size()) / 4);
    Finder(state, dialogs).findNext(memory);
    QCOMPARE(dialogs.shown.size(), 1);
    QCOMPARE(dialogs.shown[0].text, QStringLiteral("Non trovato: \"") + find + QStringLiteral("\""));
    QCOMPARE(dialogs.shown[0].title, QString());
    QCOMPARE(memory.selectionStart(), int(text.size()) / 2);
    QCOMPARE(memory.selectionLength(), int(text.size()) / 4);
    QCOMPARE(state.lastFoundPos, int(text.size()) / 2);
}

void FinderTest::windowFieldsAndTheirKeeping()
{
    SearchState state;
    ScriptedDialogs dialogs;
    Finder finder(state, dialogs);
    state.findText = QStringLiteral("X");
    state.replaceText = QStringLiteral("Y");
    state.matchCase = true;
    state.direction = 0;

    Finder::WindowFields fields = finder.open(QByteArray("G01"));
    QCOMPARE(fields.findText, QStringLiteral("G01"));
    QCOMPARE(fields.replaceText, QString());
    QVERIFY(fields.matchCase);
    QCOMPARE(fields.direction, 0);
    QVERIFY(state.firstTime);

    fields = finder.open({});
    QCOMPARE(fields.findText, QStringLiteral("X"));
    QCOMPARE(fields.replaceText, QStringLiteral("Y"));

    finder.accept(QStringLiteral("g01"), QStringLiteral("g02 \xe0"), nullptr);
    QCOMPARE(state.findText, QStringLiteral("g01"));
    QCOMPARE(state.replaceText, QStringLiteral("G02 \xc0"));

    finder.cancel(QStringLiteral("x1"), QStringLiteral("y2"), false);
    QCOMPARE(state.findText, QStringLiteral("x1"));
    QCOMPARE(state.replaceText, QStringLiteral("y2"));
    QVERIFY(!state.matchCase);
    QVERIFY(dialogs.shown.isEmpty());
}

void FinderTest::findAgainWithoutSearchText()
{
    SearchState state;
    ScriptedDialogs dialogs;
    MemoryText memory(kProgram);
    QVERIFY(!Finder(state, dialogs).findAgain(memory));
    QVERIFY(dialogs.shown.isEmpty());
}

void FinderTest::replace_data()
{
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<Selection>("selection");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Selection>("after");
    QTest::addColumn<int>("messages");
    QTest::newRow("no replacement: nothing, not even a search")
        << QString() << Selection{4, 3} << QByteArray("N10 G01 X5 G01") << Selection{4, 3} << 0;
    QTest::newRow("replaced, next one selected")
        << QStringLiteral("G00") << Selection{4, 3} << QByteArray("N10 G00 X5 G01") << Selection{11, 3} << 0;
    QTest::newRow("whatever is selected is replaced")
        << QStringLiteral("Y") << Selection{8, 2} << QByteArray("N10 G01 Y G01") << Selection{10, 3} << 0;
    QTest::newRow("nothing selected: only the search")
        << QStringLiteral("G00") << Selection{0, 0} << QByteArray("N10 G01 X5 G01") << Selection{4, 3} << 0;
    QTest::newRow("same letters in upper case: the replacement is not found again")
        << QStringLiteral("X") << Selection{8, 1} << QByteArray("N10 G01 X5 G01") << Selection{8, 0} << 1;
}

void FinderTest::replace()
{
    QFETCH(QString, replacement);
    QFETCH(Selection, selection);
    QFETCH(QByteArray, text);
    QFETCH(Selection, after);
    QFETCH(int, messages);
    SearchState state;
    state.findText = replacement == QStringLiteral("X") ? QStringLiteral("x") : QStringLiteral("G01");
    state.replaceText = replacement;
    state.lastFoundPos = selection.start;
    ScriptedDialogs dialogs;
    MemoryText memory("N10 G01 X5 G01", selection.start, selection.length);
    Finder(state, dialogs).replace(memory);
    QCOMPARE(memory.text(), text);
    QCOMPARE(memory.selectionStart(), after.start);
    QCOMPARE(memory.selectionLength(), after.length);
    QCOMPARE(dialogs.shown.size(), messages);
}

QTEST_GUILESS_MAIN(FinderTest)
#include "tst_finder.moc"
