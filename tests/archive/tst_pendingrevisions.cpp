#include "accesspassword.h"
#include "archivestore.h"
#include "bothbackends.h"
#include "programrevisions.h"
#include "programsaver.h"
#include "revisedtext.h"
#include "scripteddialogs.h"
#include "tempprogramfolder.h"
#include "testrecords.h"
#include "textfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QSqlQuery>
#include <QTest>

namespace {

// Large enough to be kept as a link by its save; each line tells its number and the text.
QByteArray largeText(char which)
{
    QByteArray text;
    for (int line = 0; text.size() < 1'200'000; ++line)
        text += "N" + QByteArray::number(line) + " G01 X" + which + "1.000\r\n";
    return text;
}

// sha256 and whether testo is there, of a revision of program 42.
std::pair<QByteArray, bool> storedRow(ArchiveStore &archive, int revision = 1)
{
    QSqlQuery query(archive.database());
    query.exec(QStringLiteral("SELECT sha256, testo IS NOT NULL FROM revisioni WHERE progr = 42 AND revisione = %1")
                   .arg(revision));
    if (!query.next())
        return {"(no row)", false};
    return {query.value(0).toByteArray(), query.value(1).toBool()};
}

} // namespace

// Runs on the local file and on a PostgreSQL server (see main).
class PendingRevisionsTest : public QObject {
    Q_OBJECT
public:
    explicit PendingRevisionsTest(PostgresServer *server) : m_server(server) {}

private:
    PostgresServer *m_server;

private slots:
    void packedAfterTheSave_data();
    void packedAfterTheSave();
    void missingLinkToldAsDamaged_data();
    void missingLinkToldAsDamaged();
    void packedInTheSaveWithoutLink();
    void retentionRemovesTheLinks();
};

void PendingRevisionsTest::packedAfterTheSave_data()
{
    QTest::addColumn<QString>("packer");
    QTest::newRow("editor save, on the event loop") << QStringLiteral("editor");
    QTest::newRow("store, then packed") << QStringLiteral("store");
    QTest::newRow("left by a crash, packed at the next start") << QStringLiteral("start");
}

void PendingRevisionsTest::packedAfterTheSave()
{
    QFETCH(QString, packer);
    TempProgramFolder temp(TempProgramFolder::Content::Initialised, m_server);
    auto archive = temp.openArchive();
    QVERIFY(archive->add(archiveRecord(42, QStringLiteral("ROSSI"))));
    const QByteArray old = largeText('A');
    temp.writeProgramText(42, old);
    if (packer == u"editor") {
        ScriptedDialogs dialogs;
        QCOMPARE(saveProgramText(largeText('B'), 42, *archive, temp.folder(), AccessPassword(), dialogs),
                 SaveOutcome::Saved);
    } else {
        QVERIFY(replaceProgramText(*archive, temp.folder(), 42, largeText('B'), RevisionOrigin::CommandLine).done);
    }
    ProgramRevisions revisions(*archive, temp.folder());
    const QString link = revisions.pendingPath(42, 1);
    QCOMPARE(storedRow(*archive), std::make_pair(QByteArray(), false));
    QVERIFY(QFile::exists(link));
    QCOMPARE(revisions.text(42, 1), old);

    if (packer == u"editor") {
        QTRY_VERIFY(!QFile::exists(link));
    } else {
        if (packer == u"start")
            archive = temp.openArchive();
        QString error;
        QVERIFY2(packPendingRevisions(*archive, temp.folder(), &error), qPrintable(error));
    }
    ProgramRevisions packed(*archive, temp.folder());
    QCOMPARE(storedRow(*archive), std::make_pair(QCryptographicHash::hash(old, QCryptographicHash::Sha256).toHex(), true));
    QVERIFY(!QFile::exists(link));
    QCOMPARE(packed.text(42, 1), old);
    QCOMPARE(packed.list(42).front().size, old.size());
}

