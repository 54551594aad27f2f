#include "listencommand.h"

#include "cncdirectory.h"
#include "cnclibrary.h"
#include "cncrequestpoller.h"
#include "commandrun.h"
#include "focaslibrary.h"
#include "dnctext.h"
#include "qtserialport.h"
#include "commandlinetext.h"
#include "consoleoutput.h"
#include "machinefile.h"
#include "machinelistener.h"
#include "requestanswers.h"
#include "settingsstore.h"
#include "serialport.h"
#include "receivedfilenames.h"
#include "textfile.h"
#include "transfercommands.h"
#include "transferlogcommand.h"

#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QTextStream>

#include <cmath>
#include <QCoreApplication>

std::optional<ListenRequest> parseListenRequest(const QStringList &words)
{
    if (words.isEmpty() || words.first() != u"listen")
        return std::nullopt;
    ListenRequest request;
    bool idleGiven = false;
    bool pollGiven = false;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString &word = words.at(i);
        if (optionsEnded || !word.startsWith(u"--")) {
            if (word.trimmed().isEmpty())
                return std::nullopt;
            request.machines.append(word);
        } else if (word == u"--") {
            optionsEnded = true;
        } else if (word == u"--idle" && i + 1 < words.size() && !idleGiven) {
            const auto seconds = parseIdleSeconds(words.at(++i));
            if (!seconds)
                return std::nullopt;
            request.idleSeconds = *seconds;
            idleGiven = true;
        } else if (word == u"--poll" && i + 1 < words.size() && !pollGiven) {
            const auto seconds = parseIdleSeconds(words.at(++i));
            if (!seconds)
                return std::nullopt;
            request.pollSeconds = *seconds;
            pollGiven = true;
        } else {
            return std::nullopt;
        }
    }
    return request;
}

ListenCommand::ListenCommand(const ProgramFolder &folder, PortFactory ports, QTextStream &out, ConsoleOutput &errors,
                             QObject *parent)
    : QObject(parent), m_folder(folder), m_ports(std::move(ports)), m_out(out), m_errors(errors), m_filer(m_folder)
{
}

ListenCommand::~ListenCommand()
{
    // The listeners use the ports: they go first.
    m_listeners.clear();
    m_pollers.clear();
    m_requests.reset();
}

void ListenCommand::start(const ListenRequest &request)
{
    MachineState machines;
    const MachineList list = LoadMachineList(machines, m_folder);
    if (!list.error.isEmpty()) {
        m_errors.line(list.error);
        finish(Failure);
        return;
    }
    if (!list.warning.isEmpty())
        m_errors.line(list.warning);
    // A service started without names listens to the machines of the settings.
    QStringList names = request.machines;
    if (names.isEmpty()) {
        for (const QString &name : SettingsStore().text(QStringLiteral("dnc"), QStringLiteral("machines")).split(u','))
            if (!name.trimmed().isEmpty())
                names.append(name.trimmed());
    }
    if (names.isEmpty()) {
        m_errors.line(CommandLineText::ListenNoMachines);
        finish(UsageError);
        return;
    }
    std::vector<int> chosen;
    std::vector<std::pair<QString, CncAddress>> cncs;
    for (const QString &name : names) {
        const int position = findMachine(list, name);
        if (position < 0) {
            for (const QString &line : unknownMachineReport(list, name, m_folder))
                m_errors.line(line);
            finish(Failure);
            return;
        }
        const MachineRecord &record = machines.table.at(list.entries.at(position).recordIndex);
        // A machine named twice is listened to once.
        if (std::find(chosen.begin(), chosen.end(), position) != chosen.end())
            continue;
        chosen.push_back(position);
        if (record.isEthernet()) {
            QString error;
            const std::optional<CncAddress> address = parseCncAddress(record.settings, &error);
            if (!address) {
                m_errors.line(record.name.trimmed() + QStringLiteral(": ") + error);
                finish(Failure);
                return;
            }
            cncs.emplace_back(record.name.trimmed(), *address);
        }
    }

    const auto requestSettings = RemoteRequest::configured(SettingsStore());
    if (requestSettings.index() == 1) {
        m_errors.line(std::get<1>(requestSettings));
        finish(Failure);
        return;
    }
    m_requests = std::make_unique<RequestAnswers>(m_folder, std::get<0>(requestSettings), m_errors);
    connect(m_requests.get(), &RequestAnswers::answered, this,
            [this](const QString &machine, qint32 number, qint64 characters, bool whole) {
                answered(machine, number, characters, whole, TransferOperation::SerialSend);
            });
    connect(m_requests.get(), &RequestAnswers::refused, this,
            [this](const QString &machine, const QByteArray &raw, const QString &reason) { file(machine, raw, reason); });

    // dati is where the programs go: it is made when missing, as the windows make it.
    m_folder.createWorkFolders();
    const int idle = int(std::ceil(request.idleSeconds * 1000.0));
    for (const int position : chosen) {
        const MachineRecord &record = machines.table.at(list.entries.at(position).recordIndex);
        if (record.isEthernet())
            continue;
        const QString name = record.name.trimmed();
        m_portsInUse.push_back(m_ports());
        auto listener = std::make_unique<MachineListener>(m_folder, name, *m_portsInUse.back(), m_errors, idle);
        connect(listener.get(), &MachineListener::received, this,
                [this, name, line = listener.get()](const QByteArray &raw, const QString &lineError) {
                    if (lineError.isEmpty() && m_requests->take(name, *line, raw))
                        return;
                    file(name, raw, lineError);
                });
        if (!listener->start()) {
            stopAll();
            finish(Failure);
            return;
        }
        m_errors.line(CommandLineText::Listening.arg(name).arg(record.comPort));
        m_listeners.push_back(std::move(listener));
    }
    const RemoteRequest::Settings &settings = std::get<0>(requestSettings);
    for (const auto &[name, address] : cncs) {
        auto poller = std::make_unique<CncRequestPoller>(name, address, m_cncLibrary, m_folder, settings,
                                                         int(std::ceil(request.pollSeconds * 1000.0)), m_errors);
        connect(poller.get(), &CncRequestPoller::answered, this,
                [this](const QString &machine, qint32 number, qint64 characters, bool whole) {
                    answered(machine, number, characters, whole, TransferOperation::EthernetDownload);
                });
        connect(poller.get(), &CncRequestPoller::refused, this,
                [this](const QString &machine, const QByteArray &raw, const QString &reason) { file(machine, raw, reason); });
        m_errors.line(CommandLineText::ListeningCnc.arg(name, programNumberText(settings.requestProgram))
                          .arg(request.pollSeconds));
        poller->start();
        m_pollers.push_back(std::move(poller));
    }
}

