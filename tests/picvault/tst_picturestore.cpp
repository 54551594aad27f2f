#include "bothbackends.h"
#include "picturecatalog.h"
#include "picturefiles.h"

#include <QFile>
#include <QTest>

#include <limits>
#include <thread>

using Status = PictureStore::Status;
Q_DECLARE_METATYPE(PictureStore::Status)

// Runs on the local file and on a PostgreSQL server (see main).
class PictureStoreTest : public QObject {
    Q_OBJECT
public:
    explicit PictureStoreTest(PostgresServer *server) : m_server(server) {}

private:
    PostgresServer *m_server;

private slots:
    void numbering_data();
    void numbering();
    void fileNames_data();
    void fileNames();
    void failedAddLeavesNothing_data();
    void failedAddLeavesNothing();
    void removal_data();
    void removal();
    void descriptionsChange_data();
    void descriptionsChange();
    void programRemovalKeepsOtherPrograms();
    void twoProgramsAddAtOnce();
};

void PictureStoreTest::numbering_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<qint32>>("numbers");
    QTest::newRow("first picture") << QStringList{"add"} << QList<qint32>{1};
    QTest::newRow("highest deleted: its number again")
        << QStringList{"add", "add", "add", "delete 3", "add"} << QList<qint32>{1, 2, 3};
    QTest::newRow("one below deleted: never again")
        << QStringList{"add", "add", "add", "delete 2", "add"} << QList<qint32>{1, 3, 4};
    QTest::newRow("other programs do not count")
        << QStringList{"add 420", "add 420", "add 4", "add"} << QList<qint32>{1};
}

void PictureStoreTest::numbering()
{
    QFETCH(QStringList, steps);
    QFETCH(QList<qint32>, numbers);
    PictureFixture f{m_server};
    for (const QString &step : steps) {
        const QStringList words = step.split(QLatin1Char(' '));
        if (words[0] == QLatin1String("add"))
            QVERIFY(f.add(words.size() > 1 ? words[1].toInt() : 42) > 0);
        else
            QCOMPARE(f.store.remove(42, words[1].toInt()).status, Status::Done);
    }
    QCOMPARE(f.numbers(42), numbers);
    for (qint32 np : numbers)
        QVERIFY(QFile::exists(PictureCatalog::filePath(f.temp.folder(), 42, np, QStringLiteral(".png"))));
}

void PictureStoreTest::fileNames_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<qint32>("highest");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("type");
    QTest::newRow("extension with its dot") << "Foto staffa.jpg" << 0 << "M0000042N0001.jpg" << ".jpg";
    QTest::newRow("four-letter extension") << "staffa.jpeg" << 0 << "M0000042N0001jpeg" << "jpeg";
    QTest::newRow("five-digit number") << "staffa.bmp" << 12344 << "M0000042N12345.bmp" << ".bmp";
}

void PictureStoreTest::fileNames()
{
    QFETCH(QString, chosen);
    QFETCH(qint32, highest);
    QFETCH(QString, fileName);
    QFETCH(QString, type);
    PictureFixture f{m_server};
    if (highest > 0)
        f.insertRow(42, highest, QStringLiteral(".bmp"));
    const QByteArray bytes = pictureBytes(QSize(7, 5), "BMP") + QByteArray("\0\r\n\xff", 4);
    const PictureStore::Outcome outcome = f.store.add(42, f.chosen(chosen, bytes), QStringLiteral("a"), {});
    QCOMPARE(outcome.status, Status::Done);
    QCOMPARE(outcome.np, highest + 1);
    const PictureRow row = f.store.find(42, outcome.np).value();
    QCOMPARE(row.type, type);
    QCOMPARE(QFileInfo(row.path).fileName(), fileName);
    QFile copy(row.path);
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), bytes);
}

void PictureStoreTest::failedAddLeavesNothing_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<Status>("status");
    QTest::newRow("chosen file gone") << "missing" << Status::FileFailed;
    QTest::newRow("imm cannot hold files") << "imm" << Status::FileFailed;
    QTest::newRow("numbers used up") << "full" << Status::Full;
}

void PictureStoreTest::failedAddLeavesNothing()
{
    QFETCH(QString, fault);
    QFETCH(Status, status);
    PictureFixture f{m_server};
    QString source = f.chosen(QStringLiteral("staffa.png"));
    if (fault == QLatin1String("missing")) {
        QVERIFY(QFile::remove(source));
    } else if (fault == QLatin1String("imm")) {
        QVERIFY(QDir(f.temp.folder().pictureDir()).removeRecursively());
        f.temp.writeFile(QStringLiteral("imm"), "not a folder");
    } else {
        f.insertRow(42, std::numeric_limits<qint32>::max(), QStringLiteral(".png"));
    }
    const QList<qint32> before = f.numbers(42);

    const PictureStore::Outcome outcome = f.store.add(42, source, QStringLiteral("a"), {});

    QCOMPARE(outcome.status, status);
    if (status == Status::FileFailed) {
        QVERIFY(!outcome.error.isEmpty());
        QVERIFY(!outcome.path.isEmpty());
    }
    QCOMPARE(f.numbers(42), before);
    if (fault != QLatin1String("imm"))
        QCOMPARE(f.files(), QStringList());
}

