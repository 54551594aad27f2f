#include "accesspassword.h"
#include "archivestore.h"
#include "editorslots.h"
#include "programsaver.h"
#include "programtext.h"
#include "scripteddialogs.h"
#include "tempprogramfolder.h"
#include "textfile.h"

#include <QDir>
#include <QSqlQuery>
#include <QTest>

class EditorLogicTest : public QObject {
    Q_OBJECT
private slots:
    void programFileBytes_data();
    void programFileBytes();
    void captionWithEmptyFields_data();
    void captionWithEmptyFields();
    void slotsReusedBeforeGrowing();
    void resetRefusedWhileAWindowIsOpen();
    void saveOutcomes_data();
    void saveOutcomes();
    void saveEmptiesStoredTextAndCreatesMissingFile();
};

void EditorLogicTest::programFileBytes_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("CR LF kept") << QByteArray("A\r\nB\r\n") << QByteArray("A\r\nB\r\n");
    QTest::newRow("missing final line end") << QByteArray("A\r\nB") << QByteArray("A\r\nB\r\n");
    QTest::newRow("bare LF inside a line") << QByteArray("G00 X1\nY2\r\nM30\r\n")
                                           << QByteArray("G00 X1\r\nY2\r\nM30\r\n");
    QTest::newRow("bare CR ends a line") << QByteArray("A\rB\r") << QByteArray("A\r\nB\r\n");
    QTest::newRow("empty lines kept") << QByteArray("A\r\n\r\n\r\nB\r\n") << QByteArray("A\r\n\r\n\r\nB\r\n");
    QTest::newRow("LF-only text") << QByteArray("A\nB") << QByteArray("A\r\nB\r\n");
    QTest::newRow("8-bit bytes untouched") << QByteArray("\xb0\xe8\x01\r\n") << QByteArray("\xb0\xe8\x01\r\n");
}

void EditorLogicTest::programFileBytes()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, file);
    QCOMPARE(::programFileBytes(text), file);
}

void EditorLogicTest::captionWithEmptyFields_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("cliente");
    QTest::addColumn<QString>("caption");
    QTest::newRow("full") << 2 << QStringLiteral("ROSSI") << QStringLiteral("2# :ROSSI:471:FLANGIA");
    QTest::newRow("empty fields") << 1 << QString() << QStringLiteral("1# :::");
}

void EditorLogicTest::captionWithEmptyFields()
{
    QFETCH(int, slot);
    QFETCH(QString, cliente);
    QFETCH(QString, caption);
    ArchiveRecord record;
    record.cliente = cliente;
    if (!cliente.isEmpty()) {
        record.disegno = QStringLiteral("471");
        record.descrizione = QStringLiteral("FLANGIA");
    }
    QCOMPARE(editorCaption(slot, record), caption);
}

void EditorLogicTest::slotsReusedBeforeGrowing()
{
    EditorSlots table;
    QCOMPARE(table.lastSlot(), 0);
    QCOMPARE(table.findFreeSlot(), 1);
    QCOMPARE(table.findFreeSlot(), 2);
    QCOMPARE(table.findFreeSlot(), 3);
    table.state(2).deleted = true;
    table.state(1).deleted = true;
    QCOMPARE(table.findFreeSlot(), 1);
    QCOMPARE(table.findFreeSlot(), 2);
    QCOMPARE(table.lastSlot(), 3);
    QVERIFY(!table.state(2).deleted);
    QCOMPARE(table.findFreeSlot(), 4);
}

void EditorLogicTest::resetRefusedWhileAWindowIsOpen()
{
    EditorSlots table;
    table.findFreeSlot();
    table.setProgram(1, 42);
    QVERIFY(table.anyEditorOpen());
    QVERIFY(!table.reset());
    QCOMPARE(table.program(1), 42);
    table.state(1).deleted = true;
    QVERIFY(!table.anyEditorOpen());
    QVERIFY(table.reset());
    QCOMPARE(table.lastSlot(), 0);
    QCOMPARE(table.findFreeSlot(), 1);
}

