#include "transfercommands.h"

#include "cnccommands.h"
#include "commandrun.h"
#include "focaslibrary.h"
#include "icmppinger.h"
#include "qtserialport.h"
#include "settingsstore.h"
#include "commandlinetext.h"
#include "dnctext.h"
#include "cregistry.h"
#include "linetest.h"
#include "remoteiolink.h"
#include "commterminal.h"
#include "consoledialogs.h"
#include "consoleoutput.h"
#include "machinechoice.h"
#include "machinefile.h"
#include "sendprogress.h"
#include "serialport.h"
#include "revisionpacking.h"
#include "serialtext.h"
#include "textfile.h"
#include "transferflags.h"
#include "transferlogcommand.h"
#include "transfertext.h"

#include <QFile>
#include <QSaveFile>

#include <cmath>
#include <QCoreApplication>

namespace {

// What QTimer can wait for.
constexpr double LongestIdleSeconds = 2000000.0;
constexpr qint32 LargestProgramNumber = 9999999;

} // namespace

std::optional<double> parseIdleSeconds(const QString &word)
{
    bool ok = false;
    const double seconds = word.toDouble(&ok);
    if (!ok || !std::isfinite(seconds) || seconds <= 0 || seconds > LongestIdleSeconds)
        return std::nullopt;
    return seconds;
}

