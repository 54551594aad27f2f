#pragma once

#include "lineprobes.h"

#include <QSet>
#include <QString>

#include <atomic>

// Answers for the addresses it is told; a silent address takes silentMs before it says no, as a
// dead device takes the whole time-out. Addresses nothing on the network.
class FakePinger : public Pinger {
public:
    QSet<QString> answering;
    int silentMs = 0;
    std::atomic<int> calls = 0;

    bool ping(const QString &address) override;
};

// Opens the COM ports it is told.
class FakePortProbe : public PortProbe {
public:
    QSet<int> openable;

    bool canOpen(int comPort) override { return openable.contains(comPort); }
};
