#pragma once

#include "machinechoice.h"
#include "machinestate.h"
#include "programfolder.h"
#include "receivedprogramfile.h"
#include "transferlog.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <optional>

class CommTerminal;
class Dialogs;
class ConsoleDialogs;
class ConsoleOutput;
class Pinger;
class SendProgress;
class RemoteIoLink;
class SerialPort;
class SerialTransfer;
struct MachineList;
struct TransferFlags;

// A transfer asked for on truvnet's command line.
struct TransferRequest {
    enum class Kind { Send, Receive };
    Kind kind = Kind::Send;
    QString machine;
    // Send: the program file (empty with program). Receive: the file the program goes to.
    QString file;
    std::optional<qint32> program;  // send --program N: the archived program's text
    bool noConsent = false;         // send --no-consent: "Continua" at once
    std::optional<double> idleSeconds;  // receive --idle: silence that ends the reception
    QString from;                       // receive --from O1234: the program read from an Ethernet CNC
    QString as;                         // send --as O1234: the number written into an Ethernet CNC
    bool continueAnyway = false;        // send --continue: numbers taken or calls unknown do not stop it
    bool verify = false;                // send --verify: every program written is read back and compared
};

// The seconds of --idle: positive, and no more than a timer can wait; nothing otherwise.
std::optional<double> parseIdleSeconds(const QString &word);

// The words after "truvnet" of a send or a receive; nullopt when they do not fit the usage.
std::optional<TransferRequest> parseTransferRequest(const QStringList &words);

// What truvnet says when a machine named on its command line is not in the machine file.
QStringList unknownMachineReport(const MachineList &list, const QString &name, const ProgramFolder &folder);

// truvnet send / receive: the communication terminal's own engines driven from the command
// line, with their messages and the count on standard error. The port is configured exactly
// as the terminal's, and the machine is chosen through the same machine choice.
class TransferCommand : public QObject {
    Q_OBJECT
public:
    enum ExitCode { Success = 0, Failure = 1, UsageError = 2 };

    // pinger: how the network devices that serve serial ports are found reachable.
    TransferCommand(const ProgramFolder &folder, SerialPort &port, ConsoleOutput &output, Pinger &pinger,
                    QObject *parent = nullptr);
    ~TransferCommand() override;

    // finished() follows, before this returns when nothing could start.
    void start(const TransferRequest &request);
    // Ctrl+C or SIGTERM: "Termina". A send ends with 128 + the signal's number; a reception
    // ends as it normally does, and its program is written if something arrived.
    void interrupt(int signalNumber);
    // Where a received program goes when its file cannot be written.
    void setReceivedProgramFile(ReceivedProgramFile file) { m_programFile = std::move(file); }
    // Where the transfer is recorded, from its start on the line to the command's end.
    void setTransferJournal(TransferJournal *journal) { m_journal = journal; }

signals:
    void finished(int exitCode);

private:
    bool chooseSerialMachine();
    void chooseMachineForEngine();
    void startSend();
    void startReceive();
    void watch(SerialTransfer &transfer);
    void showProgress(const SerialTransfer &transfer);
    void whenCountMoves();
    void lineError();
    void transferEnded();
    void notifyNetworkPort(const QString &address);
    void finishSend();
    void receptionEnded();
    // Writes what arrived to path or a fallback place, telling where; where it went, or empty.
    QString keepReceived(const QString &path);
    void finish(int exitCode);
    void beginLogEntry();

    ProgramFolder m_folder;
    SerialPort &m_port;
    ConsoleOutput &m_output;
    Pinger &m_pinger;
    std::unique_ptr<RemoteIoLink> m_link;
    bool m_sendEnded = false;
    MachineState m_machines;
    std::unique_ptr<ConsoleDialogs> m_dialogs;
    std::unique_ptr<CommTerminal> m_terminal;
    TransferRequest m_request;
    SerialTransfer *m_transfer = nullptr;
    ReceivedProgramFile m_programFile;
    QTimer m_idle;
    QByteArray m_received;
    QString m_lastMessage;
    QString m_lastCount;
    std::unique_ptr<SendProgress> m_sendProgress;
    qint32 m_lastCounter = 0;
    int m_signal = 0;
    bool m_failed = false;
    bool m_done = false;
    TransferJournal *m_journal = nullptr;
    std::optional<TransferEntry> m_logEntry;
    QString m_toldLast;
};

// truvnet send and receive, serial or Ethernet: the whole command line, as main() has it; the exit status.
int transferCommand(int argc, char **argv);
