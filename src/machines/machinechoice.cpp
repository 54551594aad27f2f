#include "machinechoice.h"

#include "dialogs.h"
#include "serialmachinecheck.h"
#include "serialport.h"
#include "transferflags.h"

MachineChoice::MachineChoice(MachineState &machines, const ProgramFolder &folder, SerialPort &port,
                             TransferFlags &flags, Dialogs &dialogs)
    : m_machines(machines), m_folder(folder), m_port(port), m_flags(flags), m_dialogs(dialogs)
{
}

MachineList MachineChoice::open()
{
    MachineList list = LoadMachineList(m_machines, m_folder);
    ReportMachineList(list, m_dialogs);
    m_entries = list.entries;
    return list;
}

void MachineChoice::select(int position)
{
    if (position < 0 || position >= m_entries.size())
        return;
    m_machines.currentMachine = qint16(m_entries.at(position).recordIndex - 1);
}

void MachineChoice::confirm()
{
    // The empty record has no port and no settings: nothing could be sent with it.
    if (m_entries.isEmpty()) {
        cancel();
        return;
    }
    const MachineRecord &record = m_machines.currentRecord();
    if (record.isEthernet())
        return;
    if (const QString problem = SerialMachineProblem(record); !problem.isEmpty()) {
        m_dialogs.message(problem, {}, Dialogs::Icon::Exclamation);
        cancel();
        return;
    }
    ApplyMachineToPort(record, m_port);
    m_flags.notifyAddress = m_machines.netPorts.notifyAddress(record.comPort);
}

void MachineChoice::cancel()
{
    m_flags.transferCancelled = true;
}

int findMachine(const MachineList &list, const QString &name)
{
    const QString wanted = name.trimmed();
    for (qsizetype i = 0; i < list.entries.size(); ++i) {
        if (list.entries.at(i).name.trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

bool chooseNamedMachine(MachineState &machines, const ProgramFolder &folder, SerialPort &port, TransferFlags &flags,
                        Dialogs &dialogs, const QString &name)
{
    MachineChoice choice(machines, folder, port, flags, dialogs);
    const MachineList list = choice.open();
    const int position = findMachine(list, name);
    if (position < 0) {
        choice.cancel();
        return false;
    }
    choice.select(position);
    choice.confirm();
    return true;
}
