#include "cnccommands.h"

#include "commandrun.h"
#include "focaslibrary.h"
#include "cncdirectory.h"
#include "cncdownload.h"
#include "ethernetreceive.h"
#include "ethernetsend.h"
#include "cncjobrun.h"
#include "cncresults.h"
#include "cncupload.h"
#include "commandlinetext.h"
#include "ethernettext.h"
#include "machinefile.h"
#include "machinestate.h"
#include "multiprogram.h"
#include "settingsstore.h"
#include "textfile.h"
#include "transfercommands.h"
#include "transferlog.h"

#include <QTextStream>
#include <QCoreApplication>

// The machine named on the command line; nullopt after telling why there is none.
std::optional<MachineRecord> namedMachine(const ProgramFolder &folder, const QString &name, QTextStream &err)
{
    MachineState machines;
    const MachineList list = LoadMachineList(machines, folder);
    if (!list.error.isEmpty()) {
        err << list.error << Qt::endl;
        return std::nullopt;
    }
    if (!list.warning.isEmpty())
        err << list.warning << Qt::endl;
    const int position = findMachine(list, name);
    if (position < 0) {
        err << unknownMachineReport(list, name, folder).join(u'\n') << Qt::endl;
        return std::nullopt;
    }
    return machines.table.at(list.entries.at(position).recordIndex);
}

// The machine's CNC address; nullopt after telling why there is none.
std::optional<CncAddress> addressOf(const MachineRecord &record, QTextStream &err)
{
    QString error;
    const std::optional<CncAddress> address = parseCncAddress(record.settings, &error);
    if (!address)
        err << error << Qt::endl;
    return address;
}

namespace {

// A comment from the CNC as one line of the listing: its control characters (tabs, line ends,
// escapes) would make fake lines or work the terminal.
QString printableComment(const QByteArray &comment)
{
    QString text = QString::fromLatin1(comment);
    for (QChar &c : text) {
        if (c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() < 0xa0))
            c = u' ';
    }
    return text;
}

// A CNC transfer's row in the journal, begun before the connection and completed by end().
class LoggedCncTransfer {
public:
    LoggedCncTransfer(TransferJournal *journal, TransferOperation operation, const QString &machine,
                      const QString &file, std::optional<qint64> cncProgram)
        : m_journal(journal)
    {
        if (!m_journal)
            return;
        m_entry.operation = operation;
        m_entry.machine = machine.trimmed();
        m_entry.fileName = file;
        m_entry.cncProgram = cncProgram;
        m_journal->begin(m_entry);
    }
    TransferEntry &entry() { return m_entry; }
    // The message is what the command told last.
    void end(const CncJobOutcome &outcome)
    {
        if (!m_journal)
            return;
        const TransferResult result = outcome.stopped     ? TransferResult::Interrupted
                                      : outcome.status == 0 ? TransferResult::Succeeded
                                                            : TransferResult::Failed;
        m_journal->finish(m_entry, result, outcome.messages.join(u'\n'));
    }

private:
    TransferJournal *m_journal;
    TransferEntry m_entry;
};

} // namespace

std::optional<CncAddress> ethernetMachineAddress(const ProgramFolder &folder, const QString &name, QTextStream &err)
{
    const std::optional<MachineRecord> record = namedMachine(folder, name, err);
    if (!record)
        return std::nullopt;
    if (!record->isEthernet()) {
        err << CommandLineText::NotEthernet.arg(record->name) << Qt::endl;
        return std::nullopt;
    }
    return addressOf(*record, err);
}

int listCncDirectory(const ProgramFolder &folder, const QString &machine, std::shared_ptr<CncLibrary> library,
                     QTextStream &out, QTextStream &err)
{
    const std::optional<CncAddress> address = ethernetMachineAddress(folder, machine, err);
    if (!address)
        return 1;

    auto directory = std::make_shared<CncDirectory>();
    const CncJobOutcome outcome = runCncJob(
        std::move(library), *address,
        [directory](CncLibrary &cnc, unsigned short handle, const TransferStop &, QStringList &messages) {
            *directory = readCncDirectory(cnc, handle);
            if (directory->result == EW_OK)
                return 0;
            messages.append(directoryFailure(*directory));
            return 1;
        },
        CommandLineText::Stopped, err);
    if (outcome.stopped)
        return outcome.status;
    for (const CncProgramEntry &program : directory->programs) {
        out << programNumberText(program.number) << '\t' << program.size << '\t' << printableComment(program.comment)
            << '\n';
    }
    out.flush();
    return outcome.status;
}

int receiveFromCnc(const ProgramFolder &folder, const QString &machine, const QString &from, const QString &file,
                   std::shared_ptr<CncLibrary> library, QTextStream &err, TransferJournal *journal)
{
    const std::optional<MachineRecord> record = namedMachine(folder, machine, err);
    if (!record)
        return 1;
    if (!record->isEthernet()) {
        err << CommandLineText::FromNeedsEthernet.arg(record->name) << Qt::endl;
        return 2;
    }
    const std::variant<long, QString> source = sourceProgram(from);
    if (const QString *refused = std::get_if<QString>(&source)) {
        err << *refused << Qt::endl;
        return 1;
    }
    const std::optional<CncAddress> address = addressOf(*record, err);
    if (!address)
        return 1;

    const UploadLimits limits = configuredUploadLimits(SettingsStore());
    auto received = std::make_shared<ReceivedProgram>();
    LoggedCncTransfer logged(journal, TransferOperation::EthernetUpload, record->name, file, std::get<long>(source));
    const CncJobOutcome outcome = runCncJob(
        std::move(library), *address,
        [number = std::get<long>(source), limits, received](CncLibrary &cnc, unsigned short handle,
                                                            const TransferStop &stop, QStringList &messages) {
            *received = receiveProgram(cnc, handle, number, limits, stop);
            if (received->failure.isEmpty())
                return 0;
            messages.append(received->failure);
            return 1;
        },
        EthernetText::UploadStopped, err);
    // Written here, on the command's own thread, and only for a whole program.
    if (outcome.status != 0) {
        logged.end(outcome);
        return outcome.status;
    }
    const QByteArray text = terminalText(received->lines);
    logged.entry().takeText(text);
    QString error;
    if (!TextFile::writeAtomically(file, text, &error)) {
        err << file << ": " << error << Qt::endl;
        logged.end({1, false, {file + QStringLiteral(": ") + error}});
        return 1;
    }
    logged.end(outcome);
    return 0;
}

