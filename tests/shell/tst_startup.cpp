#include "archivestore.h"
#include "archiveusers.h"
#include "postgresserver.h"
#include "fakelineprobes.h"
#include "frmmdi.h"
#include "frmsplash.h"
#include "programfoldersetup.h"
#include "reorganisation.h"
#include "scripteddialogs.h"
#include "session.h"
#include "shelltext.h"
#include "settingsstore.h"
#include "startupload.h"
#include "startuprun.h"
#include "startupsequence.h"
#include "tempprogramfolder.h"
#include "textfile.h"
#include "version.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <stdlib.h>
#include <unistd.h>

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void initCreatesDeliveredFiles();
    void initNeverOverwrites();
    void initFromCommandLine();
    void loadCreatesFoldersAndReadsPassword();
    void firstStartOffersNewArchive_data();
    void firstStartOffersNewArchive();
    void brokenArchiveStopsWithMessageAndNoMainWindow_data();
    void brokenArchiveStopsWithMessageAndNoMainWindow();
    void informationWindowTimers();
    void mainWindowShownHoweverTheInformationWindowCloses_data();
    void mainWindowShownHoweverTheInformationWindowCloses();
    void endCommandEndsTheProgram();
    void reorganisationRefusedWhileAnotherTruvnetRuns_data();
    void reorganisationRefusedWhileAnotherTruvnetRuns();
    void serverArchiveAtInitAndStart_data();
    void serverArchiveAtInitAndStart();
};

void StartupTest::initCreatesDeliveredFiles()
{
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    const ProgramFolderSetupResult result = initialiseProgramFolder(temp.folder());
    QVERIFY(result.error.isEmpty());
    QCOMPARE(result.created.size(), 5);
    QCOMPARE(*TextFile::read(temp.folder().machineFilePath()), QByteArray(" 0 \r\n"));
    QVERIFY(QFileInfo(temp.folder().dataDir()).isDir());
    QVERIFY(QFileInfo(temp.folder().pictureDir()).isDir());
    auto archive = temp.openArchive();
    QVERIFY(archive->isEmpty());
    SqlConnection catalogue;
    QVERIFY(catalogue.openExisting(temp.folder().catalogPath()));
    QVERIFY(catalogue.database().tables().contains(QStringLiteral("immagini")));
}

void StartupTest::initNeverOverwrites()
{
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    temp.writeFile(QStringLiteral("cncsett.dat"), " 1 \r\n\"T1\",1,\"9600,E,7,2\",1,\"12\",\"\",0\r\n");
    temp.writeFile(QStringLiteral("truv.mdb"), "not ours");
    const ProgramFolderSetupResult result = initialiseProgramFolder(temp.folder());
    QVERIFY(result.error.isEmpty());
    QCOMPARE(result.kept, (QStringList{temp.folder().archivePath(), temp.folder().machineFilePath()}));
    QCOMPARE(*TextFile::read(temp.folder().archivePath()), QByteArray("not ours"));
    QCOMPARE(TextFile::read(temp.folder().machineFilePath())->left(5), QByteArray(" 1 \r\n"));
}

void StartupTest::initFromCommandLine()
{
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    const QString target = temp.path(QStringLiteral("nuova"));
    QProcess process;
    process.start(QStringLiteral(TRUVNET_PATH), {QStringLiteral("--init"), target});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    QVERIFY2(out.contains(QDir(target).filePath(QStringLiteral("truv.mdb"))), qPrintable(out));
    QVERIFY(QFile::exists(QDir(target).filePath(QStringLiteral("IMMAGINI.MDB"))));

    process.start(QStringLiteral(TRUVNET_PATH), {QStringLiteral("--init"), target});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(!QString::fromUtf8(process.readAllStandardOutput()).contains(QStringLiteral("creato")));
}

void StartupTest::loadCreatesFoldersAndReadsPassword()
{
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    QVERIFY(ArchiveStore::createEmpty(temp.folder().archivePath()));
    SettingsStore settings;
    settings.setValue(QStringLiteral("password"), QStringLiteral("password"), QStringLiteral("SEGRETO"));
    for (int run = 0; run < 2; ++run) {
        Session session(temp.folder());
        QString error;
        QVERIFY2(loadSession(session, &error), qPrintable(error));
        QVERIFY(session.archive);
        QCOMPARE(session.accessPassword.value(), QStringLiteral("SEGRETO"));
        QVERIFY(QFileInfo(temp.folder().dataDir()).isDir());
        QVERIFY(QFileInfo(temp.folder().pictureDir()).isDir());
    }
    settings.setValue(QStringLiteral("password"), QStringLiteral("password"), QString());
}

