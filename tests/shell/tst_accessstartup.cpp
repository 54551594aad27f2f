#include "accessimporttext.h"
#include "archivestore.h"
#include "fakelineprobes.h"
#include "scripteddialogs.h"
#include "session.h"
#include "shelltext.h"
#include "startuprun.h"
#include "tempprogramfolder.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

namespace {

QByteArray fixtureBytes(qint64 size)
{
    QFile file(QDir(QStringLiteral(ACCESS_FIXTURES)).filePath(QStringLiteral("jet4-project.mdb")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return size > 0 ? file.read(size) : file.readAll();
}

} // namespace

// The start-up offer to convert a folder whose truv.mdb is still the old Access archive.
class AccessStartupTest : public QObject {
    Q_OBJECT
private slots:
    void accessArchiveOfferedForConversion_data();
    void accessArchiveOfferedForConversion();
};

void AccessStartupTest::accessArchiveOfferedForConversion_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<int>("size"); // of the Access file; 0 for all of it
    QTest::addColumn<bool>("converted");
    QTest::addColumn<QString>("told"); // the start of the second box; %1 the archive's path
    QTest::addColumn<Dialogs::Icon>("icon");
    QTest::newRow("Yes") << true << 0 << true
                         << ShellText::AccessConverted.arg(
                                QStringLiteral("truv.mdb, tabella MSP_PROJECTS: righe lette 1, scritte 1\n"))
                         << Dialogs::Icon::Information;
    // As before the offer: the database's own message, and the program ends.
    QTest::newRow("No") << false << 0 << false << QStringLiteral("%1\n\n") << Dialogs::Icon::Critical;
    QTest::newRow("Yes, damaged file")
        << true << 4096 << false
        << ShellText::AccessNotConverted.arg(
               AccessImportText::Damaged.arg("%1", AccessImportText::DamagePageOutside.arg(2).arg(1)))
        << Dialogs::Icon::Critical;
    // Once libmdb went round in circles on this one, for minutes and gigabytes.
    QTest::newRow("Yes, file cut in half")
        << true << 131072 << false
        << ShellText::AccessNotConverted.arg(AccessImportText::Damaged.arg(
               "%1", AccessImportText::DamageMappedPage.arg("MSP_PROJECTS").arg(60).arg(32)))
        << Dialogs::Icon::Critical;
}

void AccessStartupTest::accessArchiveOfferedForConversion()
{
    QFETCH(bool, yes);
    QFETCH(int, size);
    QFETCH(bool, converted);
    QFETCH(QString, told);
    QFETCH(Dialogs::Icon, icon);
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    const QByteArray access = fixtureBytes(size);
    QVERIFY(!access.isEmpty());
    QFile archive(temp.folder().archivePath());
    QVERIFY(archive.open(QIODevice::WriteOnly));
    archive.write(access);
    archive.close();

    StartupRun run(temp.folder());
    Session &session = run.session;
    ScriptedDialogs &dialogs = run.dialogs;
    const QSignalSpy &finished = run.finished;
    const QSignalSpy &shown = run.shown;
    dialogs.questionAnswers.enqueue(yes ? Dialogs::Button::Yes : Dialogs::Button::No);
    run.startup.start();
    QTRY_VERIFY_WITH_TIMEOUT(finished.size() + shown.size() > 0, 10000);

    QCOMPARE(dialogs.shown.size(), 2);
    QCOMPARE(dialogs.shown.at(0).text, ShellText::AccessArchiveFound.arg(temp.folder().archivePath()));
    QCOMPARE(dialogs.shown.at(0).buttons, Dialogs::Buttons::YesNo);
    QVERIFY2(dialogs.shown.at(1).text.startsWith(told.arg(temp.folder().archivePath())),
             qPrintable(dialogs.shown.at(1).text));
    QCOMPARE(dialogs.shown.at(1).icon, icon);
    QCOMPARE(shown.size(), converted ? 1 : 0);
    if (!converted) {
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), 1);
        QVERIFY(!QFile::exists(temp.path(QStringLiteral("truv-access.mdb"))));
        QVERIFY(!QFile::exists(temp.folder().catalogPath()));
        QVERIFY(archive.open(QIODevice::ReadOnly));
        QCOMPARE(archive.readAll(), access);
        return;
    }
    QVERIFY(run.startup.mainWindow());
    QFile kept(temp.path(QStringLiteral("truv-access.mdb")));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), access);
    QVERIFY(session.archive && session.archive->isEmpty());
    QVERIFY(QFile::exists(temp.folder().catalogPath()));
}

QTEST_MAIN(AccessStartupTest)
#include "tst_accessstartup.moc"
