#include "cncsimprocess.h"
#include "commandlinetext.h"
#include "settingsstore.h"
#include "tempprogramfolder.h"
#include "textfile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// truvnet backup against the simulated CNC on 127.0.0.1, as a nightly cron job runs it.
class BackupCommandTest : public QObject {
    Q_OBJECT
private slots:
    void backup_data();
    void backup();
};

void BackupCommandTest::backup_data()
{
    QTest::addColumn<QStringList>("cncOptions");
    QTest::addColumn<int>("lastLines");  // of O9000 in the CNC memory
    QTest::addColumn<QStringList>("out");
    QTest::addColumn<QString>("errEnd");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("same text kept, changed and new written")
        << QStringList() << 1
        << QStringList{"O0001.nc\t27\tinvariato", "O0100.nc\t22\tscritto", "O9000.nc\t12\tscritto"} << QString() << 0;
    // The connection is cut in the middle of the long last program.
    QTest::newRow("a program not read is named")
        << QStringList{"--drop-after", "20000"} << 5000
        << QStringList{"O0001.nc\t27\tinvariato", "O0100.nc\t22\tscritto"}
        << CommandLineText::BackupNotKept.arg(QStringLiteral("O9000")) + u'\n' << 1;
}

void BackupCommandTest::backup()
{
    QFETCH(QStringList, cncOptions);
    QFETCH(int, lastLines);
    QFETCH(QStringList, out);
    QFETCH(QString, errEnd);
    QFETCH(int, exitCode);
    QTemporaryDir memory;
    QByteArray last = "O9000\n";
    for (int i = 0; i < lastLines; ++i)
        last += "M99\n";
    QVERIFY(TextFile::writeAtomically(memory.filePath("O0001"), "O0001 (PERNO)\nG0 X0\nM30\n"));
    QVERIFY(TextFile::writeAtomically(memory.filePath("O0100"), "O0100 (FLANGIA)\nM30\n"));
    QVERIFY(TextFile::writeAtomically(memory.filePath("O9000"), last));
    CncSimProcess cnc(QStringLiteral(CNCSIM), memory.path(), cncOptions);
    TempProgramFolder temp;
    temp.writeFile(QStringLiteral("cncsett.dat"),
                   QStringLiteral(" 0 \r\n\"FRESA ETH\",1,\"127.0.0.1:%1,\",0,\"\",\"\",0\r\n").arg(cnc.port()).toLatin1());
    SettingsStore().setValue(QStringLiteral("cnc"), QStringLiteral("library"), QStringLiteral(LIBCNCSIM));
    // Last night's backup: O0001 as it is now, O0100 since changed on the CNC.
    const QString target = temp.path(QStringLiteral("backup/fresa"));
    QVERIFY(QDir().mkpath(target));
    const QString kept = QDir(target).filePath(QStringLiteral("O0001.nc"));
    QVERIFY(TextFile::writeAtomically(kept, "O0001 (PERNO)\r\nG0 X0\r\nM30\r\n"));
    QVERIFY(TextFile::writeAtomically(QDir(target).filePath(QStringLiteral("O0100.nc")), "O0100 (VECCHIA)\r\nM30\r\n"));
    const QDateTime lastNight = QDateTime::currentDateTime().addDays(-1);
    {
        QFile file(kept);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(lastNight, QFileDevice::FileModificationTime));
    }

    QProcess truvnet;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TRUV_HOME"), temp.folder().root());
    truvnet.setProcessEnvironment(env);
    truvnet.start(QStringLiteral(TRUVNET_PATH), {QStringLiteral("backup"), QStringLiteral("fresa eth"), target});
    QVERIFY(truvnet.waitForFinished(20000));
    const QString err = QString::fromUtf8(truvnet.readAllStandardError());
    QCOMPARE(truvnet.exitCode(), exitCode);
    QCOMPARE(QString::fromUtf8(truvnet.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts), out);
    QVERIFY2(errEnd.isEmpty() ? err.isEmpty() : err.startsWith(QStringLiteral("O9000: ")) && err.endsWith(errEnd),
             qPrintable(err));
    QCOMPARE(QFileInfo(kept).lastModified().toSecsSinceEpoch(), lastNight.toSecsSinceEpoch());
    QCOMPARE(TextFile::read(QDir(target).filePath(QStringLiteral("O0100.nc"))).value_or(""),
             QByteArray("O0100 (FLANGIA)\r\nM30\r\n"));
    QCOMPARE(QFileInfo::exists(QDir(target).filePath(QStringLiteral("O9000.nc"))), exitCode == 0);
    // Nothing but the programs: no temporary file left behind.
    QCOMPARE(QDir(target).entryList(QDir::Files | QDir::Hidden).size(), exitCode == 0 ? 3 : 2);
}

QTEST_GUILESS_MAIN(BackupCommandTest)
#include "tst_backupcommand.moc"
