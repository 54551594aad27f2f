#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

struct MachineRecord;

// The serial port that transfers, the line test and the machine choice drive, with the
// operations of the serial communications control the old program used. It lives beside the
// machine list because the machine choice configures it; the device backend is in src/serial.
class SerialPort : public QObject {
    Q_OBJECT
public:
    // Handshaking values.
    enum Handshake { NoHandshaking = 0, XonXoff = 1, RtsCts = 2, XonXoffRtsCts = 3 };

    // CommEvent codes reported with portEvent(). Line errors and modem-line changes are raised
    // where the device can report them.
    enum CommEventCode : qint16 {
        EvReceive = 2,
        EvCts = 3,
        EvDsr = 4,
        EvCd = 5,
        EvRing = 6,
        EvEof = 7,
        EventBreak = 1001,
        EventCtsTimeout = 1002,
        EventDsrTimeout = 1003,
        EventFrame = 1004,
        EventOverrun = 1006,
        EventCdTimeout = 1007,
        EventRxOver = 1008,
        EventRxParity = 1009,
        EventTxFull = 1010,
    };

    // Gone: the device went away while open (unplugged, the far end closed); see lineLost().
    enum class ErrorKind { None, BadPortNumber, NotFound, Permission, InUse, BadSettings, NotOpen, Io, Gone };
    struct Error {
        ErrorKind kind = ErrorKind::None;
        // The port's own description, shown to the user as it is.
        QString text;
    };

    using QObject::QObject;

    // COM port number; takes effect at the next opening.
    virtual void setCommPort(qint16 port) = 0;
    virtual qint16 commPort() const = 0;
    // "9600,N,8,1". Checked when the port opens (and applied at once while it is open).
    virtual void setSettings(const QString &settings) = 0;
    virtual QString settings() const = 0;
    virtual void setHandshaking(int handshaking) = 0;
    virtual int handshaking() const = 0;

    // PortOpen. Opening may fail: false, with lastError() telling why. Closing discards what
    // is still queued for transmission.
    virtual bool setPortOpen(bool open) = 0;
    virtual bool portOpen() const = 0;
    virtual Error lastError() const = 0;
    virtual void clearError() = 0;

    virtual void setInBufferSize(int size) = 0;
    virtual int inBufferSize() const = 0;
    // Characters waiting to be read.
    virtual int inBufferCount() const = 0;
    // Characters one input() takes: 0 all waiting ones, n at most n.
    virtual void setInputLen(int length) = 0;
    virtual int inputLen() const = 0;
    virtual QByteArray input() = 0;
    // Characters waiting before portEvent() reports EvReceive; 0 reports no arrivals.
    virtual void setRThreshold(int count) = 0;

    virtual void setOutBufferSize(int size) = 0;
    virtual int outBufferSize() const = 0;
    // Characters still waiting to go out, wherever they wait.
    virtual int outBufferCount() const = 0;
    // OutBufferCount := 0: everything still waiting to go out is discarded.
    virtual void discardOutput() = 0;
    // Queues the characters for transmission; false with lastError() when refused.
    virtual bool output(const QByteArray &data) = 0;

    // Code of the event being reported by portEvent().
    virtual qint16 commEvent() const = 0;

signals:
    // The port has an event or error to report; read commEvent().
    void portEvent();
    // The device has gone: the port has closed itself, lastError() names the device and the
    // reason. What arrived before can still be taken with input(). A line held with XOFF is
    // not gone.
    void lineLost();
};

// A confirmed serial machine's line onto the port, in this order: handshaking, port number,
// settings. Nothing is checked here; a bad value shows when the port opens.
void ApplyMachineToPort(const MachineRecord &record, SerialPort &port);
