#pragma once

#include <QString>

struct MachineRecord;

// Why a serial machine's record cannot go onto a port (port number, flow control or line end
// out of range), as the message to show; empty when it can. A hand-edited cncsett.dat may
// hold any 16-bit number there, and the port must not be opened with it.
QString SerialMachineProblem(const MachineRecord &record);
