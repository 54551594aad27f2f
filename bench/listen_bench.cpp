// DNC server benchmark: `truvnet listen` on 8 serial lines, each a serialcnc punching 1,250
// programs, and one Ethernet machine (cncsim) polled for requests every 0.2 s, so that it opens
// and gives back a connection several times a second. Prints the resident memory and the open
// descriptors of the listen process once 800 programs are filed and again after all 10,000
// (goal: the same within 5 %), and then the time a serial request takes to be answered beyond
// dnc/requestDelay (goal: at most 0.5 s).
//
// listen_bench [programs per line]   (default 1250)

#include "benchsupport.h"
#include "archivestore.h"
#include "settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <functional>
#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Lines = 8;

qsizetype openDescriptors(qint64 pid)
{
    return QDir(QStringLiteral("/proc/%1/fd").arg(pid)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size();
}

// A simulator started with its arguments; its first output line (device or port) is kept.
class Simulator {
public:
    Simulator(const QString &program, const QStringList &arguments)
    {
        m_process.start(program, arguments);
        if (!m_process.waitForReadyRead(5000))
            qFatal("%s does not start", qPrintable(program));
        m_first = QString::fromLocal8Bit(m_process.readLine().trimmed());
    }
    ~Simulator()
    {
        m_process.terminate();
        m_process.waitForFinished();
    }
    QString first() const { return m_first; }
    QProcess &process() { return m_process; }

private:
    QProcess m_process;
    QString m_first;
};

int filedPrograms(const QString &dataDir)
{
    return int(QDir(dataDir).entryList({QStringLiteral("NEW*")}, QDir::Files).size());
}

void waitFor(const std::function<bool()> &done, int seconds, const char *what)
{
    const Clock::time_point end = Clock::now() + std::chrono::seconds(seconds);
    while (!done()) {
        if (Clock::now() > end)
            qFatal("timed out waiting for %s", what);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// Seconds from the end of a punched "(RICHIESTA 42)" to the first character of the answer.
double requestAnswered(const QTemporaryDir &dir, const QProcessEnvironment &env)
{
    const QString recorded = dir.filePath(QStringLiteral("recorded"));
    QFile::remove(recorded);
    Simulator requesting(QStringLiteral(SERIALCNC),
                         {QStringLiteral("punch"), QStringLiteral("--baud"), QStringLiteral("115200"),
                          QStringLiteral("--in"), dir.filePath(QStringLiteral("request")), QStringLiteral("--record"),
                          recorded, QStringLiteral("--start-delay"), QStringLiteral("300"), QStringLiteral("--verbose")});
    SettingsStore().setValue(QStringLiteral("ports"), QStringLiteral("COM9"), requesting.first());
    QProcess truvnet;
    truvnet.setProcessEnvironment(env);
    truvnet.setStandardOutputFile(QProcess::nullDevice());
    truvnet.setStandardErrorFile(QProcess::nullDevice());
    truvnet.start(QStringLiteral(TRUVNET), {QStringLiteral("listen"), QStringLiteral("RQ")});
    Clock::time_point punched;
    waitFor(
        [&] {
            requesting.process().waitForReadyRead(5);
            while (requesting.process().canReadLine()) {
                if (requesting.process().readLine().startsWith("punched")) {
                    punched = Clock::now();
                    return true;
                }
            }
            return false;
        },
        30, "the request to be punched");
    waitFor([&] { return QFileInfo(recorded).size() > 0; }, 30, "the answer");
    const double seconds = std::chrono::duration<double>(Clock::now() - punched).count();
    truvnet.terminate();
    truvnet.waitForFinished();
    return seconds;
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QCoreApplication app(argc, argv);
    const int perLine = argc > 1 ? QByteArray(argv[1]).toInt() : 1250;

    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("dati")));
    QDir().mkpath(dir.filePath(QStringLiteral("memory")));
    QByteArray tape;
    for (int i = 1; i <= perLine; ++i)
        tape += "%\nO" + QByteArray::number(i) + " (PEZZO)\nG0 X" + QByteArray::number(i) + "\nM30\n%\n";
    QFile tapeFile(dir.filePath(QStringLiteral("tape")));
    if (!tapeFile.open(QIODevice::WriteOnly) || tapeFile.write(tape) != tape.size())
        qFatal("cannot write the tape");
    tapeFile.close();

    SettingsStore settings;
    QByteArray machines = " 0 \r\n";
    std::vector<std::unique_ptr<Simulator>> lines;
    QStringList names;
    for (int line = 1; line <= Lines; ++line) {
        lines.push_back(std::make_unique<Simulator>(
            QStringLiteral(SERIALCNC), QStringList{QStringLiteral("punch"), QStringLiteral("--baud"),
                                                   QStringLiteral("115200"), QStringLiteral("--in"),
                                                   tapeFile.fileName(), QStringLiteral("--start-delay"),
                                                   QStringLiteral("2000")}));
        settings.setValue(QStringLiteral("ports"), QStringLiteral("COM%1").arg(line), lines.back()->first());
        machines += "\"L" + QByteArray::number(line) + "\"," + QByteArray::number(line) + ",\"115200,N,8,1\",0,\"\",\"\",1\r\n";
        names.append(QStringLiteral("L%1").arg(line));
    }
    QFile request(dir.filePath(QStringLiteral("request")));
    if (!request.open(QIODevice::WriteOnly) || request.write("%\n(RICHIESTA 42)\n%\n") <= 0)
        qFatal("cannot write the request");
    request.close();
    machines += "\"RQ\",9,\"115200,N,8,1\",0,\"\",\"\",1\r\n";
    // The Ethernet machine.
    Simulator cnc(QStringLiteral(CNCSIM), {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--programs"),
                                           dir.filePath(QStringLiteral("memory"))});
    machines += "\"ETH\",1,\"127.0.0.1:" + cnc.first().section(u' ', 1).toLatin1() + ",\",0,\"\",\"\",0\r\n";
    settings.setValue(QStringLiteral("cnc"), QStringLiteral("library"), QStringLiteral(LIBCNCSIM));
    settings.setValue(QStringLiteral("dnc"), QStringLiteral("requestDelay"), QStringLiteral("1"));
    QFile machineFile(dir.filePath(QStringLiteral("cncsett.dat")));
    if (!machineFile.open(QIODevice::WriteOnly) || machineFile.write(machines) != machines.size())
        qFatal("cannot write the machine file");
    machineFile.close();
    QFile program(dir.filePath(QStringLiteral("dati/P0000042")));
    if (!program.open(QIODevice::WriteOnly) || program.write("O0042\r\nG0 X1\r\nM30\r\n") <= 0)
        qFatal("cannot write program 42");
    program.close();

    QProcess init;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TRUV_HOME"), dir.path());
    init.setProcessEnvironment(env);
    init.start(QStringLiteral(TRUVNET), {QStringLiteral("--init"), dir.path()});
    init.waitForFinished();
    {
        // Program 42 in the archive, so that the request is answered.
        const std::unique_ptr<ArchiveStore> archive = ArchiveStore::open(dir.filePath(QStringLiteral("truv.mdb")));
        ArchiveRecord record;
        record.progr = 42;
        record.cliente = QStringLiteral("ROSSI");
        record.disegno = QStringLiteral("D42");
        if (!archive || !archive->add(record))
            qFatal("cannot archive program 42");
    }

    QProcess truvnet;
    truvnet.setProcessEnvironment(env);
    truvnet.setStandardOutputFile(QProcess::nullDevice());
    truvnet.setStandardErrorFile(dir.filePath(QStringLiteral("listen.err")));
    truvnet.start(QStringLiteral(TRUVNET), QStringList{QStringLiteral("listen"), QStringLiteral("--poll"),
                                                       QStringLiteral("0.2"), QStringLiteral("ETH")}
                                               + names);
    if (!truvnet.waitForStarted())
        qFatal("truvnet does not start");
    const QString data = dir.filePath(QStringLiteral("dati"));
    const int total = perLine * Lines;
    waitFor([&] { return filedPrograms(data) >= total * 8 / 100; }, 120, "the first programs");
    const qint64 rssBefore = Bench::residentKb(truvnet.processId());
    const qsizetype fdsBefore = openDescriptors(truvnet.processId());
    const Clock::time_point start = Clock::now();
    waitFor([&] { return filedPrograms(data) >= total; }, 600, "every program");
    // Ten seconds more: fifty more connections to the CNC, opened and given back.
    std::this_thread::sleep_for(std::chrono::seconds(10));
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    const qint64 rssAfter = Bench::residentKb(truvnet.processId());
    const qsizetype fdsAfter = openDescriptors(truvnet.processId());

    std::printf("truvnet listen, %d serial lines, %d programs, an Ethernet CNC polled every 0.2 s\n", Lines, total);
    std::printf("after %d programs: RSS %lld kB, %lld descriptors; after %d (%.1f s later): RSS %lld kB, %lld "
                "descriptors\n",
                total * 8 / 100, static_cast<long long>(rssBefore), static_cast<long long>(fdsBefore), total, seconds,
                static_cast<long long>(rssAfter), static_cast<long long>(fdsAfter));
    std::fflush(stdout);
    std::printf("RSS after/before %.3f, descriptors after/before %.3f (goal: 1 +- 0.05)\n",
                double(rssAfter) / double(rssBefore), double(fdsAfter) / double(fdsBefore));
    std::fflush(stdout);

    truvnet.terminate();
    truvnet.waitForFinished();

    // A request on a line of its own, three times: from the last character of the request to
    // the first character of the answer at the machine, less the request delay.
    double worst = 0;
    double sum = 0;
    for (int run = 0; run < 3; ++run) {
        const double late = requestAnswered(dir, env) - 1.0;
        worst = std::max(worst, late);
        sum += late;
    }
    std::printf("request answered %.3f s after dnc/requestDelay on average, %.3f s at worst (goal <= 0.5)\n",
                sum / 3, worst);
    return 0;
}
