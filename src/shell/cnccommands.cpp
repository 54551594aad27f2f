#include "cnccommands.h"

#include "busyretry.h"
#include "cncdirectory.h"
#include "cncdownload.h"
#include "cncjobrun.h"
#include "cncresults.h"
#include "cncupload.h"
#include "commandlinetext.h"
#include "ethernettext.h"
#include "machinefile.h"
#include "machinestate.h"
#include "multiprogram.h"
#include "sentprograms.h"
#include "settingsstore.h"
#include "textfile.h"
#include "transfercommands.h"

#include <QTextStream>

namespace {

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

} // namespace

int listCncDirectory(const ProgramFolder &folder, const QString &machine, std::shared_ptr<CncLibrary> library,
                     QTextStream &out, QTextStream &err)
{
    const std::optional<MachineRecord> record = namedMachine(folder, machine, err);
    if (!record)
        return 1;
    if (!record->isEthernet()) {
        err << CommandLineText::NotEthernet.arg(record->name) << Qt::endl;
        return 1;
    }
    const std::optional<CncAddress> address = addressOf(*record, err);
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
                   std::shared_ptr<CncLibrary> library, QTextStream &err)
{
    const std::optional<MachineRecord> record = namedMachine(folder, machine, err);
    if (!record)
        return 1;
    if (!record->isEthernet()) {
        err << CommandLineText::FromNeedsEthernet.arg(record->name) << Qt::endl;
        return 2;
    }
    const std::optional<long> number = typedProgramNumber(from);
    if (!number) {
        err << EthernetText::InvalidNumber << Qt::endl;
        return 1;
    }
    const std::optional<CncAddress> address = addressOf(*record, err);
    if (!address)
        return 1;

    const UploadLimits limits = configuredUploadLimits(SettingsStore());
    auto lines = std::make_shared<QStringList>();
    const CncJobOutcome outcome = runCncJob(
        std::move(library), *address,
        [number = *number, limits, lines](CncLibrary &cnc, unsigned short handle, const TransferStop &stop,
                                          QStringList &messages) {
            const CncUpload upload = uploadProgram(cnc, handle, number, limits, stop);
            if (!upload.succeeded()) {
                messages.append(uploadFailure(upload, limits));
                return 1;
            }
            const std::optional<QStringList> received = uploadedLines(upload.text);
            if (!received) {
                messages.append(EthernetText::NotFramed);
                return 1;
            }
            *lines = *received;
            return 0;
        },
        EthernetText::UploadStopped, err);
    // Written here, on the command's own thread, and only for a whole program.
    if (outcome.status != 0)
        return outcome.status;
    QString error;
    if (!TextFile::writeAtomically(file, terminalText(*lines), &error)) {
        err << file << ": " << error << Qt::endl;
        return 1;
    }
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

// Reads every program just written back from the CNC and compares it with what the CNC should
// hold: the renumbered text, its calls included.
bool verifySent(CncLibrary &library, unsigned short handle, const TransferStop &stop, const QStringList &lines,
                const QString &destination, QStringList &messages)
{
    const UploadLimits limits = configuredUploadLimits(SettingsStore());
    for (const SentProgram &program : sentPrograms(lines, destination)) {
        const QString name = programNumberText(program.number);
        const CncUpload upload = uploadProgram(library, handle, program.number, limits, stop);
        if (!upload.succeeded()) {
            messages.append(CommandLineText::VerifyNotRead.arg(name, uploadFailure(upload, limits)));
            return false;
        }
        const std::optional<QStringList> read = uploadedLines(upload.text);
        if (!read) {
            messages.append(CommandLineText::VerifyNotRead.arg(name, EthernetText::NotFramed));
            return false;
        }
        if (const std::optional<LineDifference> difference = firstDifference(program.lines, *read)) {
            messages.append(
                CommandLineText::VerifyDiffers.arg(name).arg(difference->line).arg(difference->sent, difference->read));
            return false;
        }
    }
    messages.append(CommandLineText::Verified);
    return true;
}

bool inDirectory(const CncDirectory &directory, long number)
{
    for (const CncProgramEntry &program : directory.programs) {
        if (program.number == number)
            return true;
    }
    return false;
}

// Why the checked text is not sent: the lines to tell, none when it goes. Numbers taken on the
// CNC and calls that cannot be followed stop it unless the user said to go on; the destination
// itself taken, and numbers the CNC cannot hold, always do.
QStringList sendStoppers(const MultiProgramCheck &check, long destination, const CncDirectory &directory,
                         bool continueAnyway)
{
    if (inDirectory(directory, destination))
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
int sendChecked(CncLibrary &library, unsigned short handle, const TransferStop &stop, const QStringList &lines,
                const QString &destination, const TransferRequest &request, QStringList &messages)
{
    const CncDirectory directory = readCncDirectory(library, handle);
    if (directory.result != EW_OK) {
        messages.append(directoryFailure(directory));
        return 1;
    }
    const MultiProgramCheck check =
        renumberPrograms(lines, destination, [&directory](long number) { return inDirectory(directory, number); });
    const QStringList stoppers = sendStoppers(check, typedProgramNumber(destination).value_or(0), directory,
                                              request.continueAnyway);
    messages.append(check.problems);
    messages.append(stoppers);
    if (!stoppers.isEmpty())
        return 1;
    const CncDownload download =
        downloadProgram(library, handle, downloadText(check.lines, destination), BusyRetry::LimitMs, stop);
    messages.append(downloadMessages(download));
    const bool sent = download.started && download.result == EW_OK && !download.stopped;
    return sent && (!request.verify || verifySent(library, handle, stop, check.lines, destination, messages)) ? 0 : 1;
}

} // namespace

int sendToCnc(const ProgramFolder &folder, const TransferRequest &request, std::shared_ptr<CncLibrary> library,
              QTextStream &err)
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
    const QStringList lines = linesToSend(*text);
    if (!hasPartProgramForm(lines)) {
        err << EthernetText::BadPartProgram << Qt::endl;
        return 1;
    }
    const std::optional<QString> destination = downloadDestination(request.as, lines.first());
    if (!destination) {
        err << EthernetText::InvalidNumber << Qt::endl;
        return 1;
    }
    if (const std::optional<QString> percent = programEndInText(lines)) {
        err << *percent << Qt::endl;
        return 1;
    }
    const std::optional<CncAddress> address = addressOf(*record, err);
    if (!address)
        return 1;
    return runCncJob(
               std::move(library), *address,
               [lines, destination = *destination, request](CncLibrary &cnc, unsigned short handle,
                                                            const TransferStop &stop, QStringList &messages) {
                   return sendChecked(cnc, handle, stop, lines, destination, request, messages);
               },
               EthernetText::DownloadStopped, err)
        .status;
}
