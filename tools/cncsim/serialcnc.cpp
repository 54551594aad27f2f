// serialcnc: a serial CNC at the far end of a pseudo-terminal.
//
// It opens a pseudo-terminal pair, prints on its first output line the device that TRUV should
// open (map a COM port to it), and plays a machine on the other end:
//   receive  takes what TRUV sends at the pace of the given baud rate into a file, stops the
//            line with XOFF when its buffer fills and restarts it with XON when it has drained,
//            and can send a consent character each time TRUV opens the port;
//   punch    sends a file at the pace of the given baud rate each time TRUV opens the port,
//            pausing while TRUV holds the line with XOFF; with --record it punches once, as an
//            operator asking for a program does, and then writes what TRUV sends into a file;
//            --consent sends that character each second after the punch until something comes,
//            as an operator pressing the control's read key does.
// It runs until it is sent SIGTERM or SIGINT (punch --once: until the file has gone out once
// and the program has closed the port).
// Pseudo-terminals only: it never opens a network connection.

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr char Xon = 0x11;
constexpr char Xoff = 0x13;

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int)
{
    stopRequested = 1;
}

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point then, Clock::time_point now)
{
    return std::chrono::duration<double>(now - then).count();
}

struct Options {
    std::string mode;
    long baud = 9600;
    std::string link;
    std::string out;
    std::string in;
    std::string record;
    std::size_t buffer = 1024;
    double process = 0;  // characters per second the machine takes from its buffer; 0: at once
    std::optional<char> consent;
    long startDelayMs = 300;
    bool once = false;
    bool verbose = false;
};

[[noreturn]] void usage(const char *message = nullptr)
{
    if (message)
        std::fprintf(stderr, "serialcnc: %s\n", message);
    std::fputs("usage: serialcnc receive --baud N --out FILE [--buffer N] [--process CPS] [--consent HEX]\n"
               "                         [--link PATH] [--verbose]\n"
               "       serialcnc punch --baud N --in FILE [--start-delay MS] [--once] [--record FILE [--consent HEX]]\n"
               "                       [--link PATH] [--verbose]\n",
               stderr);
    std::exit(2);
}

long number(const char *text, const char *what)
{
    char *end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || value < 0)
        usage((std::string("bad ") + what).c_str());
    return value;
}

Options parse(int argc, char **argv)
{
    if (argc < 2)
        usage();
    Options o;
    o.mode = argv[1];
    if (o.mode != "receive" && o.mode != "punch")
        usage("the mode is receive or punch");
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        auto value = [&](const char *what) {
            if (i + 1 >= argc)
                usage((std::string("missing ") + what).c_str());
            return argv[++i];
        };
        if (arg == "--baud")
            o.baud = number(value("baud rate"), "baud rate");
        else if (arg == "--link")
            o.link = value("link path");
        else if (arg == "--out")
            o.out = value("output file");
        else if (arg == "--in")
            o.in = value("input file");
        else if (arg == "--record")
            o.record = value("record file");
        else if (arg == "--buffer")
            o.buffer = std::size_t(number(value("buffer size"), "buffer size"));
        else if (arg == "--process")
            o.process = double(number(value("processing rate"), "processing rate"));
        else if (arg == "--consent")
            o.consent = char(std::strtol(value("consent character"), nullptr, 16));
        else if (arg == "--start-delay")
            o.startDelayMs = number(value("start delay"), "start delay");
        else if (arg == "--once")
            o.once = true;
        else if (arg == "--verbose")
            o.verbose = true;
        else
            usage((std::string("unknown option ") + std::string(arg)).c_str());
    }
    if (o.baud < 50)
        usage("the baud rate must be at least 50");
    if (o.buffer < 8)
        usage("the buffer needs at least 8 characters");
    if (o.mode == "receive" && o.out.empty())
        usage("receive needs --out");
    if (o.mode == "punch" && o.in.empty())
        usage("punch needs --in");
    return o;
}