namespace {

// The program text named on the command line: a file, or an archived program's text.
std::optional<QByteArray> textToSend(const ProgramFolder &folder, const TransferRequest &request, QTextStream &err)
{
    const QString path = request.program ? folder.programTextPath(*request.program) : request.file;
    QString error;
    const std::optional<QByteArray> text = TextFile::read(path, &error);
    if (!text)
        err << path << ": " << error << Qt::endl;
    return text;
}

// Why the checked text is not sent: the lines to tell, none when it goes. Numbers taken on the
// CNC and calls that cannot be followed stop it unless the user said to go on; the destination
// itself taken, and numbers the CNC cannot hold, always do.
QStringList sendStoppers(const MultiProgramCheck &check, long destination, const CncDirectory &directory,
                         bool continueAnyway)
{
    if (directory.contains(destination))
        return {EthernetText::ExistsOnCnc};
    QStringList stoppers;
    if (!check.clean() && (!continueAnyway || check.outOfRange)) {
        const QStringList taken = check.takenNumbers();
        if (!taken.isEmpty())
            stoppers.append(EthernetText::TakenOnCnc + QStringLiteral(": ") + taken.join(QStringLiteral(", ")));
        stoppers.append(check.outOfRange ? CommandLineText::NotSendable : CommandLineText::ContinueToSend);
    }
    return stoppers;
}

// The send once connected: the checks on the CNC's directory, the renumbering, the download and
// the verification.
int sendChecked(CncLibrary &library, unsigned short handle, const TransferStop &stop, const SendPlan &send,
                const TransferRequest &request, QStringList &messages)
{
    const QString &destination = send.destination;
    const CncDirectory directory = readCncDirectory(library, handle);
    if (directory.result != EW_OK) {
        messages.append(directoryFailure(directory));
        return 1;
    }
    const MultiProgramCheck check =
        renumberPrograms(send.lines, destination, [&directory](long number) { return directory.contains(number); });
    const QStringList stoppers = sendStoppers(check, typedProgramNumber(destination).value_or(0), directory,
                                              request.continueAnyway);
    messages.append(check.problems);
    messages.append(stoppers);
    if (!stoppers.isEmpty())
        return 1;
    const SendOutcome outcome = downloadChecked(library, handle, check.lines, destination, stop);
    messages.append(outcome.messages);
    return outcome.sent() && (!request.verify || verifySent(library, handle, stop, check.lines, destination, messages))
        ? 0
        : 1;
}

} // namespace

int sendToCnc(const ProgramFolder &folder, const TransferRequest &request, std::shared_ptr<CncLibrary> library,
              QTextStream &err, TransferJournal *journal)
{
    const std::optional<MachineRecord> record = namedMachine(folder, request.machine, err);
    if (!record)
        return 1;
    if (!record->isEthernet()) {
        err << CommandLineText::AsNeedsEthernet.arg(record->name) << Qt::endl;
        return 2;
    }
    const std::optional<QByteArray> text = textToSend(folder, request, err);
    if (!text)
        return 1;
    const std::variant<SendPlan, QString> plan = planSend(linesToSend(*text), request.as);
    if (const QString *refused = std::get_if<QString>(&plan)) {
        err << *refused << Qt::endl;
        return 1;
    }
    const std::optional<CncAddress> address = addressOf(*record, err);
    if (!address)
        return 1;
    const SendPlan &send = std::get<SendPlan>(plan);
    LoggedCncTransfer logged(journal, TransferOperation::EthernetDownload, record->name,
                             request.program ? ProgramFolder::programFileName(*request.program) : request.file,
                             typedProgramNumber(send.destination));
    logged.entry().archiveProgram = request.program;
    logged.entry().takeText(*text);
    const CncJobOutcome outcome = runCncJob(
        std::move(library), *address,
        [send, request](CncLibrary &cnc, unsigned short handle, const TransferStop &stop, QStringList &messages) {
            return sendChecked(cnc, handle, stop, send, request, messages);
        },
        EthernetText::DownloadStopped, err);
    logged.end(outcome);
    return outcome.status;
}

int cncDirectoryCommand(int argc, char **argv)
{
    EventLoopCommand::prepare();
    CommandApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        QTextStream(stderr) << CommandLineText::Usage;
        return 2;
    }
    CommandFolder run;
    if (!run.announce())
        return 1;
    const auto library = std::make_shared<FocasLibrary>(FocasLibrary::configuredFileName(SettingsStore()));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return withLibraryNote(listCncDirectory(run.folder(), args.at(2), library, out, err), *library, err);
}
