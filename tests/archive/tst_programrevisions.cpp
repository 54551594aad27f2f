#include "accesspassword.h"
#include "archivestore.h"
#include "bothbackends.h"
#include "programremoval.h"
#include "programrevisions.h"
#include "programsaver.h"
#include "receivedfiles.h"
#include "revisedtext.h"
#include "scripteddialogs.h"
#include "tempprogramfolder.h"
#include "testrecords.h"
#include "textfile.h"

#include <QCryptographicHash>
#include <QSqlQuery>
#include <QTest>
#include <QTranslator>

#include <thread>

namespace {

const QByteArray kOld = "%\r\nO0042 (OLD)\r\nM30\r\n%\r\n";

QByteArray textOf(const TempProgramFolder &temp, qint32 number)
{
    return TextFile::read(temp.folder().programTextPath(number)).value_or("(missing)");
}

void exec(ArchiveStore &store, const QString &statement)
{
    QSqlQuery query(store.database());
    QVERIFY2(query.exec(statement), qPrintable(statement));
}

// Any interface language other than Italian: each revision text marked as translated.
class MarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return qstrcmp(context, "RevisionText") == 0 ? QStringLiteral("EN ") + QString::fromUtf8(source) : QString();
    }
};

} // namespace

// Runs on the local file and on a PostgreSQL server (see main).
class ProgramRevisionsTest : public QObject {
    Q_OBJECT
public:
    explicit ProgramRevisionsTest(PostgresServer *server) : m_server(server) {}

private:
    PostgresServer *m_server;

private slots:
    void keptBeforeEveryChange_data();
    void keptBeforeEveryChange();
    void restoreRoundTrip_data();
    void restoreRoundTrip();
    void twoConnectionsSaveAtOnce();
    void damagedRowNeverUsed_data();
    void damagedRowNeverUsed();
    void unwritableRevisionStopsTheChange_data();
    void unwritableRevisionStopsTheChange();
    void retentionKeepsTheNewest();
};

void ProgramRevisionsTest::keptBeforeEveryChange_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("after"); // the text once changed; "(missing)" when removed
    QTest::addColumn<QString>("origin");
    QTest::addColumn<bool>("translated"); // the interface in another language than Italian
    QTest::newRow("editor save") << "editor" << QByteArray("NEW\r\n") << "editor" << false;
    QTest::newRow("DNC Rinomina of OUT0000042") << "dnc" << QByteArray("RECEIVED\r\n") << "DNC" << false;
    QTest::newRow("Elimina") << "delete" << QByteArray("(missing)") << "eliminato" << false;
    QTest::newRow("truvnet store") << "store" << QByteArray("STORED\r\n") << "riga di comando" << false;
    QTest::newRow("Elimina, in English") << "delete" << QByteArray("(missing)") << "eliminato" << true;
    QTest::newRow("truvnet store, in English") << "store" << QByteArray("STORED\r\n") << "riga di comando" << true;
}

void ProgramRevisionsTest::keptBeforeEveryChange()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, after);
    QFETCH(QString, origin);
    QFETCH(bool, translated);
    MarkingTranslator english;
    if (translated)
        QVERIFY(QCoreApplication::installTranslator(&english));
    TempProgramFolder temp(TempProgramFolder::Content::Initialised, m_server);
    auto archive = temp.openArchive();
    const ArchiveRecord record = archiveRecord(42, QStringLiteral("ROSSI"), QStringLiteral("D-42"));
    QVERIFY(archive->add(record));
    temp.writeProgramText(42, kOld);
    ScriptedDialogs dialogs;
    if (path == u"editor") {
        QCOMPARE(saveProgramText("NEW", 42, *archive, temp.folder(), AccessPassword(), dialogs), SaveOutcome::Saved);
        // The same text again replaces nothing, so it makes no revision.
        QCOMPARE(saveProgramText("NEW", 42, *archive, temp.folder(), AccessPassword(), dialogs), SaveOutcome::Saved);
    } else if (path == u"dnc") {
        temp.writeFile(QStringLiteral("dati/out0000042"), "RECEIVED\r\n");
        ReceivedFiles files(*archive, temp.folder(), dialogs);
        QVERIFY(files.examine(QStringLiteral("out0000042")));
        QVERIFY(files.rename().done);
    } else if (path == u"delete") {
        QVERIFY(removeArchivedProgram(*archive, temp.folder(), 42).complete());
        QVERIFY(!archive->contains(42));
    } else {
        QVERIFY(replaceProgramText(*archive, temp.folder(), 42, "STORED\r\n", RevisionOrigin::CommandLine).done);
    }
    QCOMPARE(dialogs.messageTexts(), QStringList());
    QCOMPARE(textOf(temp, 42), after);

    ProgramRevisions revisions(*archive);
    const std::vector<RevisionInfo> kept = revisions.list(42);
    QCOMPARE(kept.size(), size_t(1));
    QCOMPARE(kept[0].revision, 1);
    QCOMPARE(originWord(kept[0].origin), origin);
    QCOMPARE(originCaption(kept[0].origin), translated ? QStringLiteral("EN ") + origin : origin);
    QCOMPARE(kept[0].size, kOld.size());
    QCOMPARE(kept[0].sha256, QCryptographicHash::hash(kOld, QCryptographicHash::Sha256).toHex());
    QCOMPARE(kept[0].who, ProgramRevisions::currentAuthor());
    QVERIFY(qAbs(kept[0].time.secsTo(QDateTime::currentDateTimeUtc())) < 60);
    QCOMPARE(kept[0].record.has_value(), path == u"delete");
    if (kept[0].record)
        QCOMPARE(*kept[0].record, record);
    QCOMPARE(*revisions.text(42, 1), kOld);
}