// The pseudo-terminal pair. The machine keeps the program's end open too, so the line and what
// is in it survive the program closing and reopening its port; it never reads from that end.
class Line {
public:
    Line()
    {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
            fail("no pseudo-terminal");
        m_device = ::ptsname(m_master);
        m_slave = ::open(m_device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (m_slave < 0)
            fail("cannot open the program's end");
        // At rest the line is raw, without CLOCAL and at 50 baud: a program that opens the port
        // sets its own attributes, and closing restores these, which tells the machine.
        termios t{};
        ::tcgetattr(m_slave, &t);
        ::cfmakeraw(&t);
        t.c_cflag &= ~tcflag_t(CLOCAL);
        t.c_cc[VMIN] = 1;
        t.c_cc[VTIME] = 0;
        ::cfsetispeed(&t, B50);
        ::cfsetospeed(&t, B50);
        if (::tcsetattr(m_slave, TCSANOW, &t) != 0)
            fail("cannot set the line at rest");
        ::tcgetattr(m_slave, &m_rest);
    }
    ~Line()
    {
        ::close(m_slave);
        ::close(m_master);
    }
    Line(const Line &) = delete;
    Line &operator=(const Line &) = delete;

    const std::string &device() const { return m_device; }

    // Whether a program has the port open: its attributes differ from those at rest.
    bool peerOpen() const
    {
        termios t{};
        if (::tcgetattr(m_slave, &t) != 0)
            return false;
        return t.c_iflag != m_rest.c_iflag || t.c_oflag != m_rest.c_oflag || t.c_cflag != m_rest.c_cflag
               || t.c_lflag != m_rest.c_lflag || ::cfgetospeed(&t) != ::cfgetospeed(&m_rest)
               || std::memcmp(t.c_cc, m_rest.c_cc, sizeof t.c_cc) != 0;
    }

    // What the program sent, at most max characters; 0 when nothing waits.
    std::size_t read(char *buffer, std::size_t max)
    {
        if (max == 0)
            return 0;
        const ssize_t n = ::read(m_master, buffer, max);
        return n > 0 ? std::size_t(n) : 0;
    }
    // Characters towards the program; how many the line took.
    std::size_t write(const char *data, std::size_t size)
    {
        const ssize_t n = ::write(m_master, data, size);
        return n > 0 ? std::size_t(n) : 0;
    }
    bool writeByte(char c) { return write(&c, 1) == 1; }
    // Waits up to timeoutMs for characters from the program (readable false: just sleeps).
    void wait(int timeoutMs, bool readable)
    {
        pollfd p{m_master, short(readable ? POLLIN : 0), 0};
        ::poll(&p, readable ? 1 : 0, timeoutMs);
    }

    [[noreturn]] static void fail(const char *what)
    {
        std::fprintf(stderr, "serialcnc: %s: %s\n", what, std::strerror(errno));
        std::exit(1);
    }

private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_device;
    termios m_rest{};
};

class Machine {
public:
    Machine(const Options &options, Line &line)
        : m_o(options), m_line(line), m_cps(double(options.baud) / 10.0),
          // A line delivers at most a UART's worth beyond its pace.
          m_burst(std::max(16.0, m_cps * 0.01))
    {
    }

    void event(const char *text, long value = -1) const
    {
        if (!m_o.verbose)
            return;
        if (value >= 0)
            std::printf("%s %ld\n", text, value);
        else
            std::printf("%s\n", text);
        std::fflush(stdout);
    }

    // Open and close of the port by the program; true when it has just been opened.
    bool followPeer(Clock::time_point now)
    {
        if (secondsSince(m_lastLook, now) < 0.02)
            return false;
        m_lastLook = now;
        const bool open = m_line.peerOpen();
        if (open == m_peerOpen)
            return false;
        m_peerOpen = open;
        event(open ? "open" : "close");
        if (open)
            m_openedAt = now;
        return open;
    }

    // The pace of the line: how many characters it can carry now.
    void refill(Clock::time_point now)
    {
        m_credit = std::min(m_credit + secondsSince(m_last, now) * m_cps, m_burst);
        m_processCredit += secondsSince(m_last, now) * m_o.process;
        m_last = now;
    }

    int receive(std::FILE *out)
    {
        std::vector<char> chunk(std::size_t(m_burst) + 1);
        std::string buffer;
        bool held = false;
        long total = 0;
        long xoffs = 0;
        m_last = Clock::now();
        while (!stopRequested) {
            const Clock::time_point now = Clock::now();
            if (followPeer(now) && m_o.consent) {
                m_line.writeByte(*m_o.consent);
                event("consent");
            }
            refill(now);
            // A machine that has sent XOFF takes nothing more from the line.
            if (!held && m_credit >= 1) {
                const std::size_t room = m_o.buffer - buffer.size();
                const std::size_t n = m_line.read(chunk.data(), std::min({std::size_t(m_credit), room, chunk.size()}));
                buffer.append(chunk.data(), n);
                m_credit -= double(n);
                total += long(n);
            }
            std::size_t taken = buffer.size();
            if (m_o.process > 0) {
                taken = std::min(buffer.size(), std::size_t(m_processCredit));
                m_processCredit -= double(taken);
                if (buffer.empty())
                    m_processCredit = std::min(m_processCredit, 1.0);
            }
            if (taken > 0) {
                std::fwrite(buffer.data(), 1, taken, out);
                std::fflush(out);
                buffer.erase(0, taken);
            }
            if (!held && buffer.size() >= m_o.buffer * 3 / 4) {
                held = m_line.writeByte(Xoff);
                if (held) {
                    ++xoffs;
                    event("xoff");
                }
            } else if (held && buffer.size() <= m_o.buffer / 4) {
                held = !m_line.writeByte(Xon);
                if (!held)
                    event("xon");
            }
            const bool idle = buffer.empty() && !held && m_credit >= 1;
            m_line.wait(idle ? 20 : 2, idle);
        }
        if (!buffer.empty())
            std::fwrite(buffer.data(), 1, buffer.size(), out);
        std::fflush(out);
        std::fprintf(stderr, "serialcnc: received %ld characters, %ld XOFF\n", total, xoffs);
        return 0;
    }

