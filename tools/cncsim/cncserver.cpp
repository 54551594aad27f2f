#include "cncserver.h"

#include "protocol.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace cncsim {

CncServer::CncServer(int listener, const MachineConfig &config, const ProgramStore &store, long dropAfter,
                     long stallAfter)
    : m_listener(listener), m_config(config), m_store(store), m_dropAfter(dropAfter), m_stallAfter(stallAfter)
{
}

CncServer::~CncServer()
{
    for (Client &client : m_clients)
        ::close(client.fd);
}

int CncServer::run(const volatile std::sig_atomic_t &stop, const sigset_t &waitMask)
{
    std::vector<pollfd> fds;
    while (!stop) {
        fds.clear();
        fds.push_back({m_listener, POLLIN, 0});
        for (const Client &client : m_clients)
            fds.push_back({client.fd, short(client.out.empty() ? (client.closing ? 0 : POLLIN) : POLLOUT), 0});
        if (::ppoll(fds.data(), fds.size(), nullptr, &waitMask) < 0) {
            if (errno == EINTR)
                continue;
            std::fprintf(stderr, "cncsim: poll: %s\n", std::strerror(errno));
            return 1;
        }
        // Clients first: accept() may grow the list that fds mirrors.
        std::vector<Client> kept;
        kept.reserve(m_clients.size() + 1);
        for (std::size_t i = 0; i < m_clients.size(); ++i) {
            Client &client = m_clients[i];
            const short events = fds[i + 1].revents;
            bool alive = true;
            if (events & POLLOUT)
                alive = writeTo(client);
            else if (events & (POLLIN | POLLHUP | POLLERR))
                alive = readFrom(client);
            if (alive && client.closing && client.out.empty())
                alive = false;
            if (alive)
                kept.push_back(std::move(client));
            else
                ::close(client.fd);
        }
        m_clients = std::move(kept);
        if (fds[0].revents & POLLIN)
            accept();
    }
    return 0;
}

void CncServer::accept()
{
    const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) {
        // A client that gave up before being accepted is no reason to stop serving the others.
        if (errno != EAGAIN && errno != ECONNABORTED && errno != EINTR)
            std::fprintf(stderr, "cncsim: accept: %s\n", std::strerror(errno));
        return;
    }
    Client client;
    client.fd = fd;
    client.session = std::make_unique<CncSession>(m_config, m_store);
    m_clients.push_back(std::move(client));
}

bool CncServer::readFrom(Client &client)
{
    char buffer[65536];
    const ssize_t n = ::recv(client.fd, buffer, sizeof buffer, 0);
    if (n < 0)
        return errno == EAGAIN || errno == EINTR;
    if (n == 0)
        return false; // the library released its handle
    client.in.append(buffer, std::size_t(n));
    while (!client.closing && client.in.size() >= 4) {
        const std::uint32_t length = frameLength(client.in.data());
        if (length > MaxFrame) {
            std::fprintf(stderr, "cncsim: a client sent a frame of %u bytes; closing it\n", length);
            return false;
        }
        if (client.in.size() < 4 + std::size_t(length))
            break;
        const CncSession::Answer answer = client.session->answer(std::string_view(client.in).substr(4, length));
        client.in.erase(0, 4 + std::size_t(length));
        queue(client, framed(answer.body));
        if (answer.close)
            client.closing = true;
    }
    return true;
}

void CncServer::queue(Client &client, const std::string &frame)
{
    std::size_t size = frame.size();
    if (m_dropAfter >= 0 && client.sent + long(size) > m_dropAfter) {
        size = std::size_t(m_dropAfter - client.sent);
        client.closing = true;
    }
    if (m_stallAfter >= 0 && client.sent + long(size) > m_stallAfter)
        size = std::size_t(std::max(0L, m_stallAfter - client.sent)); // and nothing more, ever
    client.out.append(frame, 0, size);
    client.sent += long(size);
}

bool CncServer::writeTo(Client &client)
{
    const ssize_t n = ::send(client.fd, client.out.data(), client.out.size(), MSG_NOSIGNAL);
    if (n < 0)
        return errno == EAGAIN || errno == EINTR;
    client.out.erase(0, std::size_t(n));
    return true;
}

} // namespace cncsim