void ProgramRevisionsTest::restoreRoundTrip_data()
{
    QTest::addColumn<bool>("deleted");
    QTest::addColumn<bool>("numberTaken");
    QTest::newRow("living program") << false << false;
    QTest::newRow("deleted program comes back") << true << false;
    QTest::newRow("deleted program, number taken meanwhile") << true << true;
}

void ProgramRevisionsTest::restoreRoundTrip()
{
    QFETCH(bool, deleted);
    QFETCH(bool, numberTaken);
    TempProgramFolder temp(TempProgramFolder::Content::Initialised, m_server);
    auto archive = temp.openArchive();
    const ArchiveRecord record = archiveRecord(42, QStringLiteral("ROSSI"), QStringLiteral("D-42"));
    QVERIFY(archive->add(record));
    temp.writeProgramText(42, kOld);
    QVERIFY(replaceProgramText(*archive, temp.folder(), 42, "SECOND\r\n", RevisionOrigin::Editor).done);
    if (deleted)
        QVERIFY(removeArchivedProgram(*archive, temp.folder(), 42).complete());
    if (numberTaken) {
        QVERIFY(archive->add(archiveRecord(42, QStringLiteral("BIANCHI"), QStringLiteral("OTHER"))));
        temp.writeProgramText(42, "SOMEONE ELSE\r\n");
    }

    const TextChange restored = restoreRevision(*archive, temp.folder(), 42, deleted ? 2 : 1);
    if (numberTaken) {
        QVERIFY(!restored.done);
        QCOMPARE(restored.error, QStringLiteral("Il numero 42 è ora di un altro programma (OTHER): ripristino non eseguito."));
        QCOMPARE(textOf(temp, 42), QByteArray("SOMEONE ELSE\r\n"));
        QCOMPARE(archive->seek(42)->cliente, QStringLiteral("BIANCHI"));
        return;
    }
    QVERIFY2(restored.done, qPrintable(restored.error));
    QCOMPARE(*archive->seek(42), record);
    QCOMPARE(textOf(temp, 42), deleted ? QByteArray("SECOND\r\n") : kOld);
    // What the restore replaced is a revision in turn: nothing is lost.
    ProgramRevisions revisions(*archive);
    const std::vector<RevisionInfo> kept = revisions.list(42);
    QCOMPARE(kept.size(), size_t(2));
    if (!deleted) {
        QCOMPARE(kept[0].origin, RevisionOrigin::Restored);
        QCOMPARE(*revisions.text(42, 2), QByteArray("SECOND\r\n"));
    }
}

void ProgramRevisionsTest::twoConnectionsSaveAtOnce()
{
    // Two PCs saving the same program over and over: every text one of them replaced is kept.
    TempProgramFolder temp(TempProgramFolder::Content::Initialised, m_server);
    {
        auto archive = temp.openArchive();
        QVERIFY(archive->add(archiveRecord(42, QStringLiteral("ROSSI"))));
    }
    temp.writeProgramText(42, kOld);
    constexpr int Saves = 25;
    QString errors[2];
    auto saveMany = [&](int pc) {
        QString error;
        auto archive = ArchiveStore::open(temp.folder().archiveDatabase(), &error);
        for (int i = 0; archive && i < Saves && error.isEmpty(); ++i) {
            const QByteArray text = QByteArray("PC") + QByteArray::number(pc) + " SAVE " + QByteArray::number(i) + "\r\n";
            error = replaceProgramText(*archive, temp.folder(), 42, text, RevisionOrigin::Editor).error;
        }
        errors[pc] = error;
    };
    std::thread first(saveMany, 0);
    std::thread second(saveMany, 1);
    first.join();
    second.join();
    QVERIFY2(errors[0].isEmpty() && errors[1].isEmpty(), qPrintable(errors[0] + errors[1]));

    auto archive = temp.openArchive();
    ProgramRevisions revisions(*archive);
    const std::vector<RevisionInfo> kept = revisions.list(42);
    QCOMPARE(kept.size(), size_t(2 * Saves));
    QSet<QByteArray> texts{textOf(temp, 42)};
    for (size_t i = 0; i < kept.size(); ++i) {
        QCOMPARE(kept[i].revision, int(kept.size() - i));
        texts.insert(*revisions.text(42, kept[i].revision));
    }
    // The original and all fifty saved texts, each exactly once.
    QCOMPARE(texts.size(), 2 * Saves + 1);
    QVERIFY(texts.contains(kOld));
}

