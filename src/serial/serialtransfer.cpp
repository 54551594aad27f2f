#include "serialtransfer.h"

#include "machinestate.h"
#include "transferflags.h"

SerialTransfer::SerialTransfer(MachineState &machines, SerialPort &port, Dialogs &dialogs, TransferFlags &flags,
                               QObject *parent)
    : QObject(parent), m_machines(machines), m_port(port), m_dialogs(dialogs), m_flags(flags)
{
}

void SerialTransfer::continueWithoutConsent()
{
    m_flags.skipConsent = true;
}

SerialTransfer::Route SerialTransfer::chooseRoute(int direzione, bool *openedEthernet)
{
    m_flags.transferCancelled = false;
    if (m_hooks.chooseMachine)
        m_hooks.chooseMachine();
    if (m_flags.transferCancelled)
        return Route::Cancelled;
    const MachineRecord &record = m_machines.currentRecord();
    if (!record.isEthernet())
        return Route::Serial;
    const QString nomecnc = direzione == 0 ? record.name : QString();
    const bool opened = m_hooks.openEthernet && m_hooks.openEthernet(direzione, nomecnc);
    if (openedEthernet)
        *openedEthernet = opened;
    return Route::Ethernet;
}

void SerialTransfer::setActive(bool active)
{
    if (m_active == active)
        return;
    m_active = active;
    emit activeChanged(active);
}

void SerialTransfer::updateProgress(const std::function<void(TransferProgress &)> &change)
{
    TransferProgress next = m_progress;
    change(next);
    if (next == m_progress)
        return;
    m_progress = next;
    emit progressChanged();
}

void SerialTransfer::closeProgress()
{
    updateProgress([](TransferProgress &p) { p = TransferProgress{}; });
}
