// cncsim: a simulated CNC on the network, for libcncsim (the stand-in for the CNC maker's
// library) to talk to. Its memory is a folder of program files; switches make it busy, refuse
// downloads, deletes or connections, or cut a connection, as real machines do.
// It prints "PORT n" on its first output line and serves until SIGTERM or SIGINT.

#include "cncserver.h"
#include "machineconfig.h"
#include "programstore.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int)
{
    stopRequested = 1;
}

struct Options {
    std::string listen = "127.0.0.1";
    long port = -1;
    std::string programs;
    long dropAfter = -1;
    long stallAfter = -1;
    cncsim::MachineConfig machine;
};

[[noreturn]] void usage(const std::string &message = {})
{
    if (!message.empty())
        std::fprintf(stderr, "cncsim: %s\n", message.c_str());
    std::fputs("usage: cncsim --port PORT --programs DIR [--listen ADDR] [--cnc-type T] [--machine-type M]\n"
               "              [--main N] [--running N] [--busy N] [--reject-detail D]\n"
               "              [--refuse-delete CODE] [--refuse-connect] [--drop-after BYTES]\n"
               "              [--stall-after BYTES]\n",
               stderr);
    std::exit(2);
}

long number(const char *text, const char *what, long low, long high)
{
    char *end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || value < low || value > high)
        usage(std::string("bad ") + what + ": " + text);
    return value;
}

// The CNC fills its two-character type fields from the right, with a blank in front.
std::string typeField(const char *text, const char *what)
{
    const std::string value = text;
    if (value.empty() || value.size() > 2)
        usage(std::string(what) + " takes one or two characters");
    return std::string(2 - value.size(), ' ') + value;
}

Options parse(int argc, char **argv)
{
    Options o;
    bool runningGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        auto value = [&](const char *what) {
            if (i + 1 >= argc)
                usage(std::string("missing ") + what);
            return argv[++i];
        };
        if (arg == "--port")
            o.port = number(value("port"), "port", 0, 65535);
        else if (arg == "--programs")
            o.programs = value("program folder");
        else if (arg == "--listen")
            o.listen = value("address");
        else if (arg == "--cnc-type")
            o.machine.cncType = typeField(value("CNC type"), "--cnc-type");
        else if (arg == "--machine-type")
            o.machine.machineType = typeField(value("machine type"), "--machine-type");
        else if (arg == "--main")
            o.machine.mainProgram = int(number(value("main program"), "main program", 0, cncsim::MaxProgramNumber));
        else if (arg == "--running") {
            o.machine.runningProgram =
                int(number(value("running program"), "running program", 0, cncsim::MaxProgramNumber));
            runningGiven = true;
        } else if (arg == "--busy")
            o.machine.busy = int(number(value("busy count"), "busy count", 0, 1000000));
        else if (arg == "--reject-detail")
            o.machine.rejectDetail = int(number(value("detail"), "detail", -32768, 32767));
        else if (arg == "--refuse-delete") {
            o.machine.refuseDelete = int(number(value("result code"), "result code", -32768, 32767));
            if (o.machine.refuseDelete == 0)
                usage("--refuse-delete needs a code other than 0");
        } else if (arg == "--refuse-connect")
            o.machine.refuseConnect = true;
        else if (arg == "--drop-after")
            o.dropAfter = number(value("byte count"), "byte count", 0, 1L << 40);
        else if (arg == "--stall-after")
            o.stallAfter = number(value("byte count"), "byte count", 0, 1L << 40);
        else
            usage("unknown option " + std::string(arg));
    }
    if (o.port < 0)
        usage("--port is needed (0 picks a free one)");
    if (o.programs.empty())
        usage("--programs is needed");
    // A CNC that is not inside a subprogram runs its main program.
    if (!runningGiven)
        o.machine.runningProgram = o.machine.mainProgram;
    return o;
}

// A listening socket on the address; its port is written to port.
int listenOn(const std::string &address, long &port)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICHOST | AI_NUMERICSERV | AI_PASSIVE;
    addrinfo *found = nullptr;
    const std::string service = std::to_string(port);
    if (const int error = ::getaddrinfo(address.c_str(), service.c_str(), &hints, &found)) {
        std::fprintf(stderr, "cncsim: bad address %s: %s\n", address.c_str(), ::gai_strerror(error));
        return -1;
    }
    const int fd = ::socket(found->ai_family, found->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    const int yes = 1;
    bool ok = fd >= 0 && ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes) == 0
              && ::bind(fd, found->ai_addr, found->ai_addrlen) == 0 && ::listen(fd, 16) == 0;
    ::freeaddrinfo(found);
    sockaddr_storage bound{};
    socklen_t size = sizeof bound;
    ok = ok && ::getsockname(fd, reinterpret_cast<sockaddr *>(&bound), &size) == 0;
    if (!ok) {
        std::fprintf(stderr, "cncsim: cannot listen on %s port %ld: %s\n", address.c_str(), port, std::strerror(errno));
        if (fd >= 0)
            ::close(fd);
        return -1;
    }
    port = bound.ss_family == AF_INET6 ? ntohs(reinterpret_cast<sockaddr_in6 *>(&bound)->sin6_port)
                                       : ntohs(reinterpret_cast<sockaddr_in *>(&bound)->sin_port);
    return fd;
}

} // namespace

int main(int argc, char **argv)
{
    Options options = parse(argc, argv);

    struct stat st{};
    if (::stat(options.programs.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        std::fprintf(stderr, "cncsim: %s is not a folder\n", options.programs.c_str());
        return 1;
    }

    // The stop signals only get through while the server waits, so none is lost between checks.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGHUP);
    sigset_t waitMask;
    sigprocmask(SIG_BLOCK, &stopSignals, &waitMask);
    struct sigaction action{};
    action.sa_handler = requestStop;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
    ::signal(SIGPIPE, SIG_IGN);

    const int listener = listenOn(options.listen, options.port);
    if (listener < 0)
        return 1;
    std::printf("PORT %ld\n", options.port);
    std::fflush(stdout);

    const cncsim::ProgramStore store(options.programs);
    int result;
    {
        cncsim::CncServer server(listener, options.machine, store, options.dropAfter, options.stallAfter);
        result = server.run(stopRequested, waitMask);
    }
    ::close(listener);
    return result;
}
