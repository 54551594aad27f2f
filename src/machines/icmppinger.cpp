#include "icmppinger.h"

#include <QElapsedTimer>

#include <atomic>
#include <cstring>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/ip.h>
#include <netinet/ip_icmp.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

std::atomic<quint16> nextSequence{1};

quint16 checksum(const unsigned char *data, size_t size)
{
    quint32 sum = 0;
    for (size_t i = 0; i + 1 < size; i += 2)
        sum += quint32(data[i] << 8 | data[i + 1]);
    if (size % 2)
        sum += quint32(data[size - 1] << 8);
    while (sum >> 16)
        sum = (sum & 0xffff) + (sum >> 16);
    return quint16(~sum);
}

// Sends one echo request on the socket and waits for its reply until the time-out. A datagram
// socket delivers the ICMP message alone (the kernel sets the identifier); a raw socket delivers
// every ICMP message with its IP header.
bool echo(int socket, const in_addr &target, bool raw)
{
    const quint16 sequence = nextSequence++;
    const quint16 identifier = quint16(::getpid());
    unsigned char request[16] = {};
    request[0] = ICMP_ECHO;
    request[4] = identifier >> 8;
    request[5] = identifier & 0xff;
    request[6] = sequence >> 8;
    request[7] = sequence & 0xff;
    const quint16 sum = checksum(request, sizeof request);
    request[2] = sum >> 8;
    request[3] = sum & 0xff;
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr = target;
    if (::sendto(socket, request, sizeof request, 0, reinterpret_cast<sockaddr *>(&to), sizeof to) < 0)
        return false;

    QElapsedTimer clock;
    clock.start();
    for (qint64 left = IcmpPinger::TimeoutMs; left > 0; left = IcmpPinger::TimeoutMs - clock.elapsed()) {
        pollfd waiting{socket, POLLIN, 0};
        if (::poll(&waiting, 1, int(left)) <= 0)
            return false;
        unsigned char reply[1500];
        sockaddr_in from{};
        socklen_t fromSize = sizeof from;
        const ssize_t size = ::recvfrom(socket, reply, sizeof reply, 0, reinterpret_cast<sockaddr *>(&from), &fromSize);
        if (size <= 0 || from.sin_addr.s_addr != target.s_addr)
            continue;
        size_t offset = 0;
        if (raw)
            offset = size_t(reply[0] & 0x0f) * 4;
        if (size_t(size) < offset + 8)
            continue;
        const unsigned char *icmp = reply + offset;
        const quint16 gotSequence = quint16(icmp[6] << 8 | icmp[7]);
        const quint16 gotIdentifier = quint16(icmp[4] << 8 | icmp[5]);
        if (icmp[0] == ICMP_ECHOREPLY && gotSequence == sequence && (!raw || gotIdentifier == identifier))
            return true;
    }
    return false;
}

bool pingProgram(const QByteArray &address)
{
    const char *arguments[] = {"ping", "-c", "1", "-W", "1", "-q", address.constData(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned =
        posix_spawnp(&child, "ping", &actions, nullptr, const_cast<char *const *>(arguments), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return false;
    // ping keeps its own second; this only guards against one that hangs.
    QElapsedTimer clock;
    clock.start();
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (clock.elapsed() > 3 * IcmpPinger::TimeoutMs) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return false;
        }
        ::usleep(10000);
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

bool IcmpPinger::ping(const QString &address)
{
    in_addr target{};
    const QByteArray text = address.trimmed().toLatin1();
    if (::inet_aton(text.constData(), &target) == 0)
        return false;
    for (const bool raw : {false, true}) {
        const int socket = ::socket(AF_INET, (raw ? SOCK_RAW : SOCK_DGRAM) | SOCK_CLOEXEC, IPPROTO_ICMP);
        if (socket < 0)
            continue;
        const bool answered = echo(socket, target, raw);
        ::close(socket);
        return answered;
    }
    return pingProgram(QByteArray(::inet_ntoa(target)));
}
