#include "dncfiler.h"
#include "tempprogramfolder.h"
#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QTest>

// The names and texts under which truvnet listen files what it receives.

class DncFilerTest : public QObject {
    Q_OBJECT
private slots:
    void namedByContent_data();
    void namedByContent();
    void dataRefusedGoesToTheRescueFolder();
};

void DncFilerTest::namedByContent_data()
{
    QTest::addColumn<QStringList>("waiting");   // already in dati
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<QString>("lineError");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("note");
    const QString none;
    QTest::newRow("marker with leading zeros") << QStringList() << QByteArray("O1 (YYY00042)\n") << none
                                               << "OUT0000042" << QByteArray("O1 (YYY00042)\r\n") << none;
    QTest::newRow("first marker without digits, then one with")
        << QStringList() << QByteArray("(YYY) (YYY7)") << none << "OUT0000007" << QByteArray("(YYY) (YYY7)\r\n") << none;
    QTest::newRow("eight digits are no archive number") << QStringList() << QByteArray("(YYY12345678)\n") << none
                                                        << "NEW0000001" << QByteArray("(YYY12345678)\r\n") << none;
    QTest::newRow("number 0") << QStringList() << QByteArray("(YYY0)\n") << none << "NEW0000001"
                              << QByteArray("(YYY0)\r\n") << none;
    QTest::newRow("NEW after the highest waiting, any case")
        << QStringList{"new0000004", "NEW0000002", "NEWS.txt"} << QByteArray("\x12\r\n\0O1\r\nM30\x14", 12) << none
        << "NEW0000005" << QByteArray("O1\r\nM30\r\n") << none;
    QTest::newRow("OUT still waiting, in lower case")
        << QStringList{"out0000042"} << QByteArray("O1 (YYY42)\n") << none << "NEW0000001"
        << QByteArray("O1 (YYY42)\r\n") << QStringLiteral("OUT0000042 è ancora in dati: salvato come nuovo programma");
    QTest::newRow("line error at the top of ERR")
        << QStringList{"ERR0000009"} << QByteArray("%\nO1\nG0") << QStringLiteral("Input/output error\nRicezione interrotta")
        << "ERR0000010" << QByteArray("Input/output error\r\nRicezione interrotta\r\n%\r\nO1\r\nG0\r\n")
        << QStringLiteral("Input/output error");
    QTest::newRow("line error before anything came")
        << QStringList() << QByteArray() << QStringLiteral("Framing error") << "ERR0000001"
        << QByteArray("Framing error\r\n") << QStringLiteral("Framing error");
}

void DncFilerTest::namedByContent()
{
    QFETCH(QStringList, waiting);
    QFETCH(QByteArray, received);
    QFETCH(QString, lineError);
    QFETCH(QString, name);
    QFETCH(QByteArray, text);
    QFETCH(QString, note);
    TempProgramFolder temp;
    for (const QString &file : waiting)
        temp.writeFile(QStringLiteral("dati/") + file, "waiting");
    DncFiler filer(temp.folder());

    const DncFiler::Filed filed = filer.file(received, lineError);

    QCOMPARE(filed.name, name);
    QCOMPARE(filed.path, QDir(temp.folder().dataDir()).filePath(name));
    QCOMPARE(TextFile::read(filed.path).value_or("(none)"), text);
    QCOMPARE(filed.bytes, text.size());
    QCOMPARE(filed.note, note);
    QVERIFY(filed.messages.isEmpty());
    for (const QString &file : waiting)
        QCOMPARE(TextFile::read(QDir(temp.folder().dataDir()).filePath(file)).value_or("(gone)"), QByteArray("waiting"));
    // The next one takes the next suffix.
    QCOMPARE(filer.file("O2\n").name.mid(3).toInt(), name.startsWith(u"NEW") ? name.mid(3).toInt() + 1 : 1);
}

void DncFilerTest::dataRefusedGoesToTheRescueFolder()
{
    TempProgramFolder temp;
    QVERIFY(QDir(temp.folder().dataDir()).removeRecursively());
    temp.writeFile(QStringLiteral("dati"), "a file where the folder should be");
    const QString rescue = temp.path(QStringLiteral("rescue"));
    DncFiler filer(temp.folder(), ReceivedProgramFile({rescue}, TextFile::writeAtomically));

    const DncFiler::Filed filed = filer.file("O1 (YYY42)\n");

    QCOMPARE(filed.name, QStringLiteral("OUT0000042"));
    QVERIFY2(filed.path.startsWith(rescue + QStringLiteral("/OUT0000042.")), qPrintable(filed.path));
    QCOMPARE(TextFile::read(filed.path).value_or("(none)"), QByteArray("O1 (YYY42)\r\n"));
    QCOMPARE(filed.messages.size(), 2);
    QVERIFY(filed.messages.first().startsWith(QStringLiteral("Impossibile salvare il file ")));
    QCOMPARE(filed.messages.last(), QStringLiteral("Dati ricevuti salvati in ") + filed.path);
}

QTEST_GUILESS_MAIN(DncFilerTest)
#include "tst_dncfiler.moc"
