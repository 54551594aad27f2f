#pragma once

#include "cregistry.h"
#include "linetest.h"
#include "machinestate.h"
#include "programfolder.h"

#include <QObject>

class Pinger;
class PortProbe;
class QThread;

// One run of the line test on a worker thread, owned by whoever owns the machine state: when
// the test ends, its network serial port table goes to the machine state whatever became of
// the window that showed it, so that serial sends still tell the devices that serve their
// ports.
class LineTestJob : public QObject {
    Q_OBJECT
public:
    LineTestJob(MachineState &machines, ProgramFolder folder, CRegistry registry, Pinger &pinger, PortProbe &probe);
    // Waits for a test under way; it ends within its time-outs.
    ~LineTestJob() override;

    void start();

signals:
    // The network serial ports are in the machine state by then.
    void finished(const LineTestReport &report);

private:
    MachineState &m_machines;
    ProgramFolder m_folder;
    CRegistry m_registry;
    Pinger &m_pinger;
    PortProbe &m_probe;
    QThread *m_test = nullptr;
};