void EditorLogicTest::saveOutcomes_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint32>("number");
    QTest::addColumn<bool>("fileIsAFolder");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("message");
    QTest::newRow("no password") << QString() << QString() << 42 << false << int(SaveOutcome::Saved) << QString();
    QTest::newRow("password, other case and blanks") << QStringLiteral("SEGRETO") << QStringLiteral(" segreto ")
                                                     << 42 << false << int(SaveOutcome::Saved) << QString();
    QTest::newRow("wrong password") << QStringLiteral("SEGRETO") << QStringLiteral("segret") << 42 << false
                                    << int(SaveOutcome::PasswordRefused) << QStringLiteral("Password errata!");
    QTest::newRow("no row for the number") << QString() << QString() << 43 << false << int(SaveOutcome::NotSaved)
                                           << QStringLiteral("Errore fase 1");
    // What cannot be read cannot be kept as a revision, so it is not replaced either.
    QTest::newRow("current text cannot be read") << QString() << QString() << 42 << true
                                                 << int(SaveOutcome::NotSaved) << QStringLiteral("Testo attuale di ");
}

void EditorLogicTest::saveOutcomes()
{
    QFETCH(QString, password);
    QFETCH(QString, typed);
    QFETCH(qint32, number);
    QFETCH(bool, fileIsAFolder);
    QFETCH(int, outcome);
    QFETCH(QString, message);
    TempProgramFolder temp;
    auto archive = temp.openArchive();
    ArchiveRecord record;
    record.progr = 42;
    record.disegno = record.descrizione = QStringLiteral("X");
    QVERIFY(archive->add(record));
    if (fileIsAFolder)
        QVERIFY(QDir().mkpath(temp.folder().programTextPath(42)));
    else
        temp.writeProgramText(42, "OLD\r\n");
    ScriptedDialogs dialogs;
    dialogs.inputAnswers.enqueue(typed);

    const SaveOutcome result = saveProgramText("NEW\nTEXT", number, *archive, temp.folder(),
                                               AccessPassword(password), dialogs);
    QCOMPARE(int(result), outcome);
    const QStringList shown = dialogs.messageTexts();
    if (message.isEmpty()) {
        QVERIFY(shown.isEmpty());
    } else {
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.first().startsWith(message), qPrintable(shown.first()));
    }
    if (!password.isEmpty()) {
        QCOMPARE(dialogs.shown.first().text, QStringLiteral("Parola chiave"));
        QCOMPARE(dialogs.shown.first().title, QStringLiteral("Inserimento Password"));
    }
    if (!fileIsAFolder) {
        const QByteArray expected = result == SaveOutcome::Saved ? QByteArray("NEW\r\nTEXT\r\n") : QByteArray("OLD\r\n");
        QCOMPARE(*TextFile::read(temp.folder().programTextPath(42)), expected);
    }
    QVERIFY(!QFile::exists(temp.folder().programTextPath(43)));
}

void EditorLogicTest::saveEmptiesStoredTextAndCreatesMissingFile()
{
    TempProgramFolder temp;
    auto archive = temp.openArchive();
    QSqlQuery query(archive->database());
    QVERIFY(query.exec(QStringLiteral("INSERT INTO cicli (progr, disegno, descrizione, testo) "
                                      "VALUES (12345678, 'D', 'E', 'old text in the row')")));
    ScriptedDialogs dialogs;
    QCOMPARE(saveProgramText("O1\r\n", 12345678, *archive, temp.folder(), AccessPassword(), dialogs),
             SaveOutcome::Saved);
    QCOMPARE(*TextFile::read(QDir(temp.folder().dataDir()).filePath(QStringLiteral("P12345678"))),
             QByteArray("O1\r\n"));
    QVERIFY(query.exec(QStringLiteral("SELECT testo FROM cicli WHERE progr = 12345678")));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toString(), QString());
    QVERIFY(!query.value(0).isNull());
}

QTEST_GUILESS_MAIN(EditorLogicTest)
#include "tst_editorlogic.moc"
