// Serial send benchmark: `truvnet send` (the whole program, started as a process) against
// serialcnc on a pseudo-terminal, paced at 9600, 38400 and 115200 baud, beside a plain blocking
// write() of the same bytes to the same kind of line in the same run. Prints characters per
// second over the line rate and the CPU time of the sender over the wall time, from the start
// of the sender until the machine has every byte. A last run has the machine hold the line
// with XOFF most of the time, to show what waiting costs; in another the machine vanishes
// in the middle (an unplugged adapter), to show how soon the sender gives up and what that
// costs, measured over at most 20 s.
//
// serial_bench [KB at 115200] (default 1024; the slower rates send a quarter and a sixteenth
// of it, so that each run takes about as long).

#include "benchsupport.h"
#include "settingsstore.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

#include <fcntl.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int NoHandshaking = 0;
constexpr int XonXoff = 1;

struct Figures {
    double wall = 0;
    double cpu = 0;
};

// serialcnc receiving into a file; device() is its line.
class Machine {
public:
    Machine(const QString &file, long baud, const QStringList &extra = {})
    {
        m_process.start(QStringLiteral(SERIALCNC),
                        QStringList{QStringLiteral("receive"), QStringLiteral("--baud"), QString::number(baud),
                                    QStringLiteral("--out"), file}
                            + extra);
        if (!m_process.waitForReadyRead(5000))
            qFatal("serialcnc does not start");
        m_device = QString::fromLocal8Bit(m_process.readLine().trimmed());
    }
    ~Machine()
    {
        m_process.terminate();
        m_process.waitForFinished();
    }
    QString device() const { return m_device; }
    // Gone at once, as an unplugged adapter: its end of the line closes.
    void vanish()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

private:
    QProcess m_process;
    QString m_device;
};

// Waits, sleeping, until the machine has all the bytes.
void waitForFile(const QString &file, qint64 size)
{
    while (QFileInfo(file).size() < size)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

QByteArray program(qint64 size)
{
    QByteArray text;
    text.reserve(size + 64);
    for (int n = 10; text.size() < size; n += 10)
        text += "N" + QByteArray::number(n) + " G1 X" + QByteArray::number(n % 997) + ".125 Y-"
                + QByteArray::number(n % 463) + ".5 F1200\r\n";
    return text;
}

// A program folder with one machine on COM1 and the program to send, in BENCH.nc.
void writeProgramFolder(const QTemporaryDir &dir, const QByteArray &text, long baud, int handshaking)
{
    QFile machines(dir.filePath(QStringLiteral("cncsett.dat")));
    QFile programFile(dir.filePath(QStringLiteral("BENCH.nc")));
    if (!machines.open(QIODevice::WriteOnly) || !programFile.open(QIODevice::WriteOnly))
        qFatal("cannot write the program folder");
    machines.write(QStringLiteral(" 0 \r\n\"BENCH\",1,\"%1,N,8,1\",%2,\"\",\"\",1\r\n")
                       .arg(baud)
                       .arg(handshaking)
                       .toLatin1());
    machines.close();
    programFile.write(text);
    programFile.close();
}

// CPU seconds a running process has used so far, from /proc.
double processCpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    // The fields after the command name, which may hold blanks: utime and stime are 14 and 15.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() <= 12)
        return 0;
    return double(fields.at(11).toLongLong() + fields.at(12).toLongLong()) / double(::sysconf(_SC_CLK_TCK));
}

Figures sendWithTruvnet(const QByteArray &text, long baud, int handshaking, const QStringList &machineOptions)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("received"));
    Machine machine(file, baud, machineOptions);
    SettingsStore().setValue(QStringLiteral("ports"), QStringLiteral("COM1"), machine.device());
    writeProgramFolder(dir, text, baud, handshaking);
    const QString programFile = dir.filePath(QStringLiteral("BENCH.nc"));

    QProcess truvnet;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TRUV_HOME"), dir.path());
    truvnet.setProcessEnvironment(env);
    truvnet.setStandardOutputFile(QProcess::nullDevice());

    const double cpu = Bench::cpuSeconds(RUSAGE_CHILDREN);
    const Clock::time_point start = Clock::now();
    truvnet.start(QStringLiteral(TRUVNET),
                  {QStringLiteral("send"), QStringLiteral("BENCH"), programFile});
    if (!truvnet.waitForFinished(-1) || truvnet.exitStatus() != QProcess::NormalExit || truvnet.exitCode() != 0)
        qFatal("truvnet send failed: %s", truvnet.readAllStandardError().constData());
    // The finished child's time is counted once it has been waited for.
    const double used = Bench::cpuSeconds(RUSAGE_CHILDREN) - cpu;
    waitForFile(file, text.size());
    return {std::chrono::duration<double>(Clock::now() - start).count(), used};
}

