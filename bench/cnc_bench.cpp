// The CNC directory of 1,000 programs read through the library binding (libcncsim loaded at run
// time, one read per program as the Ethernet window reads it), beside the same reads made over a
// raw socket to the same cncsim, in one run. The ratio is what the binding and the library cost.
// Also the Ethernet window's own listing, its calls made off the user-interface thread, and the
// download and upload of 1 MB and 10 MB programs through the binding against the same frames
// copied over a raw socket to the same server.
#include "cncdirectory.h"
#include "cncdownload.h"
#include "cncupload.h"
#include "transferstop.h"
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

// A raw connection to cncsim, greeted; -1 when it failed. Sets the server's download block.
int rawConnect(quint16 port, std::uint32_t *block)
{
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    const int on = 1;
    ::setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::string body;
    if (::connect(socket, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0
        || !sendAll(socket, cncsim::Writer().op(cncsim::Op::Hello).bytes(cncsim::Magic).frame())
        || !receiveFrame(socket, body)) {
        ::close(socket);
        return -1;
    }
    cncsim::Reader in(body);
    in.i16();
    *block = in.u32();
    return socket;
}

// The same one-program reads, with nothing between the socket and the loop. Returns the count.
int rawDirectory(quint16 port)
{
    std::uint32_t block = 0;
    const int socket = rawConnect(port, &block);
    if (socket < 0)
        return 0;
    std::string body;
    int listed = 0;
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
    ::close(socket);
    return listed;
}

// One request and its answer's result code; -1 when the socket failed.
int rawCall(int socket, const cncsim::Writer &request, std::string &body)
{
    if (!sendAll(socket, request.frame()) || !receiveFrame(socket, body))
        return -1;
    return cncsim::Reader(body).i16();
}

// The download's frames over a raw socket, in the server's blocks: true when all was stored.
bool rawDownload(quint16 port, const QByteArray &text)
{
    std::uint32_t block = 0;
    const int socket = rawConnect(port, &block);
    std::string body;
    bool ok = socket >= 0 && rawCall(socket, cncsim::Writer().op(cncsim::Op::DownloadStart).i16(0), body) == EW_OK;
    for (qsizetype sent = 0; ok && sent < text.size();) {
        const std::string_view piece(text.constData() + sent, std::min<std::size_t>(block, std::size_t(text.size() - sent)));
        ok = rawCall(socket, cncsim::Writer().op(cncsim::Op::Download).bytes(piece), body) == EW_OK;
        cncsim::Reader in(body);
        in.i16();
        sent += qsizetype(in.u32());
    }
    ok = ok && rawCall(socket, cncsim::Writer().op(cncsim::Op::DownloadEnd), body) == EW_OK;
    ::close(socket);
    return ok;
}

// The upload's frames over a raw socket, in blocks of 1280: the characters received.
qsizetype rawUpload(quint16 port, long number)
{
    std::uint32_t block = 0;
    const int socket = rawConnect(port, &block);
    std::string body;
    qsizetype received = 0;
    bool ok = socket >= 0
        && rawCall(socket, cncsim::Writer().op(cncsim::Op::UploadStart).i16(0).i32(number).i32(number), body) == EW_OK;
    while (ok) {
        ok = rawCall(socket, cncsim::Writer().op(cncsim::Op::Upload).u32(UploadedProgram::BlockSize), body) == EW_OK;
        cncsim::Reader in(body);
        in.i16();
        const std::string piece = in.bytes();
        received += qsizetype(piece.size());
        if (piece.empty() || piece.back() == '%')
            break;
    }
    rawCall(socket, cncsim::Writer().op(cncsim::Op::UploadEnd), body);
    ::close(socket);
    return received;
}

bool bindingDownload(FocasLibrary &library, quint16 port, const QByteArray &text)
{
    unsigned short handle = 0;
    bool ok = library.cnc_allclibhndl3("127.0.0.1", port, 10, &handle) == EW_OK;
    const TransferStop stop;
    ok = ok && downloadProgram(library, handle, text, 30000, stop).result == EW_OK;
    library.cnc_freelibhndl(handle);
    return ok;
}

qsizetype bindingUpload(FocasLibrary &library, quint16 port, long number)
{
    unsigned short handle = 0;
    qsizetype received = 0;
    if (library.cnc_allclibhndl3("127.0.0.1", port, 10, &handle) == EW_OK)
        received = uploadProgram(library, handle, number, {30000, 1LL << 30}, TransferStop()).text.size();
    library.cnc_freelibhndl(handle);
    return received;
}

// A program of about the given size, as the download sends it.
QByteArray programOfSize(long number, qsizetype size)
{
    QByteArray text = "\nO" + QByteArray::number(qlonglong(number)) + "\n";
    text.reserve(size + 32);
    for (int line = 0; text.size() < size; ++line)
        text += "N" + QByteArray::number(line) + " G1 X" + QByteArray::number(line % 997) + ".125 Y-40.5 F800\n";
    return text + '%';
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
    // The bench keeps the library for the whole run, beyond the window's worker.
    frmeth window(std::shared_ptr<CncLibrary>(&library, [](CncLibrary *) {}), dialogs);
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

    // Each round writes new numbers, so that the CNC takes every download.
    bool transfersOk = true;
    long next = 2000;
    for (const qsizetype size : {qsizetype(1) << 20, qsizetype(10) << 20}) {
        // The texts are made before the clocks run.
        std::vector<QByteArray> texts;
        for (int round = 0; round < 2 * Rounds; ++round)
            texts.push_back(programOfSize(next++, size));
        int ok = 0;
        size_t text = 0;
        const double bindingDown = medianMs([&] { return bindingDownload(library, port, texts.at(text++)); }, ok);
        transfersOk = transfersOk && ok;
        const double rawDown = medianMs([&] { return rawDownload(port, texts.at(text++)); }, ok);
        transfersOk = transfersOk && ok;
        const long uploaded = next - 1;
        int received = 0;
        const double bindingUp = medianMs([&] { return int(bindingUpload(library, port, uploaded)); }, received);
        transfersOk = transfersOk && received > size;
        const double rawUp = medianMs([&] { return int(rawUpload(port, uploaded)); }, received);
        transfersOk = transfersOk && received > size;
        const double mb = double(size) / double(1 << 20);
        out << QStringLiteral("Program of %1 MB, median of %2 rounds (rate ratio: binding rate / raw rate, goal at "
                              "least 0.8)\n").arg(mb).arg(Rounds);
        out << QStringLiteral("  download: binding %1 ms (%2 MB/s), raw socket %3 ms (%4 MB/s), rate ratio %5\n")
                   .arg(bindingDown, 0, 'f', 1).arg(mb * 1000 / bindingDown, 0, 'f', 1)
                   .arg(rawDown, 0, 'f', 1).arg(mb * 1000 / rawDown, 0, 'f', 1).arg(rawDown / bindingDown, 0, 'f', 2);
        out << QStringLiteral("  upload:   binding %1 ms (%2 MB/s), raw socket %3 ms (%4 MB/s), rate ratio %5\n")
                   .arg(bindingUp, 0, 'f', 1).arg(mb * 1000 / bindingUp, 0, 'f', 1)
                   .arg(rawUp, 0, 'f', 1).arg(mb * 1000 / rawUp, 0, 'f', 1).arg(rawUp / bindingUp, 0, 'f', 2);
    }
    cnc.terminate();
    cnc.waitForFinished();
    return bindingListed == Programs && rawListed == Programs && windowListed == Programs && transfersOk ? 0 : 1;
}