std::optional<TransferRequest> parseTransferRequest(const QStringList &words)
{
    if (words.isEmpty())
        return std::nullopt;
    TransferRequest request;
    if (words.first() == u"send")
        request.kind = TransferRequest::Kind::Send;
    else if (words.first() == u"receive")
        request.kind = TransferRequest::Kind::Receive;
    else
        return std::nullopt;
    const bool send = request.kind == TransferRequest::Kind::Send;

    QStringList positional;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString &word = words.at(i);
        if (optionsEnded || !word.startsWith(u"--")) {
            positional.append(word);
            continue;
        }
        if (word == u"--") {
            optionsEnded = true;
        } else if (send && word == u"--as" && i + 1 < words.size() && request.as.isEmpty()) {
            request.as = words.at(++i).trimmed();
            if (request.as.isEmpty())
                return std::nullopt;
        } else if (send && word == u"--continue") {
            request.continueAnyway = true;
        } else if (send && word == u"--verify") {
            request.verify = true;
        } else if (send && word == u"--no-consent") {
            request.noConsent = true;
        } else if (send && word == u"--program" && i + 1 < words.size() && !request.program) {
            bool ok = false;
            const int number = words.at(++i).toInt(&ok);
            if (!ok || number < 1 || number > LargestProgramNumber)
                return std::nullopt;
            request.program = number;
        } else if (!send && word == u"--from" && i + 1 < words.size() && request.from.isEmpty()) {
            request.from = words.at(++i).trimmed();
            if (request.from.isEmpty())
                return std::nullopt;
        } else if (!send && word == u"--idle" && i + 1 < words.size() && !request.idleSeconds) {
            request.idleSeconds = parseIdleSeconds(words.at(++i));
            if (!request.idleSeconds)
                return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    // The Ethernet send's options go with its destination, the serial send's with a line.
    if (request.as.isEmpty() ? (request.continueAnyway || request.verify) : request.noConsent)
        return std::nullopt;
    const qsizetype wanted = request.program ? 1 : 2;
    if (positional.size() != wanted || positional.first().trimmed().isEmpty())
        return std::nullopt;
    request.machine = positional.first();
    if (!request.program) {
        request.file = positional.at(1);
        if (request.file.isEmpty())
            return std::nullopt;
    }
    return request;
}

QStringList unknownMachineReport(const MachineList &list, const QString &name, const ProgramFolder &folder)
{
    QStringList names;
    for (const MachineListEntry &entry : list.entries)
        names.append(ShownMachineName(entry.name));
    return {CommandLineText::UnknownMachine.arg(name.trimmed()),
            names.isEmpty() ? CommandLineText::NoMachines.arg(folder.machineFilePath())
                            : CommandLineText::KnownMachines.arg(folder.machineFilePath(),
                                                                 names.join(QStringLiteral(", ")))};
}

TransferCommand::TransferCommand(const ProgramFolder &folder, SerialPort &port, ConsoleOutput &output,
                                 Pinger &pinger, QObject *parent)
    : QObject(parent), m_folder(folder), m_port(port), m_output(output), m_pinger(pinger),
      m_dialogs(std::make_unique<ConsoleDialogs>(output)),
      m_terminal(std::make_unique<CommTerminal>(m_machines, m_folder, port, *m_dialogs))
{
    // Every message of a transfer is a reason it did not go as asked.
    m_dialogs->onMessage = [this](const QString &text) {
        m_failed = true;
        m_toldLast = text;
    };
    m_dialogs->onQuestion = [this](const QString &text) {
        m_toldLast = text;
        lineError();
    };
    m_terminal->setHooks({[this] { chooseMachineForEngine(); }, {},
                          [this](const QString &address) { notifyNetworkPort(address); }});
    connect(&m_terminal->portEvents(), &PortEventHandler::statusShown, this,
            [this](const QString &text) { m_output.line(DncText::Status.arg(text)); });
    m_idle.setSingleShot(true);
    connect(&m_idle, &QTimer::timeout, this, [this] {
        if (m_transfer && m_transfer->isActive())
            m_transfer->terminate();
    });
}

TransferCommand::~TransferCommand() = default;

void TransferCommand::start(const TransferRequest &request)
{
    m_request = request;
    // A port that a network device serves is known from the registry, as the line test finds it.
    if (request.kind == TransferRequest::Kind::Send)
        findNetworkSerialPorts(m_machines.netPorts, CRegistry(m_folder.root(), QStringLiteral("truvnet")), m_pinger);
    if (!chooseSerialMachine())
        return;
    if (request.kind == TransferRequest::Kind::Send)
        startSend();
    else
        startReceive();
}

bool TransferCommand::chooseSerialMachine()
{
    const MachineList list = LoadMachineList(m_machines, m_folder);
    if (!list.error.isEmpty()) {
        m_output.line(list.error);
        finish(Failure);
        return false;
    }
    if (!list.warning.isEmpty())
        m_output.line(list.warning);
    const int position = findMachine(list, m_request.machine);
    if (position < 0) {
        for (const QString &line : unknownMachineReport(list, m_request.machine, m_folder))
            m_output.line(line);
        finish(Failure);
        return false;
    }
    const MachineRecord &record = m_machines.table.at(list.entries.at(position).recordIndex);
    if (record.isEthernet()) {
        const bool send = m_request.kind == TransferRequest::Kind::Send;
        m_output.line((send ? CommandLineText::SendNeedsAs : CommandLineText::ReceiveNeedsFrom).arg(record.name));
        finish(UsageError);
        return false;
    }
    return true;
}

void TransferCommand::chooseMachineForEngine()
{
    if (!chooseNamedMachine(m_machines, m_folder, m_port, m_terminal->flags(), *m_dialogs, m_request.machine)) {
        m_output.line(CommandLineText::UnknownMachine.arg(m_request.machine.trimmed()));
        m_failed = true;
    }
}

void TransferCommand::startSend()
{
    const QString path = m_request.program ? m_folder.programTextPath(*m_request.program) : m_request.file;
    // Read as it goes out; a file that cannot be read is told before the line is touched.
    QFile program(path);
    if (!program.open(QIODevice::ReadOnly)) {
        m_output.line(SerialText::LoadFailed.arg(path, program.errorString()));
        finish(Failure);
        return;
    }
    program.close();
    SerialSend &send = m_terminal->sender();
    m_sendProgress = std::make_unique<SendProgress>(m_output);
    watch(send);
    send.startFile(path);
    if (m_done)
        return;
    if (!send.isActive()) {
        finish(Failure);
        return;
    }
    if (m_request.noConsent && send.isWaitingForConsent())
        send.continueWithoutConsent();
}

void TransferCommand::startReceive()
{
    // A program that has arrived must not be lost for want of a place to put it.
    {
        QSaveFile probe(m_request.file);
        probe.setDirectWriteFallback(false);
        if (!probe.open(QIODevice::WriteOnly)) {
            m_output.line(SerialText::SaveFailed.arg(m_request.file, probe.errorString()));
            finish(Failure);
            return;
        }
        probe.cancelWriting();
    }
    SerialReceive &receive = m_terminal->receiver();
    connect(&receive, &SerialTransfer::terminalTextChanged, this,
            [this](const QByteArray &text) { m_received = text; });
    connect(&receive, &SerialTransfer::progressChanged, this, &TransferCommand::whenCountMoves);
    watch(receive);
    receive.start();
    if (m_done)
        return;
    if (!receive.isActive())
        finish(Failure);
}

void TransferCommand::watch(SerialTransfer &transfer)
{
    m_transfer = &transfer;
    connect(&transfer, &SerialTransfer::progressChanged, this, [this, &transfer] { showProgress(transfer); });
    connect(&transfer, &SerialTransfer::activeChanged, this, [this](bool active) {
        if (active)
            beginLogEntry();
        else
            transferEnded();
    });
}

void TransferCommand::showProgress(const SerialTransfer &transfer)
{
    const TransferProgress &progress = transfer.progress();
    // The dialog is unloaded at the end: its emptied lines are no news.
    if (!progress.shown)
        return;
    if (progress.message != m_lastMessage) {
        m_lastMessage = progress.message;
        if (!progress.message.isEmpty())
            m_output.line(progress.message);
    }
    // The dialog's "0" before anything moves stays off the screen; the final count shows it.
    if (progress.count != m_lastCount) {
        m_lastCount = progress.count;
        if (!progress.count.isEmpty() && progress.count != u"0") {
            if (m_sendProgress)
                m_sendProgress->update(m_terminal->sender().sentCharacters(), m_terminal->sender().totalCharacters());
            else
                m_output.count(progress.count);
        }
    }
}

void TransferCommand::whenCountMoves()
{
    const qint32 counter = m_terminal->flags().byteCounter;
    if (counter == m_lastCounter)
        return;
    m_lastCounter = counter;
    // Silence counts from the last character, and only once something has arrived.
    if (m_request.idleSeconds && counter > 0 && m_transfer && m_transfer->isActive())
        m_idle.start(int(std::ceil(*m_request.idleSeconds * 1000.0)));
}

void TransferCommand::lineError()
{
    // Answered Cancel: the error ends the transfer, and what came or went cannot be trusted.
    m_failed = true;
    if (m_transfer && m_transfer->isActive())
        m_transfer->terminate();
}

void TransferCommand::interrupt(int signalNumber)
{
    // Nothing under way (the device's exchange or the transfer): nothing to stop.
    if (m_done || (!m_link && (!m_transfer || !m_transfer->isActive())))
        return;
    if (m_signal == 0)
        m_signal = signalNumber;
    if (m_link)
        m_link->stop();
    else
        m_transfer->terminate();
}

void TransferCommand::notifyNetworkPort(const QString &address)
{
    m_output.line(CommandLineText::NotifyingDevice.arg(address));
    m_link = std::make_unique<RemoteIoLink>(RemoteIoLink::configuredPort(), RemoteIoLink::configuredTiming());
    connect(m_link.get(), &RemoteIoLink::finished, this, [this](bool, const QString &message) {
        if (!message.isEmpty()) {
            m_output.line(message);
            m_failed = true;
        }
        m_link.release()->deleteLater();
        if (m_sendEnded)
            finishSend();
    });
    m_link->notifyAfterSend(address);
}

void TransferCommand::finishSend()
{
    m_sendEnded = true;
    // The device that serves the port is told first; the command ends with its answer.
    if (m_link)
        return;
    if (m_signal != 0)
        finish(128 + m_signal);
    else
        finish(m_failed ? Failure : Success);
}

void TransferCommand::transferEnded()
{
    if (m_done)
        return;
    m_idle.stop();
    if (m_sendProgress) {
        m_sendProgress->end(m_terminal->sender().sentCharacters());
    } else {
        const QString count = FormatTransferCount(m_terminal->flags().byteCounter);
        m_output.count(count.isEmpty() ? QStringLiteral("0") : count);
    }
    m_output.endCount();

    if (m_request.kind == TransferRequest::Kind::Send) {
        // After the send has told the device that serves its port, if it does.
        QMetaObject::invokeMethod(this, &TransferCommand::finishSend, Qt::QueuedConnection);
        return;
    }
    receptionEnded();
}

void TransferCommand::receptionEnded()
{
    // A reception that did not end well is no program: what arrived goes beside the file,
    // never over it, nor over what an earlier failure kept there.
    if (m_failed) {
        const QString partial = ReceivedProgramFile::unusedPath(m_request.file + QStringLiteral(".partial"));
        if (!m_received.isEmpty() && keepReceived(partial) == partial)
            m_output.line(DncText::ReceivedSavedIn.arg(partial));
        finish(Failure);
        return;
    }
    if (m_received.isEmpty()) {
        m_toldLast = CommandLineText::NoData.arg(m_request.file);
        m_output.line(m_toldLast);
        finish(Failure);
        return;
    }
    finish(keepReceived(m_request.file) == m_request.file ? Success : Failure);
}

QString TransferCommand::keepReceived(const QString &path)
{
    const ReceivedProgramFile::Outcome outcome = m_programFile.write(path, m_received);
    for (const QString &message : outcome.messages)
        m_output.line(message);
    return outcome.path;
}

void TransferCommand::beginLogEntry()
{
    if (!m_journal || m_logEntry)
        return;
    const bool send = m_request.kind == TransferRequest::Kind::Send;
    TransferEntry entry;
    entry.operation = send ? TransferOperation::SerialSend : TransferOperation::SerialReceive;
    entry.machine = m_machines.currentRecord().name.trimmed();
    entry.archiveProgram = m_request.program;
    entry.fileName = m_request.program ? ProgramFolder::programFileName(*m_request.program) : m_request.file;
    if (send) {
        // The file is read again for the log, a piece at a time: a drip-fed program is never held whole.
        const QString path = m_request.program ? m_folder.programTextPath(*m_request.program) : m_request.file;
        QFile sent(path);
        if (sent.open(QIODevice::ReadOnly)) {
            entry.cncProgram = cncProgramIn(sent.peek(4096));
            entry.sha256 = fileDigest(sent);
        }
    }
    m_journal->begin(entry);
    m_logEntry = entry;
}

void TransferCommand::finish(int exitCode)
{
    if (m_done)
        return;
    m_done = true;
    if (m_logEntry) {
        if (m_request.kind == TransferRequest::Kind::Receive) {
            m_logEntry->takeText(m_received);
            m_logEntry->cncProgram = cncProgramIn(m_received);
        }
        m_logEntry->bytes = m_terminal->flags().byteCounter;
        const TransferResult result = exitCode == Success ? TransferResult::Succeeded
                                      : exitCode > 128    ? TransferResult::Interrupted
                                                          : TransferResult::Failed;
        m_journal->finish(*m_logEntry, result, result == TransferResult::Interrupted ? CommandLineText::Stopped
                                                                                     : m_toldLast);
    }
    emit finished(exitCode);
}

int transferCommand(int argc, char **argv)
{
    EventLoopCommand::prepare();
    CommandApplication app(argc, argv);
    const std::optional<TransferRequest> request = parseTransferRequest(app.arguments().mid(1));
    if (!request) {
        QTextStream(stderr) << CommandLineText::Usage;
        return TransferCommand::UsageError;
    }
    EventLoopCommand console;
    if (!console.ready())
        return TransferCommand::Failure;
    if (!request->from.isEmpty() || !request->as.isEmpty()) {
        const auto library = std::make_shared<FocasLibrary>(FocasLibrary::configuredFileName(SettingsStore()));
        QTextStream err(stderr);
        CommandTransferLog log(console.folder(), [&err](const QString &text) { err << text << Qt::endl; });
        return withLibraryNote(request->as.isEmpty()
                                   ? receiveFromCnc(console.folder(), request->machine, request->from, request->file,
                                                    library, err, &log.journal())
                                   : sendToCnc(console.folder(), *request, library, err, &log.journal()),
                               *library, err);
    }
    QtSerialPort port;
    IcmpPinger pinger;
    TransferCommand command(console.folder(), port, console.output(), pinger);
    CommandTransferLog log(console.folder(), [&console](const QString &text) { console.output().line(text); });
    command.setTransferJournal(&log.journal());
    return EventLoopCommand::run(app, command, *request);
}
