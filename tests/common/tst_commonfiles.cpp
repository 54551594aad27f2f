#include "programfolder.h"
#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

class CommonFilesTest : public QObject {
    Q_OBJECT
private slots:
    void programFolderResolution_data();
    void programFolderResolution();
    void everyByteSurvivesARoundTrip();
    void atomicWriteReplacesWholeFile();
    void failedWriteKeepsOldText_data();
    void failedWriteKeepsOldText();
    void writeStoppedByTheSystemTellsWhy_data();
    void writeStoppedByTheSystemTellsWhy();
};

void CommonFilesTest::programFolderResolution_data()
{
    QTest::addColumn<QString>("truvHome");
    QTest::addColumn<bool>("archiveBesideExecutable");
    QTest::addColumn<QString>("expected"); // relative to the temporary root
    QTest::newRow("TRUV_HOME wins") << QStringLiteral("home") << true << QStringLiteral("home");
    QTest::newRow("executable folder with truv.mdb") << QString() << true << QStringLiteral("bin");
    QTest::newRow("per-user folder") << QString() << false << QStringLiteral("user/.local/share/truv");
}

void CommonFilesTest::programFolderResolution()
{
    QFETCH(QString, truvHome);
    QFETCH(bool, archiveBesideExecutable);
    QFETCH(QString, expected);
    QTemporaryDir temp;
    QDir root(temp.path());
    QVERIFY(root.mkpath(QStringLiteral("bin")));
    if (archiveBesideExecutable) {
        QFile archive(root.filePath(QStringLiteral("bin/truv.mdb")));
        QVERIFY(archive.open(QIODevice::WriteOnly));
    }
    const QString home = truvHome.isEmpty() ? QString() : root.filePath(truvHome);
    QCOMPARE(ProgramFolder::resolveRoot(home, root.filePath(QStringLiteral("bin")), root.filePath(QStringLiteral("user"))),
             root.filePath(expected));
}

void CommonFilesTest::everyByteSurvivesARoundTrip()
{
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes.append(char(i));
    bytes.append("\r\nO1234\n\r\x1a");
    QTemporaryDir temp;
    const QString path = QDir(temp.path()).filePath(QStringLiteral("P0000001"));
    QVERIFY(TextFile::writeAtomically(path, TextFile::toBytes(TextFile::toText(bytes))));
    const auto read = TextFile::read(path);
    QVERIFY(read);
    QCOMPARE(*read, bytes);
}

void CommonFilesTest::atomicWriteReplacesWholeFile()
{
    QTemporaryDir temp;
    const QString path = QDir(temp.path()).filePath(QStringLiteral("cncsett.dat"));
    QVERIFY(TextFile::writeAtomically(path, QByteArray(10000, 'a')));
    QVERIFY(TextFile::writeAtomically(path, "short"));
    QCOMPARE(*TextFile::read(path), QByteArray("short"));
    QCOMPARE(QDir(temp.path()).entryList(QDir::Files), QStringList{QStringLiteral("cncsett.dat")});
}

void CommonFilesTest::failedWriteKeepsOldText_data()
{
    QTest::addColumn<bool>("readOnlyFolder");
    QTest::newRow("folder refuses new files") << true;
    QTest::newRow("target is a folder") << false;
}

void CommonFilesTest::failedWriteKeepsOldText()
{
    QFETCH(bool, readOnlyFolder);
    QTemporaryDir temp;
    QDir dir(temp.path());
    QString path = dir.filePath(QStringLiteral("P0000009"));
    if (readOnlyFolder) {
        QVERIFY(TextFile::writeAtomically(path, "old text\r\n"));
        QFile::setPermissions(temp.path(), QFile::ReadOwner | QFile::ExeOwner);
        if (QFileInfo(temp.path()).isWritable())
            QSKIP("running with rights that ignore folder permissions");
    } else {
        QVERIFY(dir.mkpath(QStringLiteral("P0000009")));
    }
    QString error;
    QVERIFY(!TextFile::writeAtomically(path, "new text\r\n", &error));
    QVERIFY(!error.isEmpty());
    if (readOnlyFolder) {
        QCOMPARE(*TextFile::read(path), QByteArray("old text\r\n"));
        QFile::setPermissions(temp.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden).size(), readOnlyFolder ? 1 : 0);
}

void CommonFilesTest::writeStoppedByTheSystemTellsWhy_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("limit");
    // Small enough for a write buffer: its failing tail must not go unnoticed.
    QTest::newRow("small text, room for half") << 2000 << 1000;
    QTest::newRow("large text, room for a tenth") << 100000 << 10000;
    QTest::newRow("no room at all") << 500 << 0;
}

void CommonFilesTest::writeStoppedByTheSystemTellsWhy()
{
    // A file size limit stops writes the way a full disk does: part of a write, then an error.
    QFETCH(int, size);
    QFETCH(int, limit);
    QTemporaryDir temp;
    const QString path = QDir(temp.path()).filePath(QStringLiteral("P0000009"));
    QVERIFY(TextFile::writeAtomically(path, "old text\r\n"));

    rlimit previous{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    const rlimit limited{rlim_t(limit), previous.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    QString error;
    const bool written = TextFile::writeAtomically(path, QByteArray(size, 'N'), &error);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!written);
    QCOMPARE(error, QString::fromLocal8Bit(std::strerror(EFBIG)));
    QCOMPARE(*TextFile::read(path), QByteArray("old text\r\n"));
    QCOMPARE(QDir(temp.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("P0000009")});
}

QTEST_GUILESS_MAIN(CommonFilesTest)
#include "tst_commonfiles.moc"
