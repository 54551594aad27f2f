// Revisions benchmark: an editor save of a 30 MB program with its revision beside the same save
// without it; truvnet diff of two 1 MB revisions (1 % of lines changed, then unrelated texts)
// beside GNU diff -u on the same texts; the stored size of a typical 100 KB program's revision;
// the packing of a large save's revisions, which follows the save.
#include "benchsupport.h"
#include "archivestore.h"
#include "diffcommand.h"
#include "programfoldersetup.h"
#include "programrevisions.h"
#include "programtext.h"
#include "revisedtext.h"
#include "textfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>

namespace {

// A milling program of about `bytes`, its coordinates drawn from seed.
QByteArray makeProgram(qsizetype bytes, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray text = "%\r\nO1234 (PIASTRA)\r\n";
    text.reserve(bytes + 64);
    for (int n = 1; text.size() < bytes; ++n) {
        text += "N" + QByteArray::number(n * 10) + " G01 X" + QByteArray::number(random.bounded(100000) / 100.0, 'f', 3)
            + " Y" + QByteArray::number(random.bounded(80000) / 100.0, 'f', 3) + " Z-1.500 F1200\r\n";
    }
    return text + "M30\r\n%\r\n";
}

// One line in a hundred rewritten.
QByteArray changedPercent(const QByteArray &text)
{
    QList<QByteArray> lines = text.split('\n');
    for (qsizetype i = 5; i < lines.size() - 1; i += 100)
        lines[i] = "G00 Z50. (CAMBIATO)\r";
    return lines.join('\n');
}

// Keeps older and newer as revisions 1 and 2 of program number.
bool keepTwo(ArchiveStore &archive, const ProgramFolder &folder, qint32 number, const QByteArray &older,
             const QByteArray &newer)
{
    ArchiveRecord record;
    record.progr = number;
    record.disegno = record.descrizione = QStringLiteral("BENCH");
    return archive.add(record) && TextFile::writeAtomically(folder.programTextPath(number), older)
        && replaceProgramText(archive, folder, number, newer, RevisionOrigin::Editor).done
        && replaceProgramText(archive, folder, number, "", RevisionOrigin::Editor).done;
}

double gnuDiff(const QTemporaryDir &dir, const QByteArray &a, const QByteArray &b)
{
    TextFile::writeAtomically(dir.filePath(QStringLiteral("a")), a);
    TextFile::writeAtomically(dir.filePath(QStringLiteral("b")), b);
    return Bench::bestMs(3, [&] {
        QProcess diff;
        diff.start(QStringLiteral("diff"), {QStringLiteral("-u"), dir.filePath(QStringLiteral("a")),
                                            dir.filePath(QStringLiteral("b"))});
        diff.waitForFinished(-1);
        diff.readAllStandardOutput();
    });
}

bool benchDiff(const char *label, ArchiveStore &archive, const ProgramFolder &folder, qint32 number,
               const QTemporaryDir &dir, const QByteArray &a, const QByteArray &b, qsizetype *outputSize)
{
    if (!keepTwo(archive, folder, number, a, b))
        return false;
    QTextStream err(stderr);
    const long before = Bench::peakMegabytes();
    int status = -1;
    const double ours = Bench::bestMs(3, [&] {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        status = diffRevisions(archive, folder, {QString::number(number), QStringLiteral("1"), QStringLiteral("2")}, out, err);
        *outputSize = out.size();
    });
    const double gnu = gnuDiff(dir, a, b);
    std::printf("truvnet diff, %-22s %7.1f ms   diff -u %7.1f ms   ratio %5.2f   peak memory +%ld MB   (%lld bytes)\n",
                label, ours, gnu, ours / gnu, Bench::peakMegabytes() - before, static_cast<long long>(*outputSize));
    return status == 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    ProgramFolder folder(dir.filePath(QStringLiteral("truv")));
    if (!initialiseProgramFolder(folder).error.isEmpty())
        return 1;
    QString error;
    auto archive = ArchiveStore::open(folder.archivePath(), &error);
    if (!archive || !archive->prepareForUse())
        return 1;

    // Diffs first, so that their memory is not hidden under the 30 MB save's.
    const QByteArray megabyte = makeProgram(1'000'000, 1);
    qsizetype outputSize = 0;
    if (!benchDiff("1 % of lines changed", *archive, folder, 10, dir, megabyte, changedPercent(megabyte), &outputSize)
        || !benchDiff("unrelated texts", *archive, folder, 11, dir, megabyte, makeProgram(1'000'000, 2), &outputSize))
        return 1;

    // Stored size of a typical program's revision.
    const QByteArray typical = makeProgram(100'000, 3);
    if (!keepTwo(*archive, folder, 12, typical, "x"))
        return 1;
    QSqlQuery stored(archive->database());
    stored.exec(QStringLiteral("SELECT length(testo) FROM revisioni WHERE progr = 12 AND revisione = 1"));
    if (!stored.next())
        return 1;
    std::printf("revision of a %lld byte program: %lld bytes stored, ratio %.2f\n", static_cast<long long>(typical.size()),
                stored.value(0).toLongLong(), stored.value(0).toDouble() / double(typical.size()));

    // The 30 MB save, as the editor makes it, without and with its revision.
    ArchiveRecord record;
    record.progr = 42;
    record.disegno = record.descrizione = QStringLiteral("PIASTRA GRANDE");
    archive->add(record);
    const QByteArray big[2] = {makeProgram(30'000'000, 4), makeProgram(30'000'000, 5)};
    std::printf("program: %.1f MB\n", big[0].size() / 1e6);
    int turn = 0;
    const double plain = Bench::bestMs(5, [&] {
        TextFile::writeAtomically(folder.programTextPath(42), programFileBytes(big[turn++ % 2]));
    });
    bool saved = true;
    const double kept = Bench::bestMs(5, [&] {
        saved = saved
            && replaceProgramText(*archive, folder, 42, programFileBytes(big[turn++ % 2]), RevisionOrigin::Editor).done;
    });
    if (!saved)
        return 1;
    std::printf("save with its revision %7.1f ms   save without %7.1f ms   ratio %5.2f\n", kept, plain, kept / plain);
    // What the save leaves to the event loop: its revisions packed afterwards.
    QElapsedTimer packing;
    packing.start();
    if (!packPendingRevisions(*archive, folder))
        return 1;
    std::printf("packing the %d revisions left pending %7.1f ms\n", turn - 5, double(packing.elapsed()));
    return 0;
}
