#pragma once

#include <QProcess>
#include <QStringList>

// serialcnc, the simulated serial machine, running in one of its modes for a test.
// device() is the pseudo-terminal a COM port is mapped to, once ready() says it is known.
class SerialCncProcess {
public:
    SerialCncProcess(const QString &program, const QStringList &arguments);
    ~SerialCncProcess();
    SerialCncProcess(const SerialCncProcess &) = delete;
    SerialCncProcess &operator=(const SerialCncProcess &) = delete;

    bool ready();
    QString device() const { return m_device; }
    // Its --verbose event lines so far.
    QStringList events();
    // The machine vanishes at once, as an unplugged adapter does: its end of the line closes.
    void kill();

private:
    QProcess m_process;
    QString m_device;
    QString m_events;
};
