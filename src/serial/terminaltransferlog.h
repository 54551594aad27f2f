#pragma once

#include "dialogs.h"
#include "transferlog.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>

#include <optional>

class SerialReceive;
class SerialSend;
class SerialTransfer;
struct MachineState;
struct TransferFlags;

// The communication terminal's serial sends and receptions in the transfer log: a row from the
// moment a transfer holds the port to its end. It is the Dialogs the engines are given, so that
// what they tell the user during a transfer is the row's message and makes it a failure.
class TerminalTransferLog : public QObject, public Dialogs {
    Q_OBJECT
public:
    TerminalTransferLog(Dialogs &dialogs, const MachineState &machines, const TransferFlags &flags);

    void setJournal(TransferJournal *journal) { m_journal = journal; }
    void watch(SerialSend &send, SerialReceive &receive);
    // The terminal's text, as it is before a send cleans it; and where it came from when known.
    void sendStarting(const QByteArray &text) { m_sendText = text; }
    void setSource(const QString &fileName, std::optional<qint32> archiveProgram);

    void message(const QString &text, const QString &title = {}, Icon icon = Icon::None) override;
    Button question(const QString &text, Buttons buttons, const QString &title = {},
                    Icon icon = Icon::Question) override;
    std::optional<QString> inputText(const QString &prompt, const QString &title, const QString &initial = {},
                                     bool secret = false) override;
    QString openFileName(const QString &title, const QString &folder, const QString &filter) override;
    QString saveFileName(const QString &title, const QString &folder, const QString &filter) override;
    bool setUpPrinter(QPrinter &printer) override;
    void showHelp(int context) override;
    void beep() override;

private:
    void begin(TransferOperation operation);
    void whenProgress(const SerialTransfer &transfer);
    void endSend();
    void endReceive();

    Dialogs &m_dialogs;
    const MachineState &m_machines;
    const TransferFlags &m_flags;
    TransferJournal *m_journal = nullptr;
    QByteArray m_sendText;
    QString m_sourceFile;
    std::optional<qint32> m_sourceProgram;
    std::optional<TransferEntry> m_entry;
    QStringList m_told;
    qint32 m_sendTotal = 0;
    QByteArray m_received;
};
