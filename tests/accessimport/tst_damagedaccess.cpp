#include "accessimporttext.h"
#include "tempprogramfolder.h"
#include "truvnetprocess.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>
#include <QtEndian>

namespace {

// Long enough for any honest refusal; the damaged files once took minutes and gigabytes.
constexpr qint64 kRefusalMillis = 5000;

QByteArray fixtureBytes(const QString &name)
{
    QFile file(QDir(QStringLiteral(ACCESS_FIXTURES)).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Run {
    int exitCode = -1;
    qint64 millis = 0;
    QString err;
    QStringList targetEntries;
};

// truvnet import-access on an old folder whose truv.mdb holds bytes, into a new folder.
Run importFile(const QByteArray &bytes, QString *archivePath)
{
    TempProgramFolder source(TempProgramFolder::Content::Empty);
    TempProgramFolder home(TempProgramFolder::Content::Empty);
    source.writeFile(QStringLiteral("truv.mdb"), bytes);
    *archivePath = source.folder().archivePath();
    const QString target = home.path(QStringLiteral("nuova"));
    Run run;
    QElapsedTimer clock;
    clock.start();
    TruvnetProcess truvnet(QStringLiteral(TRUVNET_PATH), home,
                           {QStringLiteral("import-access"), source.folder().root(), target});
    if (!truvnet.finish(int(kRefusalMillis) * 4))
        return run;
    run.millis = clock.elapsed();
    run.exitCode = truvnet.exitCode();
    run.err = truvnet.err();
    run.targetEntries = QDir(target).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    return run;
}

} // namespace

// Damaged copies of the Access fixtures, made here: each import ends at once, says in one line
// that the file is damaged (nothing of libmdb's own complaints) and writes nothing.
class DamagedAccessTest : public QObject {
    Q_OBJECT
private slots:
    void damagedFileRefusedAtOnce_data();
    void damagedFileRefusedAtOnce();
    void flippedBitsNeverHang_data();
    void flippedBitsNeverHang();
};

void DamagedAccessTest::damagedFileRefusedAtOnce_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<qint64>("size");    // bytes kept; 0 for all of them
    QTest::addColumn<qint64>("patchAt"); // -1 for none
    QTest::addColumn<int>("patch");
    QTest::addColumn<QString>("detail");
    using namespace AccessImportText;
    QTest::newRow("Jet 3 cut at 12 KB") << "jet3-project.mdb" << qint64(12288) << qint64(-1) << 0
                                        << DamagePageOutside.arg(6).arg(6);
    QTest::newRow("Jet 4 cut in half") << "jet4-project.mdb" << qint64(131072) << qint64(-1) << 0
                                       << DamageMappedPage.arg(QStringLiteral("MSP_PROJECTS")).arg(60).arg(32);
    QTest::newRow("Jet 4 Unicode cut in half") << "jet4-unicode.mdb" << qint64(147456) << qint64(-1) << 0
                                               << DamagePageOutside.arg(53).arg(36);
    QTest::newRow("cut inside a page") << "jet4-unicode.mdb" << qint64(100000) << qint64(-1) << 0
                                       << DamageSize.arg(100000).arg(4096);
    QTest::newRow("first page only") << "jet4-project.mdb" << qint64(4096) << qint64(-1) << 0
                                     << DamagePageOutside.arg(2).arg(1);
    // The catalogue's definition (page 2) names itself as the page it goes on in.
    QTest::newRow("definition going round") << "jet3-project.mdb" << qint64(0) << qint64(2 * 2048 + 4) << 2
                                            << DamageDefinition.arg(QStringLiteral("MSysObjects"));
    // The catalogue's first column, after the header (63 bytes) and 12 bytes per index.
    const QByteArray jet4 = fixtureBytes(QStringLiteral("jet4-project.mdb"));
    const qint64 firstColumn = 2 * 4096 + 63 + 12 * qint64(qFromLittleEndian<quint32>(jet4.constData() + 2 * 4096 + 51));
    QTest::newRow("column of no known type") << "jet4-project.mdb" << qint64(0) << firstColumn << 0
                                             << DamageColumnType.arg(QStringLiteral("MSysObjects")).arg(1).arg(0);
    QTest::newRow("data page of another kind") << "jet4-project.mdb" << qint64(0) << qint64(60 * 4096) << 4
                                               << DamageRows.arg(QStringLiteral("MSP_PROJECTS")).arg(1).arg(0);
}

void DamagedAccessTest::damagedFileRefusedAtOnce()
{
    QFETCH(QString, fixture);
    QFETCH(qint64, size);
    QFETCH(qint64, patchAt);
    QFETCH(int, patch);
    QFETCH(QString, detail);
    QByteArray bytes = fixtureBytes(fixture);
    QVERIFY(!bytes.isEmpty());
    if (size > 0)
        bytes.truncate(size);
    if (patchAt >= 0)
        bytes[patchAt] = char(patch);

    QString archive;
    const Run run = importFile(bytes, &archive);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.millis < kRefusalMillis, qPrintable(QString::number(run.millis)));
    QCOMPARE(run.err, AccessImportText::Damaged.arg(archive, detail) + QLatin1Char('\n'));
    QCOMPARE(run.targetEntries, QStringList());
}

void DamagedAccessTest::flippedBitsNeverHang_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<int>("pageSize");
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 6; ++seed) {
        QTest::addRow("Jet 3, seed %u", seed) << "jet3-project.mdb" << 2048 << seed;
        QTest::addRow("Jet 4, seed %u", seed) << "jet4-project.mdb" << 4096 << seed;
        QTest::addRow("Jet 4 Unicode, seed %u", seed) << "jet4-unicode.mdb" << 4096 << seed;
    }
}

// Bits flipped where pages keep their structure (type, links, counts, row offsets): whatever
// the import makes of it, it ends at once with at most our own few lines.
void DamagedAccessTest::flippedBitsNeverHang()
{
    QFETCH(QString, fixture);
    QFETCH(int, pageSize);
    QFETCH(quint32, seed);
    QByteArray bytes = fixtureBytes(fixture);
    QVERIFY(!bytes.isEmpty());
    QRandomGenerator random(seed);
    for (int flip = 0; flip < 64; ++flip) {
        const qint64 at = qint64(random.bounded(int(bytes.size() / pageSize))) * pageSize + random.bounded(80);
        bytes[at] = char(bytes.at(at) ^ (1 << random.bounded(8)));
    }

    QString archive;
    const Run run = importFile(bytes, &archive);
    QVERIFY2(run.exitCode == 0 || run.exitCode == 1, qPrintable(run.err));
    QVERIFY2(run.millis < kRefusalMillis, qPrintable(QString::number(run.millis)));
    // libmdb's complaints start with "Warning", "error" or its functions' names.
    QVERIFY2(run.err.count(QLatin1Char('\n')) <= 3 && !run.err.contains(QLatin1String("mdb_"))
                 && !run.err.contains(QLatin1String("arning")) && !run.err.contains(QLatin1String("error")),
             qPrintable(run.err));
    if (run.exitCode == 1)
        QCOMPARE(run.targetEntries, QStringList());
}

QTEST_GUILESS_MAIN(DamagedAccessTest)
#include "tst_damagedaccess.moc"
