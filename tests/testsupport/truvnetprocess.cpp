#include "truvnetprocess.h"

#include "tempprogramfolder.h"

#include <csignal>

TruvnetProcess::TruvnetProcess(const QString &program, const TempProgramFolder &temp, const QStringList &arguments,
                               const QStringList &wrapper)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("TRUV_HOME"), temp.folder().root());
    // Counts are grouped as the locale says.
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("it_IT.UTF-8"));
    // A rescued program goes here, not into the user's own state folder.
    env.insert(QStringLiteral("XDG_STATE_HOME"), temp.path(QStringLiteral("state")));
    m_process.setProcessEnvironment(env);
    if (wrapper.isEmpty())
        m_process.start(program, arguments);
    else
        m_process.start(wrapper.first(), wrapper.mid(1) + QStringList{program} + arguments);
}

TruvnetProcess::~TruvnetProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

void TruvnetProcess::signal(int number)
{
    ::kill(pid_t(m_process.processId()), number);
}

QString TruvnetProcess::err()
{
    m_err += QString::fromUtf8(m_process.readAllStandardError());
    return m_err;
}

QStringList TruvnetProcess::outLines()
{
    m_out += QString::fromUtf8(m_process.readAllStandardOutput());
    return m_out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}
