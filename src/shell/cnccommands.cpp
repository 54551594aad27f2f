#include "cnccommands.h"

#include "cncaddress.h"
#include "cncdirectory.h"
#include "cncresults.h"
#include "cncupload.h"
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
constexpr int UploadBusyLimitSeconds = 30;

} // namespace

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

// Connects to the machine's CNC; the connect's result, with the handle to release in any case.
short connectTo(CncLibrary &library, const CncAddress &address, unsigned short *handle)
{
    return library.cnc_allclibhndl3(address.host.toLatin1().constData(), address.port, ConnectTimeoutSeconds,
                                    handle);
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
    QString error;
    const std::optional<CncAddress> address = parseCncAddress(record->settings, &error);
    if (!address) {
        err << error << Qt::endl;
        return 1;
    }

    unsigned short handle = 0;
    const short connected = connectTo(library, *address, &handle);
    CncDirectory directory;
    if (connected == EW_OK)
        directory = readCncDirectory(library, handle);
    library.cnc_freelibhndl(handle);
    for (const CncProgramEntry &program : directory.programs) {
        out << programNumberText(program.number) << '\t' << program.size << '\t'
            << QString::fromLatin1(program.comment) << '\n';
    }
    out.flush();
    const short result = connected != EW_OK ? connected : directory.result;
    if (result != EW_OK) {
        err << testoerrore(result) << Qt::endl;
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
    QString error;
    const std::optional<CncAddress> address = parseCncAddress(record->settings, &error);
    if (!number || !address) {
        err << (number ? error : EthernetText::InvalidNumber) << Qt::endl;
        return 1;
    }

    unsigned short handle = 0;
    const short connected = connectTo(library, *address, &handle);
    CncUpload upload;
    if (connected == EW_OK)
        upload = uploadProgram(library, handle, *number, UploadBusyLimitSeconds * 1000,
                               [](int milliseconds) {
                                   QThread::msleep(ulong(milliseconds));
                                   return true;
                               });
    library.cnc_freelibhndl(handle);
    const short result = connected != EW_OK ? connected : upload.result;
    if (result != EW_OK) {
        err << (result == EW_BUFFER ? EthernetText::UploadTimedOut.arg(UploadBusyLimitSeconds) : testoerrore(result))
            << Qt::endl;
        return 1;
    }
    const std::optional<QStringList> lines = uploadedLines(upload.text);
    if (!lines) {
        err << EthernetText::NotFramed << Qt::endl;
        return 1;
    }
    if (!TextFile::writeAtomically(file, terminalText(*lines), &error)) {
        err << file << ": " << error << Qt::endl;
        return 1;
    }
    return 0;
}
