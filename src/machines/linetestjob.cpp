#include "linetestjob.h"

#include <QThread>

#include <memory>

LineTestJob::LineTestJob(MachineState &machines, ProgramFolder folder, CRegistry registry, Pinger &pinger,
                         PortProbe &probe)
    : m_machines(machines), m_folder(std::move(folder)), m_registry(std::move(registry)), m_pinger(pinger),
      m_probe(probe)
{
}

LineTestJob::~LineTestJob()
{
    if (m_test) {
        m_test->wait();
        delete m_test;
    }
}

void LineTestJob::start()
{
    if (m_test)
        return;
    // The test works on a copy, so that nothing else sees the tables half filled.
    auto tested = std::make_shared<MachineState>(m_machines);
    auto report = std::make_shared<LineTestReport>();
    m_test = QThread::create([this, tested, report] {
        *report = runLineTest(*tested, m_folder, m_registry, m_pinger, m_probe);
    });
    connect(m_test, &QThread::finished, this, [this, tested, report] {
        m_test->deleteLater();
        m_test = nullptr;
        // The machine table is read again by every window that lists machines; only the
        // network serial ports are this test's to hand on.
        m_machines.netPorts = tested->netPorts;
        emit finished(*report);
    });
    m_test->start();
}
