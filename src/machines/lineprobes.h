#pragma once

#include <QString>

// Whether the device at an IPv4 address answers. Called from several threads at once; each call
// ends within its own time-out.
class Pinger {
public:
    virtual ~Pinger() = default;
    virtual bool ping(const QString &address) = 0;
};

// Whether a COM port can be opened now (the device is there, and free). Called from several
// threads at once.
class PortProbe {
public:
    virtual ~PortProbe() = default;
    virtual bool canOpen(int comPort) = 0;
};
