#include "cnclink.h"

#include "fwlib.h"

#include <algorithm>
#include <cerrno>
#include <limits>
#include <string>

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace cncsim {

CncLink::~CncLink()
{
    closeSocket();
}

void CncLink::close()
{
    std::lock_guard lock(m_mutex);
    closeSocket();
}

void CncLink::closeSocket()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

CncLink::Clock::time_point CncLink::deadline() const
{
    // Beyond a few weeks a time-out is as good as none, and the clock's range stays safe.
    constexpr long Longest = 30L * 24 * 3600;
    return m_timeout > 0 ? Clock::now() + std::chrono::seconds(std::min(m_timeout, Longest))
                         : Clock::time_point::max();
}

int CncLink::left(Clock::time_point deadline) const
{
    if (deadline == Clock::time_point::max())
        return -1;
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return int(std::clamp<decltype(ms)>(ms, 0, std::numeric_limits<int>::max()));
}

short CncLink::open(const char *address, unsigned short port, long timeoutSeconds)
{
    std::lock_guard lock(m_mutex);
    closeSocket();
    m_timeout = timeoutSeconds;
    const Clock::time_point until = deadline();
    if (!connectTo(address, port, until))
        return EW_SOCKET;
    std::string fields;
    const short result = exchange(Writer().op(Op::Hello).bytes(Magic), fields);
    if (result == EW_SOCKET || result == EW_PROTOCOL) {
        closeSocket();
        return result;
    }
    Reader in(fields);
    m_downloadBlock = in.u32();
    if (result != EW_OK || !in.done() || m_downloadBlock == 0) {
        closeSocket();
        return EW_PROTOCOL;
    }
    return EW_OK;
}

bool CncLink::connectTo(const char *address, unsigned short port, Clock::time_point until)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICSERV;
    addrinfo *found = nullptr;
    if (::getaddrinfo(address, std::to_string(port).c_str(), &hints, &found) != 0)
        return false;
    for (const addrinfo *a = found; a && m_fd < 0; a = a->ai_next) {
        const int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0)
            continue;
        bool connected = ::connect(fd, a->ai_addr, a->ai_addrlen) == 0;
        if (!connected && errno == EINPROGRESS) {
            pollfd p{fd, POLLOUT, 0};
            int error = 0;
            socklen_t size = sizeof error;
            connected = ::poll(&p, 1, left(until)) == 1
                        && ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
        }
        if (connected) {
            // One frame a request, and an answer awaited: nothing gains from being held back.
            const int on = 1;
            ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
            m_fd = fd;
        } else {
            ::close(fd);
        }
    }
    ::freeaddrinfo(found);
    return m_fd >= 0;
}

bool CncLink::sendAll(const std::string &data, Clock::time_point until)
{
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::send(m_fd, data.data() + done, data.size() - done, MSG_NOSIGNAL);
        if (n > 0) {
            done += std::size_t(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN)
            return false;
        pollfd p{m_fd, POLLOUT, 0};
        if (::poll(&p, 1, left(until)) != 1)
            return false;
    }
    return true;
}

bool CncLink::receive(char *data, std::size_t size, Clock::time_point until)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::recv(m_fd, data + done, size - done, 0);
        if (n > 0) {
            done += std::size_t(n);
            continue;
        }
        if (n == 0)
            return false; // the server went away
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN)
            return false;
        pollfd p{m_fd, POLLIN, 0};
        if (::poll(&p, 1, left(until)) != 1)
            return false;
    }
    return true;
}

short CncLink::call(const Writer &request, std::string &fields)
{
    std::lock_guard lock(m_mutex);
    return exchange(request, fields);
}

short CncLink::exchange(const Writer &request, std::string &fields)
{
    if (m_fd < 0)
        return EW_SOCKET;
    const Clock::time_point until = deadline();
    char header[4];
    if (!sendAll(request.frame(), until) || !receive(header, sizeof header, until)) {
        closeSocket();
        return EW_SOCKET;
    }
    const std::uint32_t length = frameLength(header);
    if (length < 2 || length > MaxFrame) {
        closeSocket();
        return EW_PROTOCOL;
    }
    std::string body(length, '\0');
    if (!receive(body.data(), body.size(), until)) {
        closeSocket();
        return EW_SOCKET;
    }
    Reader in(body);
    const short result = in.i16();
    if (result < EW_PROTOCOL || result > EW_PASSWD) {
        closeSocket();
        return EW_PROTOCOL;
    }
    fields = body.substr(2);
    return result;
}

short CncLink::garbage()
{
    std::lock_guard lock(m_mutex);
    closeSocket();
    return EW_PROTOCOL;
}

} // namespace cncsim
