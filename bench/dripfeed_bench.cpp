// Drip-feed benchmark: the memory of `truvnet send` while it sends a very large program (1 GB
// by default) to serialcnc on a pseudo-terminal, sampled every second, beside the memory of the
// same send of a 100 KB program in the same run; and the characters per second that reach the
// machine over the line rate, in the steady part of the send (after the first second).
// The large send runs for the given seconds and is then stopped with SIGTERM: at 115200 baud a
// gigabyte takes a day, and flat memory shows in the first minutes.
//
// dripfeed_bench [MB] [seconds] [baud]   (defaults 1024, 60, 115200)

#include "benchsupport.h"
#include "settingsstore.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// A program file of at least size bytes, written a piece at a time.
void writeProgram(const QString &path, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    QByteArray piece;
    for (int n = 10; piece.size() < 1024 * 1024; n += 10)
        piece += "N" + QByteArray::number(n) + " G1 X" + QByteArray::number(n % 997) + ".125 Y-"
                 + QByteArray::number(n % 463) + ".5 F1200\r\n";
    for (qint64 written = 0; written < size; written += piece.size()) {
        if (file.write(piece) != piece.size())
            qFatal("cannot write %s: %s", qPrintable(path), qPrintable(file.errorString()));
    }
}

struct Run {
    std::vector<qint64> rssKb; // one a second
    double lineRatio = 0;      // characters a second at the machine over the line rate
};

Run send(const QTemporaryDir &dir, const QString &programFile, long baud, int seconds)
{
    const QString received = dir.filePath(QStringLiteral("received"));
    QFile::remove(received);
    QProcess machine;
    machine.start(QStringLiteral(SERIALCNC), {QStringLiteral("receive"), QStringLiteral("--baud"),
                                              QString::number(baud), QStringLiteral("--out"), received});
    if (!machine.waitForReadyRead(5000))
        qFatal("serialcnc does not start");
    SettingsStore().setValue(QStringLiteral("ports"), QStringLiteral("COM1"),
                             QString::fromLocal8Bit(machine.readLine().trimmed()));
    QFile machines(dir.filePath(QStringLiteral("cncsett.dat")));
    if (!machines.open(QIODevice::WriteOnly))
        qFatal("cannot write the machine file");
    machines.write(QStringLiteral(" 0 \r\n\"BENCH\",1,\"%1,N,8,1\",0,\"\",\"\",1\r\n").arg(baud).toLatin1());
    machines.close();

    QProcess truvnet;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TRUV_HOME"), dir.path());
    truvnet.setProcessEnvironment(env);
    truvnet.setStandardOutputFile(QProcess::nullDevice());
    truvnet.setStandardErrorFile(QProcess::nullDevice());
    truvnet.start(QStringLiteral(TRUVNET), {QStringLiteral("send"), QStringLiteral("BENCH"), programFile});
    if (!truvnet.waitForStarted())
        qFatal("truvnet does not start");

    Run run;
    qint64 receivedAtOne = 0;
    const Clock::time_point start = Clock::now();
    Clock::time_point oneSecond = start;
    for (int second = 1; second <= seconds; ++second) {
        std::this_thread::sleep_until(start + std::chrono::seconds(second));
        if (truvnet.state() != QProcess::Running || truvnet.waitForFinished(0))
            break;
        run.rssKb.push_back(Bench::residentKb(truvnet.processId()));
        if (second == 1) {
            receivedAtOne = QFileInfo(received).size();
            oneSecond = Clock::now();
        }
    }
    const double steady = std::chrono::duration<double>(Clock::now() - oneSecond).count();
    const qint64 steadyChars = QFileInfo(received).size() - receivedAtOne;
    if (truvnet.state() == QProcess::Running) {
        ::kill(pid_t(truvnet.processId()), SIGTERM);
        truvnet.waitForFinished();
    } else {
        truvnet.waitForFinished();
    }
    machine.terminate();
    machine.waitForFinished();
    if (steady > 0.5)
        run.lineRatio = double(steadyChars) / steady / (double(baud) / 10.0);
    return run;
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QCoreApplication app(argc, argv);
    const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 1024;
    const int seconds = argc > 2 ? QByteArray(argv[2]).toInt() : 60;
    const long baud = argc > 3 ? QByteArray(argv[3]).toLong() : 115200;

    QTemporaryDir dir;
    const QString small = dir.filePath(QStringLiteral("SMALL.nc"));
    const QString large = dir.filePath(QStringLiteral("LARGE.nc"));
    writeProgram(small, 100 * 1024);
    writeProgram(large, megabytes * 1024 * 1024);

    // The baseline: the same send of a program that a line takes in a few seconds.
    const Run baseline = send(dir, small, baud, std::max(2, int(100 * 1024 * 10 / baud) - 1));
    const Run drip = send(dir, large, baud, seconds);
    if (baseline.rssKb.empty() || drip.rssKb.empty())
        qFatal("truvnet send ended at once");

    qint64 peak = 0;
    for (const qint64 kb : drip.rssKb)
        peak = std::max(peak, kb);
    std::printf("truvnet send of %lld MB at %ld baud, %zu s sampled\n", static_cast<long long>(megabytes), baud,
                drip.rssKb.size());
    std::printf("RSS kB each 10 s:");
    for (std::size_t i = 0; i < drip.rssKb.size(); i += 10)
        std::printf(" %lld", static_cast<long long>(drip.rssKb.at(i)));
    std::printf("\nRSS first second %lld kB, peak %.1f MB (goal <= 40), last %lld kB; last over first %.3f\n",
                static_cast<long long>(drip.rssKb.front()), double(peak) / 1024.0,
                static_cast<long long>(drip.rssKb.back()), double(drip.rssKb.back()) / double(drip.rssKb.front()));
    std::printf("RSS over the 100 KB send's %lld kB: %.3f\n", static_cast<long long>(baseline.rssKb.front()),
                double(peak) / double(baseline.rssKb.front()));
    std::printf("characters a second over the line rate after the first second: %.4f (goal >= 0.99)\n",
                drip.lineRatio);
    return 0;
}
