#include "cncdirectorycommand.h"

#include "cncaddress.h"
#include "cncdirectory.h"
#include "cncresults.h"
#include "commandlinetext.h"
#include "machinefile.h"
#include "machinestate.h"
#include "transfercommands.h"

#include <QTextStream>

namespace {

constexpr long ConnectTimeoutSeconds = 10;

} // namespace

int listCncDirectory(const ProgramFolder &folder, const QString &machine, CncLibrary &library, QTextStream &out,
                     QTextStream &err)
{
    MachineState machines;
    const MachineList list = LoadMachineList(machines, folder);
    if (!list.error.isEmpty()) {
        err << list.error << Qt::endl;
        return 1;
    }
    if (!list.warning.isEmpty())
        err << list.warning << Qt::endl;
    const int position = findMachine(list, machine);
    if (position < 0) {
        err << unknownMachineReport(list, machine, folder).join(u'\n') << Qt::endl;
        return 1;
    }
    const MachineRecord &record = machines.table.at(list.entries.at(position).recordIndex);
    if (!record.isEthernet()) {
        err << CommandLineText::NotEthernet.arg(record.name) << Qt::endl;
        return 1;
    }
    QString error;
    const std::optional<CncAddress> address = parseCncAddress(record.settings, &error);
    if (!address) {
        err << error << Qt::endl;
        return 1;
    }

    unsigned short handle = 0;
    const short connected = library.cnc_allclibhndl3(address->host.toLatin1().constData(), address->port,
                                                     ConnectTimeoutSeconds, &handle);
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
