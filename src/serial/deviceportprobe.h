#pragma once

#include "lineprobes.h"

// Opens the terminal device that a COM port maps to and closes it again at once.
class DevicePortProbe : public PortProbe {
public:
    bool canOpen(int comPort) override;
};