void PictureStoreTest::removal_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<qint32>("np");
    QTest::addColumn<Status>("status");
    QTest::addColumn<QList<qint32>>("remaining");
    QTest::newRow("row and file") << "present" << 2 << Status::Done << QList<qint32>{1};
    QTest::newRow("file already gone") << "gone" << 2 << Status::Done << QList<qint32>{1};
    QTest::newRow("file that cannot go keeps its row") << "stuck" << 2 << Status::FileFailed << QList<qint32>{1, 2};
    QTest::newRow("no such picture") << "present" << 9 << Status::Missing << QList<qint32>{1, 2};
}

void PictureStoreTest::removal()
{
    QFETCH(QString, file);
    QFETCH(qint32, np);
    QFETCH(Status, status);
    QFETCH(QList<qint32>, remaining);
    PictureFixture f{m_server};
    f.add(42);
    f.add(42);
    const QString path = f.store.find(42, 2)->path;
    QVERIFY(QFile::remove(path));
    if (file == QLatin1String("present"))
        f.temp.writeFile(QStringLiteral("imm/M0000042N0002.png"), "picture");
    else if (file == QLatin1String("stuck")) // a folder in its place: no file removal can take it
        f.temp.writeFile(QStringLiteral("imm/M0000042N0002.png/inside"), "x");

    const PictureStore::Outcome outcome = f.store.remove(42, np);

    QCOMPARE(outcome.status, status);
    QCOMPARE(f.numbers(42), remaining);
    QCOMPARE(QFileInfo::exists(path), file == QLatin1String("stuck") || (file == QLatin1String("present") && np == 9));
    if (status == Status::FileFailed) {
        QCOMPARE(outcome.path, path);
        QVERIFY(!outcome.error.isEmpty());
    }
}

void PictureStoreTest::descriptionsChange_data()
{
    QTest::addColumn<qint32>("np");
    QTest::addColumn<QString>("longDescription");
    QTest::addColumn<Status>("status");
    QTest::newRow("with a long description") << 1 << "piano di staffaggio\nvista da sinistra" << Status::Done;
    QTest::newRow("long description emptied") << 1 << "" << Status::Done;
    QTest::newRow("no such picture") << 7 << "x" << Status::Missing;
}

void PictureStoreTest::descriptionsChange()
{
    QFETCH(qint32, np);
    QFETCH(QString, longDescription);
    QFETCH(Status, status);
    PictureFixture f{m_server};
    QVERIFY(f.store.add(42, f.chosen(QStringLiteral("a.png")), QStringLiteral("vecchia"), QStringLiteral("lunga"))
                .status == Status::Done);
    const QString path = f.store.find(42, 1)->path;
    const QString other = f.chosen(QStringLiteral("b.png"), "other bytes");

    QCOMPARE(f.store.change(42, np, QStringLiteral("nuova; l'altra"), longDescription).status, status);

    const PictureRow row = f.store.find(42, 1).value();
    QCOMPARE(row.shortDescription, status == Status::Done ? QStringLiteral("nuova; l'altra") : QStringLiteral("vecchia"));
    QCOMPARE(row.longDescription, status == Status::Done ? longDescription : QStringLiteral("lunga"));
    QCOMPARE(row.path, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll() != "other bytes");
    QVERIFY(QFile::exists(other));
}

void PictureStoreTest::programRemovalKeepsOtherPrograms()
{
    PictureFixture f{m_server};
    f.add(42);
    f.add(42, QStringLiteral("b"), QStringLiteral("b.jpeg"));
    f.add(420);
    f.add(4200);

    const PictureCatalog::RemovalResult result = PictureCatalog::removeProgramPictures(f.temp.folder(), 42);

    QVERIFY(result.filesRemoved && result.rowsRemoved);
    QCOMPARE(f.numbers(42), QList<qint32>());
    QCOMPARE(f.numbers(420), QList<qint32>{1});
    QCOMPARE(f.files(), (QStringList{"M0000420N0001.png", "M0004200N0001.png"}));
}

void PictureStoreTest::twoProgramsAddAtOnce()
{
    // Two PCs loading pictures of the same program at the same moment, 25 each.
    PictureFixture f{m_server};
    const QString source = f.chosen(QStringLiteral("foto.png"));
    QString errors[2];
    auto addMany = [&](int pc) {
        PictureStore store(f.temp.folder());
        if (!store.open()) {
            errors[pc] = store.lastError();
            return;
        }
        for (int i = 0; i < 25 && errors[pc].isEmpty(); ++i) {
            const PictureStore::Outcome outcome = store.add(42, source, QStringLiteral("pc %1").arg(pc), {});
            if (outcome.status != Status::Done)
                errors[pc] = outcome.error;
        }
    };
    std::thread first(addMany, 0);
    std::thread second(addMany, 1);
    first.join();
    second.join();
    QVERIFY2(errors[0].isEmpty() && errors[1].isEmpty(), qPrintable(errors[0] + u'|' + errors[1]));
    QList<qint32> expected;
    for (qint32 np = 1; np <= 50; ++np)
        expected.append(np);
    QCOMPARE(f.numbers(42), expected);
    QCOMPARE(f.files().size(), 50);
}

int main(int argc, char **argv)
{
    return runOnBothBackends<PictureStoreTest>(argc, argv);
}
#include "tst_picturestore.moc"