void PendingRevisionsTest::missingLinkToldAsDamaged_data()
{
    QTest::addColumn<bool>("removed");
    QTest::addColumn<QString>("reason");
    QTest::newRow("link removed") << true << QStringLiteral("testo in attesa %1 mancante");
    QTest::newRow("link of another size") << false << QStringLiteral("testo in attesa %1 di dimensione diversa");
}

void PendingRevisionsTest::missingLinkToldAsDamaged()
{
    QFETCH(bool, removed);
    QFETCH(QString, reason);
    TempProgramFolder temp(TempProgramFolder::Content::Initialised, m_server);
    auto archive = temp.openArchive();
    QVERIFY(archive->add(archiveRecord(42, QStringLiteral("ROSSI"))));
    temp.writeProgramText(42, largeText('A'));
    QVERIFY(replaceProgramText(*archive, temp.folder(), 42, "NEW\r\n", RevisionOrigin::Editor).done);
    ProgramRevisions revisions(*archive, temp.folder());
    const QString link = revisions.pendingPath(42, 1);
    QVERIFY(QFile::remove(link));
    if (!removed)
        QVERIFY(TextFile::writeAtomically(link, "short"));

    const QString expected =
        QStringLiteral("La revisione 1 del programma 42 è danneggiata (%1): non viene usata.").arg(reason.arg(link));
    QVERIFY(!revisions.text(42, 1));
    QCOMPARE(revisions.lastError(), expected);
    QString error;
    QVERIFY(!packPendingRevisions(*archive, temp.folder(), &error));
    QCOMPARE(error, expected);
    QCOMPARE(storedRow(*archive), std::make_pair(QByteArray(), false));
    const TextChange restored = restoreRevision(*archive, temp.folder(), 42, 1);
    QCOMPARE(restored.error, expected);
    QCOMPARE(TextFile::read(temp.folder().programTextPath(42)), QByteArray("NEW\r\n"));
}

void PendingRevisionsTest::packedInTheSaveWithoutLink()
{
    TempProgramFolder temp(TempProgramFolder::Content::Initialised, m_server);
    auto archive = temp.openArchive();
    QVERIFY(archive->add(archiveRecord(42, QStringLiteral("ROSSI"))));
    const QByteArray old = largeText('A');
    temp.writeProgramText(42, old);
    // A file where the links' folder should be: no link can be made there.
    QVERIFY(TextFile::writeAtomically(ProgramRevisions::pendingDir(temp.folder()), "x"));
    QVERIFY(replaceProgramText(*archive, temp.folder(), 42, "NEW\r\n", RevisionOrigin::Editor).done);
    QCOMPARE(storedRow(*archive), std::make_pair(QCryptographicHash::hash(old, QCryptographicHash::Sha256).toHex(), true));
    QCOMPARE(ProgramRevisions(*archive, temp.folder()).text(42, 1), old);
}

void PendingRevisionsTest::retentionRemovesTheLinks()
{
    TempProgramFolder temp(TempProgramFolder::Content::Initialised, m_server);
    auto archive = temp.openArchive();
    QVERIFY(archive->add(archiveRecord(42, QStringLiteral("ROSSI"))));
    temp.writeProgramText(42, largeText('A'));
    QVERIFY(replaceProgramText(*archive, temp.folder(), 42, largeText('B'), RevisionOrigin::Editor).done);
    QVERIFY(replaceProgramText(*archive, temp.folder(), 42, "NEW\r\n", RevisionOrigin::Editor).done);
    ProgramRevisions revisions(*archive, temp.folder());
    QVERIFY(revisions.keepNewest(1));
    QVERIFY(!QFile::exists(revisions.pendingPath(42, 1)));
    QCOMPARE(revisions.text(42, 2), largeText('B'));
    QCOMPARE(QDir(ProgramRevisions::pendingDir(temp.folder())).entryList(QDir::Files).size(), 1);
}

int main(int argc, char **argv)
{
    return runOnBothBackends<PendingRevisionsTest>(argc, argv);
}

#include "tst_pendingrevisions.moc"
