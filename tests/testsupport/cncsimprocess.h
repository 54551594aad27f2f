#pragma once

#include <QProcess>
#include <QStringList>

// cncsim, the simulated CNC on the network, serving a program folder on 127.0.0.1 for a test.
class CncSimProcess {
public:
    // program: the cncsim executable; options: its switches besides --port and --programs.
    CncSimProcess(const QString &program, const QString &folder, const QStringList &options = {});
    ~CncSimProcess();
    CncSimProcess(const CncSimProcess &) = delete;
    CncSimProcess &operator=(const CncSimProcess &) = delete;

    // The port it listens on, waiting for it to say so; 0 when it did not start.
    quint16 port();

private:
    QProcess m_process;
    quint16 m_port = 0;
};
