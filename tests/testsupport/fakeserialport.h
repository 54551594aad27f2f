#pragma once

#include "serialport.h"

#include <QQueue>
#include <QStringList>

#include <optional>

// A serial port for tests: records every setting in order, opens or fails as scripted,
// keeps what is output in a transmit queue that drains on the next event-loop pass (or
// never, to play a machine that holds the line), and delivers input the test hands it.
class FakeSerialPort : public SerialPort {
    Q_OBJECT
public:
    using SerialPort::SerialPort;

    // Every setting and open/close in order: "Handshaking=1", "CommPort=3",
    // "Settings=9600,N,8,1", "PortOpen=true", "DiscardOutput"...
    QStringList calls;
    // Errors for the next openings, one each; an empty queue opens.
    QQueue<Error> openErrors;
    // False: the transmit queue never drains.
    bool drains = true;
    // Everything that left the transmit queue.
    QByteArray sent;
    // How often outBufferCount() was read, to see that a waiting loop keeps looking.
    mutable int outBufferCountReads = 0;
    // Every accepted output() in order, one entry per call.
    QList<QByteArray> outputs;
    // Set: output() refuses with this error.
    std::optional<Error> refuseOutput;

    // Characters arriving from the machine; raises EvReceive as the threshold says.
    void receive(const QByteArray &data);
    // Moves the transmit queue to sent now.
    void drainNow();
    // Reports an event or line error as the device would.
    void raiseEvent(qint16 code);
    // The device goes away: the port closes itself, keeps the input that waited and reports
    // lineLost() with this text.
    void loseLine(const QString &text);
    int rThreshold() const { return m_rThreshold; }
    QByteArray queued() const { return m_queue; }

    void setCommPort(qint16 port) override;
    qint16 commPort() const override { return m_commPort; }
    void setSettings(const QString &settings) override;
    QString settings() const override { return m_settings; }
    void setHandshaking(int handshaking) override;
    int handshaking() const override { return m_handshaking; }

    bool setPortOpen(bool open) override;
    bool portOpen() const override { return m_open; }
    Error lastError() const override { return m_error; }
    void clearError() override { m_error = {}; }

    void setInBufferSize(int size) override { m_inBufferSize = size; }
    int inBufferSize() const override { return m_inBufferSize; }
    int inBufferCount() const override { return int(m_input.size()); }
    void setInputLen(int length) override;
    int inputLen() const override { return m_inputLen; }
    QByteArray input() override;
    void setRThreshold(int count) override { m_rThreshold = count; }

    void setOutBufferSize(int size) override { m_outBufferSize = size; }
    int outBufferSize() const override { return m_outBufferSize; }
    int outBufferCount() const override
    {
        ++outBufferCountReads;
        return int(m_queue.size());
    }
    void discardOutput() override;
    bool output(const QByteArray &data) override;

    qint16 commEvent() const override { return m_commEvent; }

private:
    qint16 m_commPort = 1;
    QString m_settings = QStringLiteral("9600,N,8,1");
    int m_handshaking = 0;
    bool m_open = false;
    Error m_error;
    int m_inBufferSize = 1024;
    int m_inputLen = 0;
    int m_rThreshold = 0;
    int m_outBufferSize = 512;
    qint16 m_commEvent = 0;
    QByteArray m_input;
    QByteArray m_queue;
};
