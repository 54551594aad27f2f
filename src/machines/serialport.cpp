#include "serialport.h"

#include "machinestate.h"

void ApplyMachineToPort(const MachineRecord &record, SerialPort &port)
{
    port.setHandshaking(record.handshaking);
    port.setCommPort(record.comPort);
    port.setSettings(record.settings);
}
