#include "cnccommands.h"

#include "busyretry.h"
#include "cncaddress.h"
#include "cncdirectory.h"
#include "cncresults.h"
#include "cncupload.h"
#include "cncdownload.h"
#include "multiprogram.h"
#include "sentprograms.h"
#include "ethernettext.h"
#include "commandlinetext.h"
#include "machinefile.h"
#include "machinestate.h"
#include "textfile.h"
#include "transfercommands.h"

#include <QTextStream>
#include <QThread>

namespace {

constexpr long ConnectTimeoutSeconds = 10;

bool pauseAndGoOn(int milliseconds)
{
    QThread::msleep(ulong(milliseconds));
    return true;
}

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

// Connects to the machine's CNC; the connect's result, with the handle to release in any case.
short connectTo(CncLibrary &library, const CncAddress &address, unsigned short *handle)
{
    return library.cnc_allclibhndl3(address.host.toLatin1().constData(), address.port, ConnectTimeoutSeconds,
                                    handle);
}

// Connects and reads the CNC's directory; its result is the connect's when that failed.
CncDirectory connectAndList(CncLibrary &library, const CncAddress &address, unsigned short *handle)
{
    CncDirectory directory;
    directory.result = connectTo(library, address, handle);
    if (directory.result == EW_OK)
        directory = readCncDirectory(library, *handle);
    return directory;
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

} // namespace

int listCncDirectory(const ProgramFolder &folder, const QString &machine, CncLibrary &library, QTextStream &out,
                     QTextStream &err)
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

    unsigned short handle = 0;
    const CncDirectory directory = connectAndList(library, *address, &handle);
    library.cnc_freelibhndl(handle);
    for (const CncProgramEntry &program : directory.programs) {
        out << programNumberText(program.number) << '\t' << program.size << '\t'
            << QString::fromLatin1(program.comment) << '\n';
    }
    out.flush();
    if (directory.result != EW_OK) {
        err << testoerrore(directory.result) << Qt::endl;
        return 1;
    }
    return 0;
}

int receiveFromCnc(const ProgramFolder &folder, const QString &machine, const QString &from, const QString &file,
                   CncLibrary &library, QTextStream &err)
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

    unsigned short handle = 0;
    const short connected = connectTo(library, *address, &handle);
    CncUpload upload;
    if (connected == EW_OK)
        upload = uploadProgram(library, handle, *number, BusyRetry::LimitMs, pauseAndGoOn);
    library.cnc_freelibhndl(handle);
    const short result = connected != EW_OK ? connected : upload.result;
    if (result != EW_OK) {
        err << uploadFailure(result) << Qt::endl;
        return 1;
    }
    const std::optional<QStringList> lines = uploadedLines(upload.text);
    if (!lines) {
        err << EthernetText::NotFramed << Qt::endl;
        return 1;
    }
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

// Reads every program just written back from the CNC and compares it with what was sent.
bool verifySent(CncLibrary &library, unsigned short handle, const QStringList &lines, const QString &destination,
                QTextStream &err)
{
    for (const SentProgram &program : sentPrograms(lines, destination)) {
        const QString name = programNumberText(program.number);
        const CncUpload upload = uploadProgram(library, handle, program.number, BusyRetry::LimitMs, pauseAndGoOn);
        if (upload.result != EW_OK) {
            err << CommandLineText::VerifyNotRead.arg(name, testoerrore(upload.result)) << Qt::endl;
            return false;
        }
        const std::optional<QStringList> read = uploadedLines(upload.text);
        if (!read) {
            err << CommandLineText::VerifyNotRead.arg(name, EthernetText::NotFramed) << Qt::endl;
            return false;
        }
        if (const std::optional<LineDifference> difference = firstDifference(program.lines, *read)) {
            err << CommandLineText::VerifyDiffers.arg(name).arg(difference->line).arg(difference->sent, difference->read)
                << Qt::endl;
            return false;
        }
    }
    err << CommandLineText::Verified << Qt::endl;
    return true;
}

// Why the checked text is not sent: the lines to tell, none when it goes. Numbers taken on the
// CNC and calls that cannot be followed stop it unless the user said to go on; the destination
// itself taken always does.
QStringList sendStoppers(const MultiProgramCheck &check, const QString &destination,
                         const std::function<bool(const QString &)> &onCnc, bool continueAnyway)
{
    QStringList stoppers;
    if (!check.clean() && !continueAnyway) {
        const QStringList taken = check.takenNumbers();
        if (!taken.isEmpty())
            stoppers.append(EthernetText::TakenOnCnc + QStringLiteral(": ") + taken.join(QStringLiteral(", ")));
        stoppers.append(CommandLineText::ContinueToSend);
    }
    if (onCnc(destination))
        stoppers = QStringList{EthernetText::ExistsOnCnc};
    return stoppers;
}

} // namespace

int sendToCnc(const ProgramFolder &folder, const TransferRequest &request, CncLibrary &library, QTextStream &err)
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
    const std::optional<CncAddress> address = addressOf(*record, err);
    if (!address)
        return 1;

    unsigned short handle = 0;
    const CncDirectory directory = connectAndList(library, *address, &handle);
    if (directory.result != EW_OK) {
        library.cnc_freelibhndl(handle);
        err << testoerrore(directory.result) << Qt::endl;
        return 1;
    }
    const auto onCnc = [&directory](const QString &number) {
        for (const CncProgramEntry &program : directory.programs) {
            if (programNumberText(program.number) == number)
                return true;
        }
        return false;
    };
    const MultiProgramCheck check = renumberPrograms(lines, *destination, onCnc);
    const QStringList stop = sendStoppers(check, *destination, onCnc, request.continueAnyway);
    for (const QString &problem : check.problems)
        err << problem << Qt::endl;
    for (const QString &line : stop)
        err << line << Qt::endl;
    if (!stop.isEmpty()) {
        library.cnc_freelibhndl(handle);
        return 1;
    }

    const CncDownload download =
        downloadProgram(library, handle, downloadText(check.lines, *destination), BusyRetry::LimitMs, pauseAndGoOn);
    for (const QString &line : downloadMessages(download))
        err << line << Qt::endl;
    const bool sent = download.started && download.result == EW_OK;
    const bool verified = sent && (!request.verify || verifySent(library, handle, check.lines, *destination, err));
    library.cnc_freelibhndl(handle);
    return verified ? 0 : 1;
}
