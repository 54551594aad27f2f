#include "machinelisting.h"

#include "commandlinetext.h"
#include "commandrun.h"
#include "machinefile.h"
#include "machinestate.h"
#include "machinetext.h"

#include <QStringList>
#include <QCoreApplication>
#include <QTextStream>

namespace {

QString flowName(int handshaking)
{
    switch (handshaking) {
    case 0: return MachineText::NoFlow;
    case 1: return MachineText::XonFlow;
    case 2: return MachineText::RtsFlow;
    case 3: return MachineText::BothFlow;
    }
    return QString::number(handshaking);
}

QString lineEndName(int lineEnd)
{
    switch (lineEnd) {
    case 0: return MachineText::LineEndCrLf;
    case 1: return MachineText::LineEndLf;
    case 2: return MachineText::LineEndCr.toString().trimmed();
    }
    return QString::number(lineEnd);
}

} // namespace

bool listMachines(const ProgramFolder &folder, QString *listing, QString *error, QString *warning)
{
    MachineState machines;
    const MachineList list = LoadMachineList(machines, folder);
    if (!list.error.isEmpty()) {
        *error = list.error;
        return false;
    }
    *warning = list.warning;
    listing->clear();
    for (const MachineListEntry &entry : list.entries) {
        const MachineRecord &record = machines.table.at(entry.recordIndex);
        QStringList columns{QString::number(entry.recordIndex), ShownMachineName(record.name)};
        if (record.isEthernet()) {
            columns << QStringLiteral("Ethernet")
                    << record.ethernetAddress() + QLatin1Char(':') + QString::number(record.ethernetPort());
        } else {
            columns << CommandLineText::SerialKind.toString() << QStringLiteral("COM%1").arg(record.comPort)
                    << record.settings << flowName(record.handshaking) << lineEndName(record.lineEnd);
        }
        *listing += columns.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return true;
}

int listMachinesCommand(int argc, char **argv)
{
    CommandApplication app(argc, argv);
    CommandFolder run;
    if (!run.announce())
        return 1;
    QString listing;
    QString error;
    QString warning;
    if (!listMachines(run.folder(), &listing, &error, &warning)) {
        QTextStream(stderr) << error << '\n';
        return 1;
    }
    if (!warning.isEmpty())
        QTextStream(stderr) << warning << '\n';
    QTextStream(stdout) << listing;
    return 0;
}
