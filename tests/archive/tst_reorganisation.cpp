#include "archivestore.h"
#include "archiveusers.h"
#include "postgresserver.h"
#include "reorganisation.h"
#include "tempprogramfolder.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTest>

class ReorganisationTest : public QObject {
    Q_OBJECT
private slots:
    void compactedArchiveKeepsRowsAndLeavesCopy_data();
    void compactedArchiveKeepsRowsAndLeavesCopy();
    void lockedArchiveIsLeftUntouched();
    void serverArchiveMaintainedInPlace();
};

void ReorganisationTest::compactedArchiveKeepsRowsAndLeavesCopy_data()
{
    QTest::addColumn<bool>("oldCopyPresent");
    QTest::newRow("no miodb.mdb before") << false;
    QTest::newRow("stale miodb.mdb replaced") << true;
}

void ReorganisationTest::compactedArchiveKeepsRowsAndLeavesCopy()
{
    QFETCH(bool, oldCopyPresent);
    TempProgramFolder temp;
    if (oldCopyPresent)
        temp.writeFile(QStringLiteral("miodb.mdb"), "stale");
    auto archive = temp.openArchive();
    for (qint32 n = 1; n <= 300; ++n) {
        ArchiveRecord record;
        record.progr = n;
        record.cliente = QStringLiteral("D'ANGELO");
        record.disegno = QStringLiteral("D%1").arg(n);
        record.descrizione = QString(200, QLatin1Char('x'));
        QVERIFY(archive->add(record));
    }
    for (qint32 n = 1; n <= 300; n += 2)
        QVERIFY(archive->remove(n));
    const qint64 before = QFileInfo(temp.folder().archivePath()).size();

    ArchiveUsers users(temp.folder().archivePath());
    const ReorganisationResult result = reorganiseArchive(archive, temp.folder(), users);
    QCOMPARE(result.message(), QStringLiteral("Termine riorganizzazione-il programma termina"));
    QVERIFY(!archive);
    QVERIFY(QFileInfo(temp.folder().archivePath()).size() < before);
    QVERIFY(QFile::exists(temp.path(QStringLiteral("miodb.mdb"))));
    QVERIFY(!QFile::exists(temp.folder().archivePath() + QStringLiteral(".new")));

    auto reopened = temp.openArchive();
    QCOMPARE(reopened->searchByDrawing(QString()).size(), size_t(150));
    QCOMPARE(reopened->seek(2)->cliente, QStringLiteral("D'ANGELO"));
    QVERIFY(!reopened->contains(3));
    QCOMPARE(reopened->lowestFreeNumber(), 1);
}

void ReorganisationTest::lockedArchiveIsLeftUntouched()
{
    TempProgramFolder temp;
    auto archive = temp.openArchive();
    ArchiveRecord record;
    record.progr = 42;
    record.disegno = record.descrizione = QStringLiteral("X");
    QVERIFY(archive->add(record));
    archive.reset();

    // Another program holds the archive with a write lock.
    SqlConnection other;
    QVERIFY(other.openExisting(temp.folder().archivePath()));
    QSqlQuery lock(other.database());
    QVERIFY(lock.exec(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE")));
    QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));

    ArchiveUsers users(temp.folder().archivePath());
    const ReorganisationResult result = reorganiseArchive(archive, temp.folder(), users);
    QCOMPARE(result.stage, ReorganisationResult::Stage::CompactFailed);
    QVERIFY2(result.message().startsWith(QStringLiteral("Contattare assistenza: #2\r")), qPrintable(result.message()));
    QVERIFY(result.number > 0);
    QVERIFY(lock.exec(QStringLiteral("ROLLBACK")));
    other.close();
    QVERIFY(temp.openArchive()->contains(42));
}

void ReorganisationTest::serverArchiveMaintainedInPlace()
{
    PostgresServer server;
    QVERIFY2(server.start(), qPrintable(server.error()));
    TempProgramFolder temp(TempProgramFolder::Content::Initialised, &server);
    auto archive = temp.openArchive();
    for (qint32 n = 1; n <= 50; ++n)
        QVERIFY(archive->add({n, "ROSSI", QStringLiteral("D%1").arg(n), "perno", {}, {}}));
    for (qint32 n = 1; n <= 50; n += 2)
        QVERIFY(archive->remove(n));

    ArchiveUsers users(temp.folder().archivePath());
    const ReorganisationResult result = reorganiseArchive(archive, temp.folder(), users);
    QCOMPARE(result.stage, ReorganisationResult::Stage::ServerMaintained);
    QVERIFY2(result.message().endsWith(QStringLiteral("-il programma termina")), qPrintable(result.message()));
    QVERIFY(!QFile::exists(temp.path(QStringLiteral("miodb.mdb"))));
    QCOMPARE(temp.openArchive()->searchByDrawing(QString()).size(), size_t(25));
}

QTEST_GUILESS_MAIN(ReorganisationTest)
#include "tst_reorganisation.moc"