    int punch(const std::string &program, std::FILE *record)
    {
        enum class State { Waiting, Starting, Punching, Done, Recording } state = State::Waiting;
        bool punchedOnce = false;
        bool recordedAny = false;
        Clock::time_point punchedAt{};
        std::size_t position = 0;
        bool heldByProgram = false;
        long punched = 0;
        m_last = Clock::now();
        while (!stopRequested) {
            const Clock::time_point now = Clock::now();
            const bool opened = followPeer(now);
            if (opened && record && punchedOnce) {
                state = State::Recording;
            } else if (opened) {
                state = State::Starting;
                position = 0;
                heldByProgram = false;
            } else if (!m_peerOpen && state != State::Waiting) {
                // Closing the line at once would throw away what is still on its way.
                if (state == State::Done && m_o.once)
                    break;
                state = State::Waiting;
            }
            refill(now);
            char control[4096];
            const std::size_t got = m_line.read(control, sizeof control);
            if (record && punchedOnce && got > 0) {
                std::fwrite(control, 1, got, record);
                std::fflush(record);
                recordedAny = true;
            }
            for (std::size_t n = record && punchedOnce ? 0 : got, i = 0; i < n; ++i) {
                if (control[i] == Xoff)
                    heldByProgram = true;
                else if (control[i] == Xon)
                    heldByProgram = false;
            }
            if (state == State::Starting && secondsSince(m_openedAt, now) * 1000.0 >= double(m_o.startDelayMs)) {
                state = State::Punching;
                m_credit = 0;
            }
            if (state == State::Punching && !heldByProgram && m_credit >= 1) {
                const std::size_t want = std::min(std::size_t(m_credit), program.size() - position);
                const std::size_t n = m_line.write(program.data() + position, want);
                position += n;
                m_credit -= double(n);
                punched += long(n);
                if (position == program.size()) {
                    state = State::Done;
                    punchedOnce = true;
                    punchedAt = now;
                    event("punched", long(program.size()));
                }
            }
            // The operator puts the control in receive mode and presses its read key again
            // until the program comes: a consent character each second till the first one.
            if (record && punchedOnce && m_o.consent && !recordedAny && secondsSince(punchedAt, now) >= 1.0) {
                if (m_line.writeByte(*m_o.consent))
                    event("consent");
                punchedAt = now;
            }
            m_line.wait(state == State::Punching ? 2 : 20, true);
        }
        std::fprintf(stderr, "serialcnc: punched %ld characters\n", punched);
        return 0;
    }

private:
    const Options &m_o;
    Line &m_line;
    const double m_cps;
    const double m_burst;
    double m_credit = 0;
    double m_processCredit = 0;
    Clock::time_point m_last = Clock::now();
    Clock::time_point m_lastLook{};
    Clock::time_point m_openedAt{};
    bool m_peerOpen = false;
};

bool makeLink(const std::string &link, const std::string &device)
{
    struct stat st{};
    if (::lstat(link.c_str(), &st) == 0) {
        if (!S_ISLNK(st.st_mode)) {
            std::fprintf(stderr, "serialcnc: %s exists and is not a link\n", link.c_str());
            return false;
        }
        ::unlink(link.c_str());
    }
    if (::symlink(device.c_str(), link.c_str()) != 0) {
        std::fprintf(stderr, "serialcnc: cannot link %s: %s\n", link.c_str(), std::strerror(errno));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    const Options options = parse(argc, argv);

    struct sigaction action{};
    action.sa_handler = requestStop;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
    ::signal(SIGPIPE, SIG_IGN);

    std::string program;
    std::FILE *out = nullptr;
    if (!options.record.empty()) {
        out = std::fopen(options.record.c_str(), "wb");
        if (!out) {
            std::fprintf(stderr, "serialcnc: cannot write %s: %s\n", options.record.c_str(), std::strerror(errno));
            return 1;
        }
    }
    if (options.mode == "punch") {
        std::ifstream file(options.in, std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "serialcnc: cannot read %s\n", options.in.c_str());
            return 1;
        }
        program.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    } else {
        out = std::fopen(options.out.c_str(), "wb");
        if (!out) {
            std::fprintf(stderr, "serialcnc: cannot write %s: %s\n", options.out.c_str(), std::strerror(errno));
            return 1;
        }
    }

    Line line;
    if (!options.link.empty() && !makeLink(options.link, line.device()))
        return 1;
    std::printf("%s\n", options.link.empty() ? line.device().c_str() : options.link.c_str());
    std::fflush(stdout);

    Machine machine(options, line);
    const int result = options.mode == "punch" ? machine.punch(program, out) : machine.receive(out);
    if (out)
        std::fclose(out);
    if (!options.link.empty()) {
        char target[4096];
        const ssize_t n = ::readlink(options.link.c_str(), target, sizeof target - 1);
        if (n > 0 && std::string_view(target, std::size_t(n)) == line.device())
            ::unlink(options.link.c_str());
    }
    return result;
}
