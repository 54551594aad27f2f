#include "serialreceive.h"

#include "dialogs.h"
#include "serialtext.h"
#include "seriallink.h"
#include "serialport.h"
#include "transferflags.h"
#include "transfertext.h"


SerialReceive::SerialReceive(MachineState &machines, SerialPort &port, Dialogs &dialogs, TransferFlags &flags,
                             QObject *parent)
    : SerialTransfer(machines, port, dialogs, flags, parent)
{
    connect(&m_port, &SerialPort::portEvent, this, &SerialReceive::whenPortEvent);
    connect(&m_port, &SerialPort::lineLost, this, &SerialReceive::whenLineLost);
}

void SerialReceive::start()
{
    if (m_collecting)
        return;
    bool openedEthernet = false;
    switch (chooseRoute(1, &openedEthernet)) {
    case Route::Cancelled: return;
    case Route::Ethernet:
        if (openedEthernet)
            emit receptionStarted();
        return;
    case Route::Serial: break;
    }

    m_port.setInBufferSize(1000);
    m_port.setInputLen(0);
    SetPortOpen(m_port, true, m_dialogs);
    if (!m_port.portOpen())
        return;

    emit terminalTextChanged({});
    emit receptionStarted();
    m_flags.receiveBuffer.clear();
    m_flags.byteCounter = 0;
    m_collecting = true;
    setActive(true);
    updateProgress([](TransferProgress &p) {
        p.shown = true;
        p.message = SerialText::Receiving;
        p.count.clear();
    });
    // Every arrival is reported; what came before the first report is read at once.
    m_port.setRThreshold(1);
    collect();
}

void SerialReceive::whenPortEvent()
{
    if (m_collecting && m_port.commEvent() == SerialPort::EvReceive)
        collect();
}

void SerialReceive::whenLineLost()
{
    if (!m_collecting)
        return;
    // What arrived before the device went is part of what is kept.
    take();
    // Over: the progress dialog no longer keeps itself in front of the message.
    m_flags.transferCancelled = true;
    const QString count = FormatTransferCount(m_flags.byteCounter);
    m_dialogs.message(m_port.lastError().text + u'\n'
                          + SerialText::ReceptionBroken.arg(count.isEmpty() ? QStringLiteral("0") : count),
                      {}, Dialogs::Icon::Exclamation);
    // "Termina" may have ended it while the message was up.
    if (m_collecting)
        terminate();
}

void SerialReceive::collect()
{
    if (!m_collecting || m_flags.transferCancelled || !m_port.portOpen())
        return;
    take();
}

void SerialReceive::take()
{
    if (m_port.inBufferCount() < 1)
        return;
    m_flags.receiveBuffer += m_port.input();
    m_flags.byteCounter = qint32(m_flags.receiveBuffer.size());
    const QString count = FormatTransferCount(m_flags.byteCounter);
    updateProgress([&count](TransferProgress &p) { p.count = count; });
}

void SerialReceive::terminate()
{
    if (!m_collecting)
        return;
    // What has already arrived belongs to the program.
    collect();
    m_collecting = false;
    m_flags.transferCancelled = true;
    m_port.setRThreshold(0);
    emit terminalTextChanged(FilterReceivedText(m_flags.receiveBuffer));
    closeProgress();
    SetPortOpen(m_port, false, m_dialogs);
    setActive(false);
}