void StartupTest::firstStartOffersNewArchive_data()
{
    QTest::addColumn<QString>("subfolder"); // the program folder inside the temporary one; empty: itself
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes, empty folder") << QString() << true;
    QTest::newRow("Yes, folder not there yet") << QStringLiteral("local/share/truv") << true;
    QTest::newRow("No, empty folder") << QString() << false;
}

void StartupTest::firstStartOffersNewArchive()
{
    QFETCH(QString, subfolder);
    QFETCH(bool, yes);
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    const ProgramFolder folder = subfolder.isEmpty() ? temp.folder() : ProgramFolder(temp.path(subfolder));
    StartupRun run(folder);
    const ScriptedDialogs &dialogs = run.dialogs;
    run.dialogs.questionAnswers.enqueue(yes ? Dialogs::Button::Yes : Dialogs::Button::No);
    run.startup.start();
    if (yes) {
        QTRY_COMPARE_WITH_TIMEOUT(run.shown.size(), 1, 5000);
        QVERIFY(run.startup.mainWindow()->isVisible());
        QVERIFY(run.session.archive && run.session.archive->isEmpty());
        for (const QString &path : {folder.archivePath(), folder.catalogPath(), folder.machineFilePath()})
            QVERIFY2(QFile::exists(path), qPrintable(path));
        QCOMPARE(dialogs.shown.size(), 1);
        QVERIFY(run.finished.isEmpty());
    } else {
        // As before there was a question: the database's message, and the end.
        QTRY_COMPARE_WITH_TIMEOUT(run.finished.size(), 1, 5000);
        QCOMPARE(run.finished.at(0).at(0).toInt(), 1);
        QCOMPARE(dialogs.shown.size(), 2);
        QVERIFY(dialogs.shown.at(1).text.startsWith(folder.archivePath()));
        QCOMPARE(dialogs.shown.at(1).icon, Dialogs::Icon::Critical);
        QVERIFY(!run.startup.mainWindow());
        QVERIFY(!QFile::exists(folder.archivePath()));
    }
    QCOMPARE(dialogs.shown.at(0).kind, ScriptedDialogs::Kind::Question);
    QCOMPARE(dialogs.shown.at(0).text, ShellText::NoArchiveFound.arg(folder.root()));
    QCOMPARE(dialogs.shown.at(0).buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(dialogs.unexpected, 0);
}

void StartupTest::brokenArchiveStopsWithMessageAndNoMainWindow_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("damaged") << "damaged";
    QTest::newRow("link to a file that has gone") << "dangling link";
}

// Only a folder with no truv.mdb at all is offered a new archive; any other keeps the message.
void StartupTest::brokenArchiveStopsWithMessageAndNoMainWindow()
{
    QFETCH(QString, kind);
    const auto breakArchive = [&kind](const TempProgramFolder &temp) {
        if (kind == QLatin1String("damaged"))
            temp.writeFile(QStringLiteral("truv.mdb"), QByteArray(4096, 'x'));
        else
            QVERIFY(QFile::link(temp.path(QStringLiteral("gone.mdb")), temp.folder().archivePath()));
    };
    {
        // The program itself says it on standard error too, before its box waits for the user.
        TempProgramFolder temp(TempProgramFolder::Content::Empty);
        breakArchive(temp);
        QProcess truvnet;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TRUV_HOME"), temp.folder().root());
        truvnet.setProcessEnvironment(env);
        truvnet.start(QStringLiteral(TRUVNET_PATH), {QStringLiteral("-platform"), QStringLiteral("offscreen")});
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += truvnet.readAllStandardError()).contains(
                                     QFile::encodeName(temp.folder().archivePath())), 10000);
        truvnet.kill();
        truvnet.waitForFinished();
    }
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    breakArchive(temp);
    const QByteArray before = kind == QLatin1String("damaged") ? *TextFile::read(temp.folder().archivePath())
                                                               : QByteArray();
    StartupRun run(temp.folder());
    run.startup.start();
    QTRY_COMPARE_WITH_TIMEOUT(run.finished.size(), 1, 5000);
    QCOMPARE(run.finished.at(0).at(0).toInt(), 1);
    QCOMPARE(run.dialogs.shown.size(), 1);
    QVERIFY(run.dialogs.shown.at(0).text.startsWith(temp.folder().archivePath()));
    QCOMPARE(run.dialogs.shown.at(0).icon, Dialogs::Icon::Critical);
    QVERIFY(!run.startup.mainWindow());
    QVERIFY(!QFile::exists(temp.folder().catalogPath()));
    if (!before.isEmpty())
        QCOMPARE(*TextFile::read(temp.folder().archivePath()), before);
}

