#include "quietstandarderror.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

QuietStandardError::QuietStandardError()
{
    std::fflush(stderr);
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (null < 0)
        return;
    m_saved = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    // Without a copy to put back, standard error stays as it is rather than lost for good.
    if (m_saved >= 0 && ::dup2(null, STDERR_FILENO) < 0) {
        ::close(m_saved);
        m_saved = -1;
    }
    ::close(null);
}

QuietStandardError::~QuietStandardError()
{
    if (m_saved < 0)
        return;
    std::fflush(stderr);
    // dup2 onto an open descriptor fails only on a signal; try again then.
    while (::dup2(m_saved, STDERR_FILENO) < 0 && errno == EINTR) {
    }
    ::close(m_saved);
}
