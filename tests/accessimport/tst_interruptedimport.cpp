#include "accessimporttext.h"
#include "tempprogramfolder.h"
#include "truvnetprocess.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

#include <csignal>

namespace {

constexpr int kPrograms = 2000;

QByteArray programText(int number)
{
    return QStringLiteral("%\r\nO%1\r\nG0 X%2\r\n%\r\n").arg(number % 10000, 4, 10, QLatin1Char('0')).arg(number).toLatin1();
}

// Every entry below root whose name says an import left it there.
QStringList importLeftovers(const QString &root)
{
    QStringList found;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.contains(QLatin1String(".importazione-")))
            found.append(path);
    }
    return found;
}

} // namespace

// truvnet import-access stopped halfway through the program texts, then run again.
class InterruptedImportTest : public QObject {
    Q_OBJECT
private slots:
    void stoppedImportLeavesNothingHalfCopied_data();
    void stoppedImportLeavesNothingHalfCopied();
};

void InterruptedImportTest::stoppedImportLeavesNothingHalfCopied_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<bool>("undone"); // the import takes back what it did; else the next one clears it
    QTest::newRow("Ctrl+C") << int(SIGINT) << true;
    QTest::newRow("SIGTERM") << int(SIGTERM) << true;
    QTest::newRow("kill -9") << int(SIGKILL) << false;
}

void InterruptedImportTest::stoppedImportLeavesNothingHalfCopied()
{
    QFETCH(int, signalNumber);
    QFETCH(bool, undone);
    TempProgramFolder source(TempProgramFolder::Content::Empty);
    TempProgramFolder home(TempProgramFolder::Content::Empty);
    QFile fixture(QDir(QStringLiteral(ACCESS_FIXTURES)).filePath(QStringLiteral("jet4-unicode.mdb")));
    QVERIFY(fixture.open(QIODevice::ReadOnly));
    source.writeFile(QStringLiteral("truv.mdb"), fixture.readAll());
    for (int number = 1; number <= kPrograms; ++number)
        source.writeProgramText(number, programText(number));
    const QString target = home.path(QStringLiteral("nuova"));
    const QStringList arguments{QStringLiteral("import-access"), source.folder().root(), target};

    {
        TruvnetProcess stopped(QStringLiteral(TRUVNET_PATH), home, arguments);
        QVERIFY(stopped.waitStarted());
        const QString stagedTexts =
            QDir(target).filePath(QStringLiteral(".importazione-%1/dati").arg(stopped.processId()));
        QTRY_VERIFY_WITH_TIMEOUT(QDir(stagedTexts).count() > 50 || !stopped.running(), 30000);
        QVERIFY2(stopped.running(), qPrintable(stopped.err()));
        stopped.signal(signalNumber);
        QVERIFY(stopped.finish());
        if (undone) {
            QCOMPARE(stopped.exitCode(), 128 + signalNumber);
            QVERIFY2(stopped.err().endsWith(AccessImportText::Interrupted + QLatin1Char('\n')), qPrintable(stopped.err()));
            QVERIFY(!QFileInfo::exists(target));
        }
        // Whatever was left, nothing of it is where the program would take it for real.
        QVERIFY(!QFileInfo::exists(ProgramFolder(target).archivePath()));
        QVERIFY(!QFileInfo::exists(ProgramFolder(target).dataDir()));
    }

    TruvnetProcess again(QStringLiteral(TRUVNET_PATH), home, arguments);
    QVERIFY(again.finish(120000));
    QCOMPARE(again.exitCode(), 0);
    QCOMPARE(importLeftovers(target), QStringList());
    QCOMPARE(QDir(ProgramFolder(target).dataDir()).entryList(QDir::Files).size(), kPrograms);
    for (const int number : {1, kPrograms / 2, kPrograms}) {
        QFile text(ProgramFolder(target).programTextPath(number));
        QVERIFY(text.open(QIODevice::ReadOnly));
        QCOMPARE(text.readAll(), programText(number));
    }
}

QTEST_GUILESS_MAIN(InterruptedImportTest)
#include "tst_interruptedimport.moc"
