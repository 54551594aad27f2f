// The CNC directory of 1,000 programs read through the library binding (libcncsim loaded at run
// time, one read per program as the Ethernet window reads it), beside the same reads made over a
// raw socket to the same cncsim, in one run. The ratio is what the binding and the library cost.
// Also the Ethernet window's own listing, its calls made off the user-interface thread.
#include "cncdirectory.h"
#include "focaslibrary.h"
#include "frmeth.h"
#include "scripteddialogs.h"
#include "protocol.h"

#include <QApplication>
#include <QPushButton>
#include <QTableWidget>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int Programs = 1000;
constexpr int Rounds = 5;

bool sendAll(int socket, const std::string &data)
{
    for (size_t sent = 0; sent < data.size();) {
        const ssize_t n = ::send(socket, data.data() + sent, data.size() - sent, 0);
        if (n <= 0)
            return false;
        sent += size_t(n);
    }
    return true;
}

bool receiveFrame(int socket, std::string &body)
{
    char header[4];
    for (size_t got = 0; got < 4;) {
        const ssize_t n = ::recv(socket, header + got, 4 - got, 0);
        if (n <= 0)
            return false;
        got += size_t(n);
    }
    body.resize(cncsim::frameLength(header));
    for (size_t got = 0; got < body.size();) {
        const ssize_t n = ::recv(socket, body.data() + got, body.size() - got, 0);
        if (n <= 0)
            return false;
        got += size_t(n);
    }
    return true;
}

// The same one-program reads, with nothing between the socket and the loop. Returns the count.
int rawDirectory(quint16 port)
{
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    const int on = 1;
    ::setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::string body;
    int listed = 0;
    if (::connect(socket, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
        && sendAll(socket, cncsim::Writer().op(cncsim::Op::Hello).bytes(cncsim::Magic).frame())
        && receiveFrame(socket, body)) {
        std::int32_t start = 0;
        for (;;) {
            if (!sendAll(socket, cncsim::Writer().op(cncsim::Op::Directory).i16(2).i32(start).i16(1).frame())
                || !receiveFrame(socket, body))
                break;
            cncsim::Reader in(body);
            if (in.i16() != EW_OK || in.i16() != 1)
                break;
            start = in.i32() + 1;
            ++listed;
        }
    }
    ::close(socket);
    return listed;
}

int bindingDirectory(FocasLibrary &library, quint16 port)
{
    unsigned short handle = 0;
    int listed = -1;
    if (library.cnc_allclibhndl3("127.0.0.1", port, 10, &handle) == EW_OK)
        listed = int(readCncDirectory(library, handle).programs.size());
    library.cnc_freelibhndl(handle);
    return listed;
}

// Opens the Ethernet window and waits until its grid holds the whole directory.
int windowDirectory(FocasLibrary &library, quint16 port)
{
    ScriptedDialogs dialogs;
    frmeth window(library, dialogs);
    window.open(1, QStringLiteral("127.0.0.1:%1,").arg(port), {});
    auto *grid = window.findChild<QTableWidget *>(QStringLiteral("MSFlexGrid1"));
    auto *refresh = window.findChild<QPushButton *>(QStringLiteral("Command3"));
    QElapsedTimer limit;
    limit.start();
    while (!(grid->rowCount() == Programs && refresh->isEnabled()) && limit.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    const int listed = grid->rowCount();
    window.close();
    return listed;
}

template <typename Read>
double medianMs(Read read, int &listed)
{
    std::vector<double> times;
    for (int round = 0; round < Rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        listed = read();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir memory;
    for (int number = 1; number <= Programs; ++number) {
        QFile file(QDir(memory.path()).filePath(QStringLiteral("O%1").arg(number, 4, 10, QLatin1Char('0'))));
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write(QStringLiteral("O%1 (PEZZO %1)\nG0 X0 Y0\nM30\n").arg(number, 4, 10, QLatin1Char('0')).toLatin1());
    }
    QProcess cnc;
    cnc.start(QStringLiteral(CNCSIM), {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--programs"),
                                       memory.path()});
    if (!cnc.waitForReadyRead(10000))
        return 1;
    const quint16 port = quint16(QString::fromLatin1(cnc.readLine()).section(u' ', 1).trimmed().toUInt());

    FocasLibrary library(QStringLiteral(LIBCNCSIM));
    if (!library.isLoaded()) {
        out << library.loadError() << Qt::endl;
        return 1;
    }
    int bindingListed = 0;
    int rawListed = 0;
    const double binding = medianMs([&] { return bindingDirectory(library, port); }, bindingListed);
    const double raw = medianMs([&] { return rawDirectory(port); }, rawListed);
    int windowListed = 0;
    const double window = medianMs([&] { return windowDirectory(library, port); }, windowListed);
    out << "CNC directory of " << Programs << " programs, one read each, median of " << Rounds << " rounds\n";
    out << QStringLiteral("  through the binding:  %1 ms (%2 listed)\n").arg(binding, 0, 'f', 1).arg(bindingListed);
    out << QStringLiteral("  raw socket baseline:  %1 ms (%2 listed)\n").arg(raw, 0, 'f', 1).arg(rawListed);
    out << QStringLiteral("  binding / baseline:   %1\n").arg(binding / raw, 0, 'f', 2);
    out << QStringLiteral("  Ethernet window:      %1 ms (%2 listed), %3 x baseline\n")
               .arg(window, 0, 'f', 1)
               .arg(windowListed)
               .arg(window / raw, 0, 'f', 2);
    cnc.terminate();
    cnc.waitForFinished();
    return bindingListed == Programs && rawListed == Programs && windowListed == Programs ? 0 : 1;
}
