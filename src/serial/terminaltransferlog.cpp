#include "terminaltransferlog.h"

#include "machinestate.h"
#include "serialreceive.h"
#include "serialsend.h"
#include "transferflags.h"
#include "transferlogtext.h"

TerminalTransferLog::TerminalTransferLog(Dialogs &dialogs, const MachineState &machines, const TransferFlags &flags)
    : m_dialogs(dialogs), m_machines(machines), m_flags(flags)
{
}

void TerminalTransferLog::watch(SerialSend &send, SerialReceive &receive)
{
    connect(&send, &SerialTransfer::activeChanged, this, [this](bool active) {
        if (active)
            begin(TransferOperation::SerialSend);
        else
            endSend();
    });
    connect(&send, &SerialTransfer::progressChanged, this, [this, &send] { whenProgress(send); });
    connect(&receive, &SerialTransfer::activeChanged, this, [this](bool active) {
        if (active)
            begin(TransferOperation::SerialReceive);
        else
            endReceive();
    });
    // The last text of a reception is what it kept.
    connect(&receive, &SerialTransfer::terminalTextChanged, this, [this](const QByteArray &text) {
        if (m_entry)
            m_received = text;
    });
}

void TerminalTransferLog::setSource(const QString &fileName, std::optional<qint32> archiveProgram)
{
    m_sourceFile = fileName;
    m_sourceProgram = archiveProgram;
}

void TerminalTransferLog::begin(TransferOperation operation)
{
    m_told.clear();
    m_sendTotal = 0;
    m_received.clear();
    if (!m_journal)
        return;
    TransferEntry entry;
    entry.operation = operation;
    entry.machine = m_machines.currentRecord().name.trimmed();
    if (operation == TransferOperation::SerialSend) {
        entry.fileName = m_sourceFile;
        entry.archiveProgram = m_sourceProgram;
        entry.takeText(m_sendText);
        entry.cncProgram = cncProgramIn(m_sendText);
    }
    m_journal->begin(entry);
    m_entry = entry;
}

void TerminalTransferLog::whenProgress(const SerialTransfer &transfer)
{
    // The dialog is emptied at the end: the largest maximum is the whole send.
    m_sendTotal = std::max(m_sendTotal, transfer.progress().barMaximum);
}

void TerminalTransferLog::endSend()
{
    if (!m_entry)
        return;
    TransferEntry entry = *std::exchange(m_entry, std::nullopt);
    entry.bytes = m_flags.byteCounter;
    if (!m_told.isEmpty())
        m_journal->finish(entry, TransferResult::Failed, m_told.join(u'\n'));
    else if (m_sendTotal > 0 && m_flags.byteCounter >= m_sendTotal)
        m_journal->finish(entry, TransferResult::Succeeded, {});
    else
        m_journal->finish(entry, TransferResult::Interrupted, TransferLogText::StoppedByUser);
}

void TerminalTransferLog::endReceive()
{
    if (!m_entry)
        return;
    TransferEntry entry = *std::exchange(m_entry, std::nullopt);
    entry.takeText(m_received);
    entry.cncProgram = cncProgramIn(m_received);
    entry.bytes = m_flags.byteCounter;
    // A reception ends with "Termina"; ended before anything came, it brought nothing.
    if (!m_told.isEmpty())
        m_journal->finish(entry, TransferResult::Failed, m_told.join(u'\n'));
    else if (m_received.isEmpty())
        m_journal->finish(entry, TransferResult::Interrupted, TransferLogText::StoppedByUser);
    else
        m_journal->finish(entry, TransferResult::Succeeded, {});
}

void TerminalTransferLog::message(const QString &text, const QString &title, Icon icon)
{
    if (m_entry)
        m_told.append(text);
    m_dialogs.message(text, title, icon);
}

Dialogs::Button TerminalTransferLog::question(const QString &text, Buttons buttons, const QString &title, Icon icon)
{
    const Button answer = m_dialogs.question(text, buttons, title, icon);
    // A line error answered with Cancel or Abort ends the transfer: the question is its reason.
    if (m_entry && (answer == Button::Cancel || answer == Button::Abort))
        m_told.append(text);
    return answer;
}

std::optional<QString> TerminalTransferLog::inputText(const QString &prompt, const QString &title,
                                                      const QString &initial, bool secret)
{
    return m_dialogs.inputText(prompt, title, initial, secret);
}

QString TerminalTransferLog::openFileName(const QString &title, const QString &folder, const QString &filter)
{
    return m_dialogs.openFileName(title, folder, filter);
}

QString TerminalTransferLog::saveFileName(const QString &title, const QString &folder, const QString &filter)
{
    return m_dialogs.saveFileName(title, folder, filter);
}

bool TerminalTransferLog::setUpPrinter(QPrinter &printer)
{
    return m_dialogs.setUpPrinter(printer);
}

void TerminalTransferLog::showHelp(int context)
{
    m_dialogs.showHelp(context);
}

void TerminalTransferLog::beep()
{
    m_dialogs.beep();
}
