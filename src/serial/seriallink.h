#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>

class Dialogs;
class SerialPort;

// Opens or closes the port; a failure shows the port's own description with the exclamation
// icon. Callers read port.portOpen() afterwards.
void SetPortOpen(SerialPort &port, bool open, Dialogs &dialogs);

// The hexadecimal notation of a preamble or postamble as characters: "12" gives code 18,
// "1214" codes 18 and 20, a last single digit d gives 16 × d (dropped when 0). Only 0-9 and
// A-F count as digits; any other character repeats the previous digit.
QByteArray DecodeHexText(const QByteArray &hex);

// Line ends for the machine: option 0 puts a CR before every LF, option 2 turns every LF into
// a CR, option 1 and any other value leave the text as it is.
QByteArray EncodeLineEnds(const QByteArray &text, int lineEnd);

// ClosePortForExit: the port part of closing the terminal. While characters are still queued
// it waits, without blocking the user interface, up to a deadline; then it asks "Data cannot be
// sent" (Abort keeps the port open and the window with it, Retry waits again, Ignore closes).
class PortExitCloser : public QObject {
    Q_OBJECT
public:
    enum class Start { Closed, Waiting };
    // Milliseconds of a monotonic clock; tests give their own.
    using Clock = std::function<qint64()>;

    PortExitCloser(SerialPort &port, Dialogs &dialogs, QObject *parent = nullptr);

    void setClock(Clock clock) { m_clock = std::move(clock); }
    void setDeadline(std::chrono::milliseconds deadline) { m_deadline = deadline; }
    void setPollInterval(std::chrono::milliseconds interval) { m_poll.setInterval(interval); }

    // Closed: the port is closed now (or was not open), finished() is not emitted.
    // Waiting: finished() follows. A start while waiting keeps the wait going.
    Start start();
    bool isWaiting() const { return m_poll.isActive(); }

signals:
    // true: the port is closed and the window may go; false: Abort, the port stays open.
    void finished(bool closed);

private:
    void poll();
    void closePort();

    SerialPort &m_port;
    Dialogs &m_dialogs;
    Clock m_clock;
    std::chrono::milliseconds m_deadline{10000};
    QTimer m_poll;
    qint64 m_deadlineAt = 0;
};
