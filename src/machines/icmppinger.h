#pragma once

#include "lineprobes.h"

// An ICMP echo to the address, answered within a second: through an ICMP datagram socket where
// the system allows one, else a raw socket when privileged, else the system's ping program.
class IcmpPinger : public Pinger {
public:
    static constexpr int TimeoutMs = 1000;

    bool ping(const QString &address) override;
};