void StartupTest::informationWindowTimers()
{
    frmSplash startupWindow(frmSplash::Mode::Startup);
    frmSplash credits(frmSplash::Mode::Credits);
    QCOMPARE(startupWindow.closeDelayMs(), 1000);
    QCOMPARE(credits.closeDelayMs(), 10000);
    QCOMPARE(startupWindow.findChild<QLabel *>(QStringLiteral("lblProductName"))->text(),
             QStringLiteral("TRUV   Gestione C.N. "));
    QSignalSpy closed(&startupWindow, &frmSplash::closed);
    startupWindow.show();
    QTest::qWait(500);
    QVERIFY(startupWindow.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!startupWindow.isVisible(), 3000);
    QCOMPARE(closed.size(), 1);
}

void StartupTest::mainWindowShownHoweverTheInformationWindowCloses_data()
{
    QTest::addColumn<int>("way"); // 0 Escape, 1 close box, 2 its timer
    QTest::newRow("Escape") << 0;
    QTest::newRow("close box") << 1;
    QTest::newRow("timer") << 2;
}

void StartupTest::mainWindowShownHoweverTheInformationWindowCloses()
{
    QFETCH(int, way);
    TempProgramFolder temp;
    Session session(temp.folder());
    ScriptedDialogs dialogs;
    FakePinger pinger;
    FakePortProbe probe;
    StartupSequence startup(session, dialogs, pinger, probe);
    QSignalSpy shown(&startup, &StartupSequence::mainWindowShown);
    session.editor.search.direction = SearchState::Up;
    startup.start();
    QPointer<frmSplash> splash = startup.informationWindow();
    QVERIFY(splash->isVisible());
    QVERIFY(!startup.mainWindow());
    if (way == 0)
        QTest::keyClick(splash, Qt::Key_Escape);
    else if (way == 1)
        splash->close();
    QTRY_COMPARE_WITH_TIMEOUT(shown.size(), 1, 5000);
    // Gone with its timer: nothing can open a second main window.
    QTRY_VERIFY(!splash);
    QVERIFY(startup.mainWindow()->isVisible());
    QCOMPARE(startup.mainWindow()->windowTitle(), QString::fromLatin1("Gestione programmi C.N. Rel " TRUV_VERSION));
    // The line test came between, and its end turns the search downwards.
    QVERIFY(startup.lineTestWindow() == nullptr);
    QCOMPARE(session.editor.search.direction, SearchState::Down);
    QVERIFY(session.archive);
    QVERIFY(dialogs.shown.isEmpty());
}

void StartupTest::endCommandEndsTheProgram()
{
    TempProgramFolder temp;
    Session session(temp.folder());
    ScriptedDialogs dialogs;
    session.archive = temp.openArchive();
    frmMDI main(session, dialogs, [] { return std::optional<ArchiveRecord>(); });
    QSignalSpy end(&main, &frmMDI::endRequested);
    main.findChild<QAction *>(QStringLiteral("ENDLAV"))->trigger();
    QCOMPARE(end.size(), 1);
    QCOMPARE(end.at(0).at(0).toInt(), 0);
    QVERIFY(main.findChild<QAction *>(QStringLiteral("reorga"))->isEnabled());
}

void StartupTest::reorganisationRefusedWhileAnotherTruvnetRuns_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("windows") << QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen")};
    QTest::newRow("command line") << QStringList{QStringLiteral("receive"), QStringLiteral("TORNIO"),
                                                 QStringLiteral("ricevuto.nc")};
}

