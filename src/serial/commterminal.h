#pragma once

#include "machinefile.h"
#include "porteventhandler.h"
#include "serialreceive.h"
#include "serialsend.h"
#include "terminaltransferlog.h"
#include "transferflags.h"

#include <QByteArray>
#include <QObject>

#include <functional>
#include <optional>

class Dialogs;
class ProgramFolder;
class SerialPort;

// The logic of the communication terminal (xForm1): its port's fixed configuration, the send
// and the reception, the port's events, loading and saving the text, and what leaving does
// with received data.
class CommTerminal : public QObject {
    Q_OBJECT
public:
    // Puts received text back where the terminal's text came from (an editor window).
    using HandBack = std::function<void(const QByteArray &)>;
    enum class SaveResult { Saved, Cancelled, Failed };

    CommTerminal(MachineState &machines, const ProgramFolder &folder, SerialPort &port, Dialogs &dialogs,
                 QObject *parent = nullptr);

    // Opening: nothing received yet; the machine names for List1.
    MachineList open(HandBack handBack, bool loadSaveEnabled);
    bool loadSaveEnabled() const { return m_loadSaveEnabled; }
    // HoldsReceivedData: a reception was started since the terminal opened.
    bool holdsReceivedData() const { return m_holdsReceivedData; }

    void setHooks(const TransferHooks &hooks);
    // Where the sends and receptions are recorded; none records nothing.
    void setTransferJournal(TransferJournal *journal) { m_log.setJournal(journal); }
    // What the terminal's text is, for the log: its file and archive number when it has them.
    void setTextSource(const QString &fileName, std::optional<qint32> archiveProgram)
    {
        m_log.setSource(fileName, archiveProgram);
    }
    // "&Trasmetti ...": the send of text.
    void send(const QByteArray &text);
    // Shows (true) and ends (false) the busy pointer around reading and writing a file.
    void setBusyIndicator(std::function<void(bool busy)> indicator) { m_busy = std::move(indicator); }
    SerialSend &sender() { return m_send; }
    SerialReceive &receiver() { return m_receive; }
    PortEventHandler &portEvents() { return m_events; }
    TransferFlags &flags() { return m_flags; }
    // The transfer that holds the port, or null.
    SerialTransfer *activeTransfer();

    // "&Carica": the chosen file's bytes; nothing when cancelled or unreadable (said why).
    std::optional<QByteArray> load();
    // "&Salva": "Salvato..." after a save; a failure is told.
    SaveResult save(const QByteArray &text);
    // Leaving: offers to keep received data, by saving it or handing it back. False keeps the
    // terminal open because the received data could not be saved.
    bool keepReceivedData(const QByteArray &text);

private:
    void busy(bool busy) const;

    MachineState &m_machines;
    const ProgramFolder &m_folder;
    Dialogs &m_dialogs;
    TransferFlags m_flags;
    // The engines' Dialogs: it passes everything on and records their transfers.
    TerminalTransferLog m_log;
    SerialSend m_send;
    SerialReceive m_receive;
    PortEventHandler m_events;
    HandBack m_handBack;
    std::function<void(bool)> m_busy;
    bool m_loadSaveEnabled = true;
    bool m_holdsReceivedData = false;
};
