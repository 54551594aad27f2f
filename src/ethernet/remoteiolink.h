#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTcpSocket>
#include <QTimer>

#include <deque>

// The TCP link to the device that serves a machine's serial port over the network: single-byte
// frames, each written by itself, and the device's replies. After a serial send it tells the
// device that the program has gone out; on request it drives two outputs and waits for the
// device (or the user's "Forza") to signal. Every wait has a bound and ends with a message.
class RemoteIoLink : public QObject {
    Q_OBJECT
public:
    static constexpr quint16 DefaultPort = 5001;
    static constexpr int NoReply = 999;

    struct Timing {
        int connectMs = 5000;
        int replyMs = 5000;
        int pollMs = 1000;
    };

    // The port and the time-outs from the settings (remoteio/port, remoteio/timeout in seconds).
    static quint16 configuredPort();
    static Timing configuredTiming();

    RemoteIoLink(quint16 port, Timing timing, QObject *parent = nullptr);

    // Connects, sends the after-send frame and waits for its reply.
    void notifyAfterSend(const QString &address);
    // Connects, sets the outputs, polls the input until the device signals, sets them back.
    void runOutputSequence(const QString &address);
    // "Forza": as if the device had signalled.
    void force() { m_remoteCommand = true; }
    // The user closed the window: the connection goes, without a message.
    void stop() { end(false); }

    int reply() const { return m_reply; }

signals:
    // message: empty when everything was answered, else what went wrong, in the user's words.
    void finished(bool ok, const QString &message);

private:
    void connectTo(const QString &address);
    void nextStep();
    void send(const QByteArray &frame);
    void received();
    void poll();
    void end(bool ok, const QString &message = {});

    quint16 m_port;
    Timing m_timing;
    QString m_address;
    QTcpSocket m_socket;
    QTimer m_deadline;
    QTimer Timer1;
    std::deque<QByteArray> m_steps; // frames still to send, each answered before the next
    bool m_pollAfterSteps = false;
    bool m_inputPollMode = false;
    bool m_remoteCommand = false;
    bool m_waiting = false;
    bool m_ended = false;
    int m_reply = NoReply;
    int m_bytesSinceFrame = 0;
};

// The frames, byte by byte.
namespace RemoteIoFrames {
QByteArray afterSend();
QByteArray output(quint8 channel, quint8 value);
QByteArray inputPoll();
} // namespace RemoteIoFrames
