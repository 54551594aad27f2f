#include "serialmachinecheck.h"

#include "machinestate.h"
#include "machinetext.h"

QString SerialMachineProblem(const MachineRecord &record)
{
    const QString name = ShownMachineName(record.name);
    if (record.comPort < 1 || record.comPort > 16)
        return MachineText::BadComPort.arg(name).arg(record.comPort);
    if (record.handshaking < 0 || record.handshaking > 3)
        return MachineText::BadHandshaking.arg(name).arg(record.handshaking);
    if (record.lineEnd < 0 || record.lineEnd > 2)
        return MachineText::BadLineEnd.arg(name).arg(record.lineEnd);
    return {};
}
