#pragma once

#include "serialport.h"

#include <QList>

#include <optional>
#include <QSerialPort>
#include <QTimer>

// What the kernel counts on a serial line (TIOCGICOUNT): modem-line changes and line errors.
struct LineCounters {
    int cts = 0, dsr = 0, ring = 0, cd = 0;
    int frame = 0, parity = 0, overrun = 0, bufferOverrun = 0, breaks = 0;
    bool operator==(const LineCounters &) const = default;
};

// The CommEvent codes for what happened between two readings, one per kind, errors first.
QList<qint16> LineEvents(const LineCounters &before, const LineCounters &after);

// The serial port on a device through Qt Serial Port. COMn opens the device that the settings
// key ports/COMn names (default /dev/ttyS<n-1>), so COM3 can point at /dev/serial/by-id/…
class QtSerialPort : public SerialPort {
    Q_OBJECT
public:
    explicit QtSerialPort(QObject *parent = nullptr);
    ~QtSerialPort() override;

    static QString devicePath(int comPort);

    void setCommPort(qint16 port) override { m_commPort = port; }
    qint16 commPort() const override { return m_commPort; }
    void setSettings(const QString &settings) override;
    QString settings() const override { return m_settings; }
    void setHandshaking(int handshaking) override;
    int handshaking() const override { return m_handshaking; }

    bool setPortOpen(bool open) override;
    bool portOpen() const override { return m_port.isOpen(); }
    Error lastError() const override { return m_error; }
    void clearError() override;

    void setInBufferSize(int size) override { m_inBufferSize = size; }
    int inBufferSize() const override { return m_inBufferSize; }
    int inBufferCount() const override;
    void setInputLen(int length) override { m_inputLen = length; }
    int inputLen() const override { return m_inputLen; }
    QByteArray input() override;
    void setRThreshold(int count) override { m_rThreshold = count; }

    void setOutBufferSize(int size) override { m_outBufferSize = size; }
    int outBufferSize() const override { return m_outBufferSize; }
    int outBufferCount() const override;
    void discardOutput() override;
    bool output(const QByteArray &data) override;

    qint16 commEvent() const override { return m_commEvent; }

private:
    bool open();
    bool configure();
    int kernelOutputQueue() const;
    void fail(ErrorKind kind, const QString &text);
    void whenReadyRead();
    void whenError(QSerialPort::SerialPortError error);
    // Why the device is gone (the system's reason where it gives one); nothing while it is
    // there, a line held with XOFF included. reported: what the failed request said.
    std::optional<QString> goneReason(const QString &reported) const;
    void checkPresence();
    // Keeps what arrived, closes the device and reports lineLost().
    void lose(const QString &reason);
    void closeDevice();
    // Counters and modem lines, where the device has them; false on a pseudo-terminal.
    bool readLineCounters(LineCounters &counters);
    void pollLine();

    QSerialPort m_port;
    QString m_device;  // the device the last opening used
    qint16 m_commPort = 1;
    QString m_settings = QStringLiteral("9600,N,8,1");
    int m_handshaking = NoHandshaking;
    int m_inBufferSize = 1024;
    int m_inputLen = 0;
    int m_rThreshold = 0;
    int m_outBufferSize = 512;
    qint16 m_commEvent = 0;
    Error m_error;
    bool m_configuring = false;
    // Closing a device that has gone fails too; those failures are no news.
    bool m_closing = false;
    // A gone device found inside a failed request is closed once Qt has returned from it.
    bool m_losePending = false;
    quint64 m_opening = 0;  // counts openings, so that a late close spares a newer one
    // Characters that arrived before the device went, until taken or the next opening.
    QByteArray m_leftOver;
    // A gone device that no request touches is found by looking.
    QTimer m_presence;
    QTimer m_linePoll;
    LineCounters m_lineCounters;
    int m_modemLines = -1;  // TIOCMGET bits when the counters are missing; -1 unknown
};
