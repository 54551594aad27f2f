// Serial send benchmark: `truvnet send` (the whole program, started as a process) against
// serialcnc on a pseudo-terminal, paced at 9600, 38400 and 115200 baud, beside a plain blocking
// write() of the same bytes to the same kind of line in the same run. Prints characters per
// second over the line rate and the CPU time of the sender over the wall time, from the start
// of the sender until the machine has every byte. A last run has the machine hold the line
// with XOFF most of the time, to show what waiting costs.
//
// serial_bench [KB at 115200] (default 1024; the slower rates send a quarter and a sixteenth
// of it, so that each run takes about as long).

#include "settingsstore.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

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

// CPU time of this process, or of its finished children.
double cpuSeconds(int who = RUSAGE_SELF)
{
    rusage usage{};
    ::getrusage(who, &usage);
    auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

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

Figures sendWithTruvnet(const QByteArray &text, long baud, int handshaking, const QStringList &machineOptions)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("received"));
    Machine machine(file, baud, machineOptions);
    SettingsStore().setValue(QStringLiteral("ports"), QStringLiteral("COM1"), machine.device());

    // A program folder with one machine on COM1 and the program to send.
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

    QProcess truvnet;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TRUV_HOME"), dir.path());
    truvnet.setProcessEnvironment(env);
    truvnet.setStandardOutputFile(QProcess::nullDevice());

    const double cpu = cpuSeconds(RUSAGE_CHILDREN);
    const Clock::time_point start = Clock::now();
    truvnet.start(QStringLiteral(TRUVNET),
                  {QStringLiteral("send"), QStringLiteral("BENCH"), programFile.fileName()});
    if (!truvnet.waitForFinished(-1) || truvnet.exitStatus() != QProcess::NormalExit || truvnet.exitCode() != 0)
        qFatal("truvnet send failed: %s", truvnet.readAllStandardError().constData());
    // The finished child's time is counted once it has been waited for.
    const double used = cpuSeconds(RUSAGE_CHILDREN) - cpu;
    waitForFile(file, text.size());
    return {std::chrono::duration<double>(Clock::now() - start).count(), used};
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

    const double cpu = cpuSeconds();
    const Clock::time_point start = Clock::now();
    for (qsizetype done = 0; done < text.size();) {
        const ssize_t n = ::write(fd, text.constData() + done, size_t(text.size() - done));
        if (n <= 0)
            qFatal("write failed");
        done += n;
    }
    waitForFile(file, text.size());
    const Figures figures{std::chrono::duration<double>(Clock::now() - start).count(), cpuSeconds() - cpu};
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
    return 0;
}
