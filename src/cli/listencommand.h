#pragma once

#include "dncfiler.h"
#include "programfolder.h"
#include "transferlog.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class CncLibrary;
class CncRequestPoller;
class ConsoleOutput;
class MachineListener;
class RequestAnswers;
class QTextStream;
class SerialPort;

struct ListenRequest {
    QStringList machines; // none: those of the settings key dnc/machines
    double idleSeconds = 5;
    double pollSeconds = 10; // Ethernet machines: how often their CNC is asked for requests
};
// The words after "truvnet" of a listen; nullopt when they do not fit the usage.
std::optional<ListenRequest> parseListenRequest(const QStringList &words);

// truvnet listen: waits on the serial lines of the named machines for the programs they
// punch and files each one in dati (see DncFiler), with one line per program on standard
// output: time, machine, file, characters, and why, when a program is not filed as marked.
// The named Ethernet machines are polled for requests (see CncRequestPoller).
// A program that asks for an archived one is answered instead (see RequestAnswers), with its
// own output line. Runs until Ctrl+C or SIGTERM, which file what has arrived.
class ListenCommand : public QObject {
    Q_OBJECT
public:
    enum ExitCode { Success = 0, Failure = 1, UsageError = 2 };
    using PortFactory = std::function<std::unique_ptr<SerialPort>()>;

    ListenCommand(const ProgramFolder &folder, PortFactory ports, QTextStream &out, ConsoleOutput &errors,
                  QObject *parent = nullptr);
    ~ListenCommand() override;

    // The CNC library of the Ethernet machines.
    void setCncLibrary(std::shared_ptr<CncLibrary> library) { m_cncLibrary = std::move(library); }

    // finished() follows at once when a machine is unknown or its line cannot be opened.
    void start(const ListenRequest &request);
    void interrupt();
    // Where every program filed is recorded.
    void setTransferJournal(TransferJournal *journal) { m_journal = journal; }

signals:
    void finished(int exitCode);

private:
    void stopAll();
    void file(const QString &machine, const QByteArray &raw, const QString &lineError);
    void finish(int exitCode);
    // A request answered: the output line and its row in the transfer log.
    void answered(const QString &machine, qint32 number, qint64 characters, bool whole, TransferOperation operation);

    ProgramFolder m_folder;
    PortFactory m_ports;
    QTextStream &m_out;
    ConsoleOutput &m_errors;
    DncFiler m_filer;
    std::unique_ptr<RequestAnswers> m_requests;
    std::vector<std::unique_ptr<SerialPort>> m_portsInUse;
    std::vector<std::unique_ptr<MachineListener>> m_listeners;
    std::shared_ptr<CncLibrary> m_cncLibrary;
    std::vector<std::unique_ptr<CncRequestPoller>> m_pollers;
    bool m_lost = false;
    bool m_done = false;
    TransferJournal *m_journal = nullptr;
};

// truvnet listen: the whole command line, as main() has it; the exit status.
int listenCommand(int argc, char **argv);
