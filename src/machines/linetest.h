#pragma once

#include "machinefile.h"
#include "machinestate.h"

#include <QString>
#include <QStringList>

#include <vector>

class CRegistry;
class Pinger;
class PortProbe;
class ProgramFolder;

// The dotted address of the network serial driver's number, most significant byte first; a
// negative number is the same 32 bits read unsigned (-939458045 → 200.1.2.3).
QString AddressFromNumber(qint64 number);

struct NetworkSerialPort {
    int comPort = 0;
    QString address;
};
// The COM ports that the network serial driver provides, as its registry key lists them; none
// when the key is absent.
std::vector<NetworkSerialPort> readNetworkSerialPorts(const CRegistry &registry);

// Clears the network serial port table and fills it from the registry, every device pinged at
// the same time.
void findNetworkSerialPorts(NetworkSerialPorts &ports, const CRegistry &registry, Pinger &pinger);

struct LineTestReport {
    QStringList lines; // the result lines, Ethernet machines then the separator then COM ports
    bool failed = false; // some line did not answer
    MachineList list;    // the machine list as read for the test
};

// Tests every line once: the network serial ports, every Ethernet machine pinged and every
// serial machine's port opened, all at the same time, the lines in file order. Fills the
// network serial port table of machines.
LineTestReport runLineTest(MachineState &machines, const ProgramFolder &folder, const CRegistry &registry,
                           Pinger &pinger, PortProbe &probe);
