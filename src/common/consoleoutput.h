#pragma once

#include <QString>

#include <functional>

class QIODevice;

// Standard error of a transfer subcommand: message lines, and a character count that keeps
// moving. On a terminal the count is rewritten in place on its own line; into a file or a
// pipe a moving count gets a line at most every CountInterval and the last one always, so a
// log stays readable.
class ConsoleOutput {
public:
    // Milliseconds of a monotonic clock; tests give their own.
    using Clock = std::function<qint64()>;
    static constexpr qint64 CountInterval = 5000;

    ConsoleOutput(QIODevice &device, bool terminal);

    void setClock(Clock clock) { m_clock = std::move(clock); }
    bool isTerminal() const { return m_terminal; }

    // A line of its own (a count being rewritten keeps its line).
    void line(const QString &text);
    // The count now.
    void count(const QString &text);
    // The count has stopped: it stays as last given.
    void endCount();
    void beep();

private:
    void write(const QString &text);

    QIODevice &m_device;
    const bool m_terminal;
    Clock m_clock;
    bool m_countOpen = false;  // a terminal's count line still without its line end
    bool m_counting = false;
    QString m_lastCount;       // the latest count given
    QString m_writtenCount;    // the latest count written out
    qint64 m_writtenAt = 0;
};
