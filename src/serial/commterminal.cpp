#include "commterminal.h"

#include "dialogs.h"
#include "serialtext.h"
#include "programfolder.h"
#include "serialport.h"
#include "textfile.h"


CommTerminal::CommTerminal(MachineState &machines, const ProgramFolder &folder, SerialPort &port,
                           Dialogs &dialogs, QObject *parent)
    : QObject(parent), m_machines(machines), m_folder(folder), m_dialogs(dialogs),
      m_log(dialogs, machines, m_flags), m_send(machines, port, m_log, m_flags),
      m_receive(machines, port, m_log, m_flags), m_events(port, m_log)
{
    m_log.watch(m_send, m_receive);
    // The block size of a send is the transmit buffer less 20. Arrivals are reported only while
    // a transfer collects them.
    port.setInBufferSize(3000);
    port.setOutBufferSize(200);
    port.setInputLen(1);
    port.setRThreshold(0);
    connect(&m_receive, &SerialReceive::receptionStarted, this, [this] { m_holdsReceivedData = true; });
}

MachineList CommTerminal::open(HandBack handBack, bool loadSaveEnabled)
{
    m_handBack = std::move(handBack);
    m_loadSaveEnabled = loadSaveEnabled;
    m_holdsReceivedData = false;
    MachineList list = LoadMachineList(m_machines, m_folder);
    ReportMachineList(list, m_dialogs);
    return list;
}

void CommTerminal::setHooks(const TransferHooks &hooks)
{
    m_send.setHooks(hooks);
    m_receive.setHooks(hooks);
}

void CommTerminal::send(const QByteArray &text)
{
    m_log.sendStarting(text);
    m_send.start(text);
}

SerialTransfer *CommTerminal::activeTransfer()
{
    if (m_send.isActive())
        return &m_send;
    if (m_receive.isActive())
        return &m_receive;
    return nullptr;
}

std::optional<QByteArray> CommTerminal::load()
{
    const QString path = m_dialogs.openFileName(SerialText::LoadTitle, m_folder.root(), SerialText::AllFiles);
    if (path.isEmpty())
        return std::nullopt;
    QString error;
    busy(true);
    std::optional<QByteArray> bytes = TextFile::read(path, &error);
    busy(false);
    if (!bytes)
        m_dialogs.message(SerialText::LoadFailed.arg(path, error), {}, Dialogs::Icon::Exclamation);
    return bytes;
}

CommTerminal::SaveResult CommTerminal::save(const QByteArray &text)
{
    const QString path = m_dialogs.saveFileName(SerialText::SaveTitle, m_folder.root(), SerialText::AllFiles);
    if (path.isEmpty())
        return SaveResult::Cancelled;
    QString error;
    busy(true);
    const bool written = TextFile::writeAtomically(path, text, &error);
    busy(false);
    if (!written) {
        m_dialogs.message(SerialText::SaveFailed.arg(path, error), {}, Dialogs::Icon::Exclamation);
        return SaveResult::Failed;
    }
    m_dialogs.message(SerialText::Saved);
    return SaveResult::Saved;
}

void CommTerminal::busy(bool busy) const
{
    if (m_busy)
        m_busy(busy);
}

bool CommTerminal::keepReceivedData(const QByteArray &text)
{
    if (!m_holdsReceivedData)
        return true;
    if (m_dialogs.question(SerialText::KeepReceivedData, Dialogs::Buttons::YesNo) != Dialogs::Button::Yes)
        return true;
    if (m_loadSaveEnabled)
        return save(text) != SaveResult::Failed;
    if (m_handBack)
        m_handBack(text);
    return true;
}
