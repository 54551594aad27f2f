#include "cncsimprocess.h"

#include <QDeadlineTimer>

CncSimProcess::CncSimProcess(const QString &program, const QString &folder, const QStringList &options)
{
    m_process.start(program, QStringList{QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--programs"),
                                         folder} + options);
    if (!m_process.waitForStarted())
        qFatal("cncsim does not start");
}

CncSimProcess::~CncSimProcess()
{
    m_process.terminate();
    if (!m_process.waitForFinished())
        m_process.kill();
}

quint16 CncSimProcess::port()
{
    const QDeadlineTimer deadline(10000);
    while (m_port == 0 && !m_process.canReadLine() && m_process.state() == QProcess::Running
           && !deadline.hasExpired())
        m_process.waitForReadyRead(int(deadline.remainingTime()));
    if (m_port == 0 && m_process.canReadLine()) {
        const QList<QByteArray> words = m_process.readLine().trimmed().split(' ');
        if (words.size() == 2 && words.at(0) == "PORT")
            m_port = words.at(1).toUShort();
    }
    return m_port;
}