void ProgramRevisionsTest::damagedRowNeverUsed_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("reason");
    QTest::newRow("bad compressed data") << QStringLiteral("testo = %1") << QStringLiteral("dati compressi non leggibili");
    QTest::newRow("SHA-256 mismatch") << QStringLiteral("sha256 = '00'")
                                      << QStringLiteral("l'impronta SHA-256 non corrisponde");
}

void ProgramRevisionsTest::damagedRowNeverUsed()
{
    QFETCH(QString, damage);
    QFETCH(QString, reason);
    TempProgramFolder temp(TempProgramFolder::Content::Initialised, m_server);
    auto archive = temp.openArchive();
    QVERIFY(archive->add(archiveRecord(42, QStringLiteral("ROSSI"))));
    temp.writeProgramText(42, kOld);
    QVERIFY(replaceProgramText(*archive, temp.folder(), 42, "NEW\r\n", RevisionOrigin::Editor).done);
    const QString garbage = m_server ? QStringLiteral("'\\x0000ffff00112233'::bytea") : QStringLiteral("X'0000ffff00112233'");
    exec(*archive, QStringLiteral("UPDATE revisioni SET ") + QString(damage).replace(QStringLiteral("%1"), garbage));

    ProgramRevisions revisions(*archive);
    QVERIFY(!revisions.text(42, 1));
    const QString expected = QStringLiteral("La revisione 1 del programma 42 è danneggiata (%1): non viene usata.").arg(reason);
    QCOMPARE(revisions.lastError(), expected);
    const TextChange restored = restoreRevision(*archive, temp.folder(), 42, 1);
    QVERIFY(!restored.done);
    QCOMPARE(restored.error, expected);
    QCOMPARE(textOf(temp, 42), QByteArray("NEW\r\n"));
    QCOMPARE(revisions.list(42).size(), size_t(1));
}

void ProgramRevisionsTest::unwritableRevisionStopsTheChange_data()
{
    QTest::addColumn<bool>("removal");
    QTest::newRow("editor save") << false;
    QTest::newRow("Elimina") << true;
}

void ProgramRevisionsTest::unwritableRevisionStopsTheChange()
{
    QFETCH(bool, removal);
    TempProgramFolder temp(TempProgramFolder::Content::Initialised, m_server);
    auto archive = temp.openArchive();
    QVERIFY(archive->add(archiveRecord(42, QStringLiteral("ROSSI"))));
    temp.writeProgramText(42, kOld);
    // The table refuses every row, as a full disk or a server that went would.
    exec(*archive, QStringLiteral("DROP TABLE revisioni"));
    QString error;
    if (removal) {
        const ProgramRemovalResult result = removeArchivedProgram(*archive, temp.folder(), 42);
        QVERIFY(!result.rowRemoved);
        error = result.error;
    } else {
        ScriptedDialogs dialogs;
        QCOMPARE(saveProgramText("NEW", 42, *archive, temp.folder(), AccessPassword(), dialogs), SaveOutcome::NotSaved);
        error = dialogs.messageTexts().value(0);
    }
    QVERIFY2(error.startsWith(QStringLiteral("Testo attuale non conservato come revisione, nessuna modifica eseguita:\n")),
             qPrintable(error));
    QVERIFY2(error.contains(QStringLiteral("revisioni")), qPrintable(error));
    QCOMPARE(textOf(temp, 42), kOld);
    QVERIFY(archive->contains(42));
}

void ProgramRevisionsTest::retentionKeepsTheNewest()
{
    TempProgramFolder temp(TempProgramFolder::Content::Initialised, m_server);
    auto archive = temp.openArchive();
    for (qint32 number : {42, 43}) {
        QVERIFY(archive->add(archiveRecord(number, QStringLiteral("ROSSI"))));
        for (int i = 0; i < 5; ++i)
            QVERIFY(replaceProgramText(*archive, temp.folder(), number, QByteArray::number(i), RevisionOrigin::Editor).done);
    }
    ProgramRevisions revisions(*archive);
    QVERIFY(revisions.keepNewest(2));
    for (qint32 number : {42, 43}) {
        const std::vector<RevisionInfo> kept = revisions.list(number);
        QCOMPARE(kept.size(), size_t(2));
        QCOMPARE(kept[0].revision, 4);
        QCOMPARE(*revisions.text(number, 3), QByteArray("2"));
    }
    // Numbers are never given twice, even after the oldest have gone.
    QVERIFY(replaceProgramText(*archive, temp.folder(), 42, "again", RevisionOrigin::Editor).done);
    QCOMPARE(revisions.list(42).front().revision, 5);
}

int main(int argc, char **argv)
{
    return runOnBothBackends<ProgramRevisionsTest>(argc, argv);
}

#include "tst_programrevisions.moc"
