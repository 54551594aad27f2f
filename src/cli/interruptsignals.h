#pragma once

#include <QObject>

class QSocketNotifier;

// Ctrl+C (SIGINT) and SIGTERM as a Qt signal on the event loop. The two signals are blocked
// and read from a signalfd, so nothing runs inside a signal handler.
class InterruptSignals : public QObject {
    Q_OBJECT
public:
    // Call first thing in main(), before any thread exists: threads inherit the blocked mask,
    // and a thread that did not block the signals would let them kill the process.
    static void block();

    explicit InterruptSignals(QObject *parent = nullptr);
    ~InterruptSignals() override;

    // False when the signalfd could not be made: the signals then stay blocked and pending.
    bool isValid() const { return m_fd >= 0; }
    // For work that runs without the event loop and asks now and then: the signal that came
    // since the last call, or 0.
    int takePending();

signals:
    void received(int signalNumber);

private:
    void readSignals();

    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
};
