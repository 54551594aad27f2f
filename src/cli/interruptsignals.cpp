#include "interruptsignals.h"

#include <QSocketNotifier>

#include <csignal>

#include <sys/signalfd.h>
#include <unistd.h>

namespace {

sigset_t interruptSet()
{
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

} // namespace

void InterruptSignals::block()
{
    const sigset_t set = interruptSet();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

InterruptSignals::InterruptSignals(QObject *parent) : QObject(parent)
{
    const sigset_t set = interruptSet();
    m_fd = ::signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
    if (m_fd < 0)
        return;
    m_notifier = new QSocketNotifier(qintptr(m_fd), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &InterruptSignals::readSignals);
}

InterruptSignals::~InterruptSignals()
{
    delete m_notifier;
    if (m_fd >= 0)
        ::close(m_fd);
}

void InterruptSignals::readSignals()
{
    signalfd_siginfo info{};
    while (::read(m_fd, &info, sizeof info) == ssize_t(sizeof info))
        emit received(int(info.ssi_signo));
}

int InterruptSignals::takePending()
{
    signalfd_siginfo info{};
    if (m_fd >= 0 && ::read(m_fd, &info, sizeof info) == ssize_t(sizeof info))
        return int(info.ssi_signo);
    return 0;
}