void StartupTest::reorganisationRefusedWhileAnotherTruvnetRuns()
{
    QFETCH(QStringList, arguments);
    TempProgramFolder temp;
    temp.writeFile(QStringLiteral("cncsett.dat"), " 0 \r\n\"TORNIO\",7,\"9600,E,7,2\",1,\"\",\"\",1\r\n");
    // A line that stays silent, so that the receiving process waits.
    const int line = ::posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(line >= 0 && ::grantpt(line) == 0 && ::unlockpt(line) == 0);
    SettingsStore().setValue(QStringLiteral("ports"), QStringLiteral("COM7"), QString::fromLocal8Bit(::ptsname(line)));
    {
        auto archive = temp.openArchive();
        ArchiveRecord record;
        record.progr = 42;
        record.disegno = record.descrizione = QStringLiteral("X");
        QVERIFY(archive->add(record));
    }
    // The other process may write its transfer log meanwhile: the file itself must stay the same one.
    struct stat before {};
    QVERIFY(::stat(QFile::encodeName(temp.folder().archivePath()).constData(), &before) == 0);

    QProcess other;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TRUV_HOME"), temp.folder().root());
    other.setProcessEnvironment(env);
    other.start(QStringLiteral(TRUVNET_PATH), arguments);
    QVERIFY(other.waitForStarted());
    // The other process has announced itself once this one can no longer have the archive alone.
    QTRY_VERIFY_WITH_TIMEOUT(!ArchiveUsers(temp.folder().archivePath()).takeAlone(), 10000);

    std::unique_ptr<ArchiveStore> archive = temp.openArchive();
    ArchiveUsers users(temp.folder().archivePath());
    const ReorganisationResult refused = reorganiseArchive(archive, temp.folder(), users);
    QCOMPARE(refused.message(), QStringLiteral("Contattare assistenza: #2\rdatabase is locked 5"));
    struct stat after {};
    QVERIFY(::stat(QFile::encodeName(temp.folder().archivePath()).constData(), &after) == 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QVERIFY(!QFile::exists(temp.folder().path(QStringLiteral("miodb.mdb"))));

    other.kill();
    QVERIFY(other.waitForFinished());
    ::close(line);
    archive = temp.openArchive();
    ArchiveUsers alone(temp.folder().archivePath());
    QCOMPARE(reorganiseArchive(archive, temp.folder(), alone).stage, ReorganisationResult::Stage::Done);
    QVERIFY(temp.openArchive()->contains(42));
}

void StartupTest::serverArchiveAtInitAndStart_data()
{
    QTest::addColumn<QString>("server"); // "empty database", "nothing listening"
    QTest::newRow("empty database: --init, then the start") << "empty database";
    QTest::newRow("nothing listening: message, no main window") << "nothing listening";
}

void StartupTest::serverArchiveAtInitAndStart()
{
    QFETCH(QString, server);
    PostgresServer postgres;
    QVERIFY2(postgres.start(), qPrintable(postgres.error()));
    const DatabaseAddress address = server == u"empty database"
        ? postgres.createDatabase()
        : DatabaseAddress::server(QStringLiteral("postgresql://truv@127.0.0.1:1/truv"));
    TempProgramFolder temp(TempProgramFolder::Content::Empty);
    SettingsStore settings;
    settings.setValue(QStringLiteral("archive"), QStringLiteral("url"), address.url().toString());
    const auto restore = qScopeGuard([&] { settings.setValue(QStringLiteral("archive"), QStringLiteral("url"), QString()); });

    if (server == u"empty database") {
        for (const char *expected : {"creato ", "già presente, non modificato "}) {
            QProcess init;
            init.start(QStringLiteral(TRUVNET_PATH), {QStringLiteral("--init"), temp.folder().root()});
            QVERIFY(init.waitForFinished(30000));
            const QString out = QString::fromUtf8(init.readAllStandardOutput());
            QCOMPARE(init.exitCode(), 0);
            for (const char *table : {"(cicli)", "(immagini)"})
                QVERIFY2(out.contains(QString::fromUtf8(expected) + address.describe() + u' ' + QLatin1String(table)),
                         qPrintable(out));
            QVERIFY2(!QFile::exists(temp.folder().archivePath()), "the archive is the server's, not a file");
        }
    }
    ProgramFolder folder = temp.folder();
    folder.setArchiveServer(address);
    StartupRun run(folder);
    run.startup.start();
    if (server == u"empty database") {
        QTRY_COMPARE_WITH_TIMEOUT(run.shown.size(), 1, 10000);
        QVERIFY(run.session.archive->dialect().isServer());
        QVERIFY(run.session.archive->reserve(1));
        return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(run.finished.size(), 1, 15000);
    QCOMPARE(run.finished.at(0).at(0).toInt(), 1);
    QCOMPARE(run.dialogs.shown.size(), 1);
    const QString message = run.dialogs.shown.at(0).text;
    QVERIFY2(message.startsWith(address.describe()) && message.contains(QStringLiteral("127.0.0.1")), qPrintable(message));
    QVERIFY(!run.startup.mainWindow());
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
