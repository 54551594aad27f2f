// What the simulated CNC is and how it misbehaves, as set on the command line.
#pragma once

#include <optional>
#include <string>

namespace cncsim {

struct MachineConfig {
    std::string cncType = "31";   // two characters, right-aligned with a blank as the CNC does
    std::string machineType = " M";
    int mainProgram = 0;
    int runningProgram = 0;
    int busy = 0;                  // EW_BUFFER answers before each accepted or delivered block
    std::optional<int> rejectDetail; // every download refused with EW_DATA and this detail number
    int refuseDelete = 0;          // not 0: every delete answers this code
    bool refuseConnect = false;
};

} // namespace cncsim
