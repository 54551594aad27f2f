#include "serialcncprocess.h"

SerialCncProcess::SerialCncProcess(const QString &program, const QStringList &arguments)
{
    m_process.start(program, arguments);
    if (!m_process.waitForStarted())
        qFatal("serialcnc does not start");
}

SerialCncProcess::~SerialCncProcess()
{
    m_process.terminate();
    m_process.waitForFinished();
}

bool SerialCncProcess::ready()
{
    if (m_device.isEmpty() && m_process.canReadLine())
        m_device = QString::fromLocal8Bit(m_process.readLine().trimmed());
    return !m_device.isEmpty();
}

QStringList SerialCncProcess::events()
{
    m_events += QString::fromLatin1(m_process.readAllStandardOutput());
    return m_events.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void SerialCncProcess::kill()
{
    m_process.kill();
    m_process.waitForFinished();
}
