#pragma once

#include <QString>

#include <functional>

class ConsoleOutput;

// How a send's progress shows on standard error: on a terminal one line rewritten in place with
// the characters sent of the total, the pace and the time left; into a log the same once a
// minute, so that a send of hours leaves a readable trace and not a line per block.
class SendProgress {
public:
    // Milliseconds of a monotonic clock; tests give their own.
    using Clock = std::function<qint64()>;
    static constexpr qint64 TerminalInterval = 250;
    static constexpr qint64 LogInterval = 60000;

    explicit SendProgress(ConsoleOutput &output, Clock clock = {});

    void update(qint64 sent, qint64 total);
    // The send has ended: its last count, as a send's count is shown when it ends.
    void end(qint64 sent);

    // "1.234 di 10.000 caratteri, 960 caratteri/s, 0:00:09 alla fine"
    static QString text(qint64 sent, qint64 total, double perSecond);

private:
    ConsoleOutput &m_output;
    Clock m_clock;
    qint64 m_startedAt = -1;
    qint64 m_firstSent = 0;
    qint64 m_shownAt = 0;
    qsizetype m_widest = 0;
};
