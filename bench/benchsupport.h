#pragma once

// What the benchmarks measure the same way: the shortest of a few runs, and the process's peak
// memory and processor time (which other programs on the machine do not inflate).

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>

#include <sys/resource.h>

namespace Bench {

// The shortest of runs calls of measure, which answers its own time in milliseconds.
template <typename Measure>
double shortestMs(int runs, Measure measure)
{
    double shortest = measure();
    for (int i = 1; i < runs; ++i)
        shortest = std::min(shortest, measure());
    return shortest;
}

// The shortest of runs calls of run, each timed whole, in milliseconds.
template <typename Run>
double bestMs(int runs, Run run)
{
    return shortestMs(runs, [&run] {
        QElapsedTimer timer;
        timer.start();
        run();
        return timer.nsecsElapsed() / 1e6;
    });
}

// The most memory this process has held so far.
inline long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// Processor time of this process (every thread), or of its finished children.
inline double cpuSeconds(int who = RUSAGE_SELF)
{
    rusage usage{};
    getrusage(who, &usage);
    auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Resident memory of another running process in kB, from /proc; 0 when it is gone.
inline qint64 residentKb(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

} // namespace Bench
