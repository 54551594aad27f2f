#pragma once

#include <QObject>
#include <QString>

class Dialogs;
class SerialPort;

// The terminal's handler of the port's events, during a transfer or at rest: line changes go
// to the status line, line errors to an OK/Cancel prompt whose Cancel closes the port.
// Arrivals are read by the transfer that collects them; at rest the port reports none.
class PortEventHandler : public QObject {
    Q_OBJECT
public:
    PortEventHandler(SerialPort &port, Dialogs &dialogs, QObject *parent = nullptr);

    struct Message {
        QString status;
        QString error;
    };
    // What an event code shows; both empty for events that show nothing.
    static Message messageFor(qint16 commEvent);

signals:
    // The status line (Label1) shows this.
    void statusShown(const QString &text);

private:
    void handle();

    SerialPort &m_port;
    Dialogs &m_dialogs;
    bool m_asking = false;
};