// The machine vanishes one second into a send that it holds with XOFF: how long truvnet goes
// on after that (wall), and the CPU time it uses meanwhile (cpu), over at most 20 s.
Figures deviceGoneDuringSend(const QByteArray &text)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("received"));
    Machine machine(file, 9600, {QStringLiteral("--buffer"), QStringLiteral("64"), QStringLiteral("--process"),
                                 QStringLiteral("50")});
    SettingsStore().setValue(QStringLiteral("ports"), QStringLiteral("COM1"), machine.device());
    writeProgramFolder(dir, text, 9600, XonXoff);

    QProcess truvnet;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TRUV_HOME"), dir.path());
    truvnet.setProcessEnvironment(env);
    truvnet.start(QStringLiteral(TRUVNET), {QStringLiteral("send"), QStringLiteral("BENCH"),
                                            dir.filePath(QStringLiteral("BENCH.nc")), QStringLiteral("--no-consent")});
    if (!truvnet.waitForStarted() || truvnet.waitForFinished(1000))
        qFatal("truvnet send did not wait for the machine: %s", truvnet.readAllStandardError().constData());

    const double cpuBefore = processCpuSeconds(truvnet.processId());
    machine.vanish();
    const Clock::time_point gone = Clock::now();
    // From here the children's total grows by truvnet's time alone, once it is waited for.
    const double childrenBefore = Bench::cpuSeconds(RUSAGE_CHILDREN);
    if (!truvnet.waitForFinished(20000)) {
        const double cpuAtLimit = processCpuSeconds(truvnet.processId());
        truvnet.kill();
        truvnet.waitForFinished();
        return {20.0, cpuAtLimit - cpuBefore};
    }
    const double wall = std::chrono::duration<double>(Clock::now() - gone).count();
    const double used = Bench::cpuSeconds(RUSAGE_CHILDREN) - childrenBefore;
    if (truvnet.exitCode() != 1)
        qFatal("truvnet send did not fail: %d", truvnet.exitCode());
    return {wall, std::max(0.0, used - cpuBefore)};
}

Figures writeBlocking(const QByteArray &text, long baud)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("received"));
    Machine machine(file, baud);
    const int fd = ::open(machine.device().toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    if (fd < 0)
        qFatal("cannot open %s", qPrintable(machine.device()));
    termios t{};
    ::tcgetattr(fd, &t);
    ::cfmakeraw(&t);
    t.c_cflag |= CLOCAL | CREAD;
    ::tcsetattr(fd, TCSANOW, &t);

    const double cpu = Bench::cpuSeconds();
    const Clock::time_point start = Clock::now();
    for (qsizetype done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.constData() + done, size_t(text.size() - done));
        if (n <= 0)
            qFatal("write failed");
        done += n;
    }
    waitForFile(file, text.size());
    const Figures figures{std::chrono::duration<double>(Clock::now() - start).count(), Bench::cpuSeconds() - cpu};
    ::close(fd);
    return figures;
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QCoreApplication app(argc, argv);
    const qint64 largest = (argc > 1 ? QByteArray(argv[1]).toLongLong() : 1024) * 1024;

    std::printf("serial send over a pseudo-terminal to serialcnc (10 bits a character)\n");
    std::printf("%8s %9s | %-28s | %-28s\n", "baud", "bytes", "truvnet send", "blocking write()");
    std::printf("%8s %9s | %13s %14s | %13s %14s\n", "", "", "chars/s/line", "cpu/wall", "chars/s/line",
                "cpu/wall");
    for (const auto &[baud, size] : {std::pair{9600L, largest / 16}, std::pair{38400L, largest / 4},
                                     std::pair{115200L, largest}}) {
        const QByteArray text = program(size);
        const double lineRate = double(baud) / 10.0;
        const Figures truv = sendWithTruvnet(text, baud, NoHandshaking, {});
        const Figures plain = writeBlocking(text, baud);
        std::printf("%8ld %9lld | %13.3f %13.4f%% | %13.3f %13.4f%%\n", baud, static_cast<long long>(text.size()),
                    double(text.size()) / truv.wall / lineRate, 100.0 * truv.cpu / truv.wall,
                    double(text.size()) / plain.wall / lineRate, 100.0 * plain.cpu / plain.wall);
        std::fflush(stdout);
    }

    // A machine that takes 100 characters a second into a 256-character buffer holds the line
    // with XOFF most of the time; the send waits for it.
    const QByteArray held = program(2000);
    const Figures waiting = sendWithTruvnet(held, 115200, XonXoff,
                                         {QStringLiteral("--buffer"), QStringLiteral("256"),
                                          QStringLiteral("--process"), QStringLiteral("100"),
                                          QStringLiteral("--consent"), QStringLiteral("11")});
    std::printf("held by XOFF at 115200: %lld bytes in %.1f s, cpu/wall %.4f%%\n",
                static_cast<long long>(held.size()), waiting.wall, 100.0 * waiting.cpu / waiting.wall);
    std::fflush(stdout);

    const Figures gone = deviceGoneDuringSend(program(20000));
    // Over the whole 20 s, beside what the held wait above costs.
    std::printf("machine gone during a held send: truvnet exited after %.3f s (20 s at most); "
                "cpu in the 20 s after the loss %.3f s = %.4f%%, the held wait %.4f%%\n",
                gone.wall, gone.cpu, 100.0 * gone.cpu / 20.0, 100.0 * waiting.cpu / waiting.wall);
    return 0;
}