void ListenCommand::stopAll()
{
    for (const auto &listener : m_listeners)
        listener->stop();
    for (const auto &poller : m_pollers)
        poller->stop();
}

void ListenCommand::interrupt()
{
    if (m_done)
        return;
    stopAll();
    finish(m_lost ? Failure : Success);
}

void ListenCommand::file(const QString &machine, const QByteArray &raw, const QString &lineError)
{
    const DncFiler::Filed filed = m_filer.file(raw, lineError);
    for (const QString &message : filed.messages)
        m_errors.line(message);
    if (m_journal) {
        TransferEntry entry;
        entry.operation = TransferOperation::DncFiled;
        entry.machine = machine;
        entry.fileName = filed.name.isEmpty() ? filed.path : filed.name;
        entry.archiveProgram = ReceivedFileNames::outNumber(filed.name);
        // The text as it was kept, so that it can be matched with the archive's.
        const QByteArray kept = filed.path.isEmpty() ? raw : TextFile::read(filed.path).value_or(raw);
        entry.takeText(kept);
        entry.cncProgram = cncProgramIn(kept);
        const QStringList told = filed.path.isEmpty()
            ? filed.messages + QStringList{CommandLineText::NotFiled.arg(machine).arg(raw.size())}
            : filed.messages + QStringList{filed.note};
        m_journal->record(entry, filed.path.isEmpty() || !lineError.isEmpty() ? TransferResult::Failed
                                                                              : TransferResult::Succeeded,
                          told.join(u'\n').trimmed());
    }
    if (filed.path.isEmpty()) {
        m_lost = true;
        m_errors.line(CommandLineText::NotFiled.arg(machine).arg(raw.size()));
        return;
    }
    // Named as in dati; a rescued program by where it went.
    const bool inData = QDir(m_folder.dataDir()).filePath(filed.name) == filed.path;
    QString line = CommandLineText::FiledLine.arg(QDateTime::currentDateTime().toString(Qt::ISODate), machine,
                                                  inData ? filed.name : filed.path)
                       .arg(filed.bytes);
    if (!filed.note.isEmpty())
        line += u'\t' + filed.note;
    m_out << line << Qt::endl;
}

void ListenCommand::answered(const QString &machine, qint32 number, qint64 characters, bool whole,
                             TransferOperation operation)
{
    QLocale grouped;
    grouped.setNumberOptions(grouped.numberOptions() & ~QLocale::OmitGroupSeparator);
    const QString told = whole ? DncText::RequestSent.arg(number).arg(machine, grouped.toString(characters))
                               : DncText::RequestNotSent.arg(number).arg(machine, grouped.toString(characters));
    m_out << QDateTime::currentDateTime().toString(Qt::ISODate) << u'\t' << told << Qt::endl;
    if (!m_journal)
        return;
    // The archived text that answered the request, so that the row names its revision.
    TransferEntry entry;
    entry.operation = operation;
    entry.machine = machine;
    entry.archiveProgram = number;
    entry.fileName = ProgramFolder::programFileName(number);
    const QByteArray text = TextFile::read(m_folder.programTextPath(number)).value_or(QByteArray());
    entry.takeText(text);
    entry.cncProgram = cncProgramIn(text);
    entry.bytes = characters;
    m_journal->record(entry, whole ? TransferResult::Succeeded : TransferResult::Failed, told);
}

void ListenCommand::finish(int exitCode)
{
    if (m_done)
        return;
    m_done = true;
    emit finished(exitCode);
}

int listenCommand(int argc, char **argv)
{
    EventLoopCommand::prepare();
    CommandApplication app(argc, argv);
    const std::optional<ListenRequest> request = parseListenRequest(app.arguments().mid(1));
    if (!request) {
        QTextStream(stderr) << CommandLineText::Usage;
        return ListenCommand::UsageError;
    }
    EventLoopCommand console;
    if (!console.ready())
        return ListenCommand::Failure;
    QTextStream out(stdout);
    ListenCommand command(console.folder(), [] { return std::make_unique<QtSerialPort>(); }, out, console.output());
    CommandTransferLog log(console.folder(), [&console](const QString &text) { console.output().line(text); });
    command.setTransferJournal(&log.journal());
    command.setCncLibrary(std::make_shared<FocasLibrary>(FocasLibrary::configuredFileName(SettingsStore())));
    return EventLoopCommand::run(app, command, *request);
}
