#include "porteventhandler.h"

#include "dialogs.h"
#include "serialtext.h"
#include "serialport.h"

PortEventHandler::PortEventHandler(SerialPort &port, Dialogs &dialogs, QObject *parent)
    : QObject(parent), m_port(port), m_dialogs(dialogs)
{
    connect(&m_port, &SerialPort::portEvent, this, &PortEventHandler::handle);
}

PortEventHandler::Message PortEventHandler::messageFor(qint16 commEvent)
{
    using namespace SerialText;
    switch (commEvent) {
    case SerialPort::EvCts: return {CtsChanged, {}};
    case SerialPort::EvDsr: return {DsrChanged, {}};
    case SerialPort::EvCd: return {CdChanged, {}};
    case SerialPort::EvRing: return {Ringing, {}};
    case SerialPort::EvEof: return {EndOfFile, {}};
    case SerialPort::EventBreak: return {BreakReceived, {}};
    case SerialPort::EventCtsTimeout: return {{}, CtsTimeout};
    case SerialPort::EventDsrTimeout: return {{}, DsrTimeout};
    case SerialPort::EventFrame: return {FramingError, {}};
    case SerialPort::EventRxParity: return {ParityError, {}};
    case SerialPort::EventOverrun: return {{}, OverrunError};
    case SerialPort::EventRxOver: return {{}, ReceiveOverflow};
    default: return {};
    }
}

void PortEventHandler::handle()
{
    const Message message = messageFor(m_port.commEvent());
    if (!message.status.isEmpty()) {
        emit statusShown(message.status);
        return;
    }
    // A line in trouble reports again while the prompt is up: one prompt at a time.
    if (message.error.isEmpty() || m_asking)
        return;
    m_asking = true;
    m_dialogs.beep();
    const Dialogs::Button answer = m_dialogs.question(message.error, Dialogs::Buttons::OkCancel,
                                                      SerialText::ErrorPromptTitle, Dialogs::Icon::None);
    m_asking = false;
    if (answer == Dialogs::Button::Cancel)
        m_port.setPortOpen(false);
}
