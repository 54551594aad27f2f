#include "importexport.h"
#include "memorytext.h"
#include "scripteddialogs.h"
#include "textfile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class ImportExportTest : public QObject {
    Q_OBJECT
private slots:
    void import_data();
    void import();
    void exportWritesTheTextAsItIs_data();
    void exportWritesTheTextAsItIs();
    void exportToAFileThatCannotBeWritten();
};

void ImportExportTest::import_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("LF-only file shown as loaded") << QStringLiteral("lf.nc") << true << QByteArray("O1\nG0\n\xb0");
    QTest::newRow("empty file") << QStringLiteral("empty.nc") << true << QByteArray();
    QTest::newRow("unreadable file leaves the text") << QStringLiteral("missing.nc") << false << QByteArray("OLD\r\n");
}

void ImportExportTest::import()
{
    QFETCH(QString, chosen);
    QFETCH(bool, replaced);
    QFETCH(QByteArray, text);
    QTemporaryDir dir;
    TextFile::writeAtomically(dir.filePath(QStringLiteral("lf.nc")), "O1\nG0\n\xb0");
    TextFile::writeAtomically(dir.filePath(QStringLiteral("empty.nc")), QByteArray());
    MemoryText memory("OLD\r\n", 2);
    QCOMPARE(importProgramFile(memory, dir.filePath(chosen)), replaced);
    QCOMPARE(memory.text(), text);
}

void ImportExportTest::exportWritesTheTextAsItIs_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("line ends untouched") << QByteArray("O1\nG0 X1\r\nM30");
    QTest::newRow("empty window, empty file") << QByteArray();
    QTest::newRow("8-bit and NUL bytes") << QByteArray("\xb0\x00\xe8\r\n", 5);
}

void ImportExportTest::exportWritesTheTextAsItIs()
{
    QFETCH(QByteArray, text);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.nc"));
    TextFile::writeAtomically(path, "previous content, overwritten");
    ScriptedDialogs dialogs;
    MemoryText memory(text, 1);
    exportProgramFile(memory, path, dialogs);
    QCOMPARE(*TextFile::read(path), text);
    QCOMPARE(dialogs.messageTexts(), QStringList{QStringLiteral("Esportato")});
}

void ImportExportTest::exportToAFileThatCannotBeWritten()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no-such-folder/out.nc"));
    ScriptedDialogs dialogs;
    MemoryText memory("O1\r\n");
    exportProgramFile(memory, path, dialogs);
    const QStringList messages = dialogs.messageTexts();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].startsWith(QStringLiteral("Esportazione non riuscita: ") + QDir::toNativeSeparators(path)
                                    + QLatin1Char('\n')),
             qPrintable(messages[0]));
    QCOMPARE(dialogs.shown.last().icon, Dialogs::Icon::Exclamation);
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(ImportExportTest)
#include "tst_importexport.moc"
