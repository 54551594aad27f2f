#include "cncsimprocess.h"
#include "fwlib.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <latch>
#include <memory>
#include <thread>
#include <vector>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

// libcncsim's calls against a running cncsim on 127.0.0.1, the way the Ethernet windows make them.

using Files = QMap<QString, QByteArray>;

namespace {

constexpr long Timeout = 3;

// A cncsim serving a temporary folder that holds the given files, and one handle on it.
struct Cnc {
    explicit Cnc(const Files &files, const QStringList &options = {})
    {
        for (auto it = files.begin(); it != files.end(); ++it)
            write(it.key(), it.value());
        process = std::make_unique<CncSimProcess>(QStringLiteral(CNCSIM), dir.path(), options);
    }
    ~Cnc()
    {
        if (handle != 0)
            cnc_freelibhndl(handle);
    }
    short connect() { return cnc_allclibhndl3("127.0.0.1", process->port(), Timeout, &handle); }

    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    // The folder's program files and their texts.
    Files files() const
    {
        Files out;
        for (const QString &name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)) {
            QFile file(dir.filePath(name));
            if (file.open(QIODevice::ReadOnly))
                out.insert(name, file.readAll());
        }
        return out;
    }

    QTemporaryDir dir;
    std::unique_ptr<CncSimProcess> process;
    unsigned short handle = 0;
};

// One directory entry as a line: number, size, comment.
QString entryLine(const PRGDIR2 &entry)
{
    return QStringLiteral("%1 %2 %3").arg(entry.number).arg(entry.length).arg(QString::fromLatin1(entry.comment));
}

// The directory read as the Ethernet window reads it: from 0, count entries at a time, each read
// starting one above the last number listed, until EW_NUMBER.
QStringList readDirectory(unsigned short handle, short count, int &reads, short &end)
{
    QStringList lines;
    short top = 0;
    reads = 0;
    for (;;) {
        std::vector<PRGDIR2> buffer(std::size_t(count) + 1);
        buffer.back().number = -7; // must stay untouched
        short num = count;
        ++reads;
        end = cnc_rdprogdir2(handle, 2, &top, &num, buffer.data());
        if (end != EW_OK || num <= 0 || buffer.back().number != -7)
            return lines;
        for (short i = 0; i < num; ++i)
            lines << entryLine(buffer[std::size_t(i)]);
        top = short(buffer[std::size_t(num - 1)].number + 1);
    }
}

// A program of about size characters with a comment, ending with LF, as the CNC keeps it.
QByteArray programText(int number, int size)
{
    QByteArray text = "O" + QByteArray::number(number).rightJustified(4, '0') + " (PEZZO \xe8 PROVA)\n";
    for (int n = 10; text.size() < size; n += 10)
        text += "N" + QByteArray::number(n) + " G1 X" + QByteArray::number(n % 97) + ".5 F800\n";
    return text + "M30\n";
}

// A server that accepts one client and answers its first request with canned bytes (or not at
// all), then waits for the client to go.
class FakeServer {
public:
    explicit FakeServer(QByteArray answer, bool answers) : m_answer(std::move(answer)), m_answers(answers)
    {
        m_listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (::bind(m_listener, reinterpret_cast<sockaddr *>(&address), size) != 0 || ::listen(m_listener, 4) != 0
            || ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &size) != 0)
            qFatal("no listening socket");
        m_port = ntohs(address.sin_port);
        if (m_answers)
            m_thread = std::thread([this] { serve(); });
    }
    ~FakeServer()
    {
        ::shutdown(m_listener, SHUT_RDWR);
        if (m_thread.joinable())
            m_thread.join();
        ::close(m_listener);
    }
    quint16 port() const { return m_port; }

private:
    void serve()
    {
        const int client = ::accept(m_listener, nullptr, nullptr);
        if (client < 0)
            return;
        char buffer[256];
        if (::recv(client, buffer, sizeof buffer, 0) > 0) {
            ::send(client, m_answer.constData(), std::size_t(m_answer.size()), MSG_NOSIGNAL);
            ::shutdown(client, SHUT_WR);
        }
        while (::recv(client, buffer, sizeof buffer, 0) > 0) {
        }
        ::close(client);
    }

    QByteArray m_answer;
    bool m_answers;
    int m_listener = -1;
    quint16 m_port = 0;
    std::thread m_thread;
};

} // namespace

class TestCncSim : public QObject {
    Q_OBJECT
private slots:
    void systemInformation_data();
    void systemInformation();
    void directory_data();
    void directory();
    void deleteAndRename_data();
    void deleteAndRename();
    void connectFailures_data();
    void connectFailures();
    void download_data();
    void download();
    void upload_data();
    void upload();
    void connectionCut_data();
    void connectionCut();
    void badHandlesAndCallsOutOfTurn_data();
    void badHandlesAndCallsOutOfTurn();
    void handlesFromThreads();
    void exportsOnlyTheCalls();
};

void TestCncSim::systemInformation_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("cncType");
    QTest::addColumn<QByteArray>("machineType");
    QTest::addColumn<int>("running");
    QTest::addColumn<int>("main");

    QTest::newRow("as it starts") << QStringList{} << QByteArray("31") << QByteArray(" M") << 0 << 0;
    QTest::newRow("lathe of series 16")
        << QStringList{"--cnc-type", "16", "--machine-type", "T"} << QByteArray("16") << QByteArray(" T") << 0 << 0;
    QTest::newRow("type 0 keeps its blank") << QStringList{"--cnc-type", "0"} << QByteArray(" 0") << QByteArray(" M")
                                            << 0 << 0;
    QTest::newRow("main program runs") << QStringList{"--main", "100"} << QByteArray("31") << QByteArray(" M") << 100
                                       << 100;
    QTest::newRow("inside a subprogram") << QStringList{"--main", "100", "--running", "9000"} << QByteArray("31")
                                         << QByteArray(" M") << 9000 << 100;
}

void TestCncSim::systemInformation()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, cncType);
    QFETCH(QByteArray, machineType);

    Cnc cnc({}, options);
    QCOMPARE(cnc.connect(), short(EW_OK));
    QVERIFY(cnc.handle != 0);
    ODBSYS info;
    std::memset(&info, '?', sizeof info);
    QCOMPARE(cnc_sysinfo(cnc.handle, &info), short(EW_OK));
    QCOMPARE(QByteArray(info.cnc_type, 2), cncType);
    QCOMPARE(QByteArray(info.mt_type, 2), machineType);
    ODBPRO numbers{};
    QCOMPARE(cnc_rdprgnum(cnc.handle, &numbers), short(EW_OK));
    QTEST(int(numbers.data), "running");
    QTEST(int(numbers.mdata), "main");
}

void TestCncSim::directory_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<short>("count");
    QTest::addColumn<QStringList>("listing");
    QTest::addColumn<int>("reads");

    const Files three{{"O0001", "O0001 (FLANGIA)\nG0 X0\nM30\n"},
                      {"O0100", "O0100\nM30\n"},
                      {"O9000", "O9000 (ULTIMO)\nM30\n"}};
    const QStringList threeListed{"1 26 FLANGIA", "100 10 ", "9000 19 ULTIMO"};
    QTest::newRow("one at a time") << three << short(1) << threeListed << 4;
    QTest::newRow("two at a time") << three << short(2) << threeListed << 3;
    QTest::newRow("empty CNC") << Files{} << short(1) << QStringList{} << 1;
    QTest::newRow("comment cut to 50, unclosed bracket")
        << Files{{"O0007", "O0007 (" + QByteArray(60, 'C') + "\nM30\n"}} << short(1)
        << QStringList{"7 72 " + QString(50, 'C')} << 2;
    QTest::newRow("only O and four digits are programs")
        << Files{{"O0005", "O0005\n"}, {"O12", "O12\n"}, {"O00123", "x\n"}, {"README", "x\n"}, {".O0006.tmp", "x\n"}}
        << short(1) << QStringList{"5 6 "} << 2;
}

void TestCncSim::directory()
{
    QFETCH(Files, files);
    QFETCH(short, count);

    Cnc cnc(files);
    QCOMPARE(cnc.connect(), short(EW_OK));
    int reads = 0;
    short end = 0;
    QTEST(readDirectory(cnc.handle, count, reads, end), "listing");
    QCOMPARE(end, short(EW_NUMBER));
    QTEST(reads, "reads");
}

void TestCncSim::deleteAndRename_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("rename");
    QTest::addColumn<long>("from");
    QTest::addColumn<long>("to");
    QTest::addColumn<short>("result");
    QTest::addColumn<Files>("after");

    const Files before{{"O0001", "O0001 (UNO)\nM30\n"}, {"O0002", "O0002\nM30\n"}};
    QTest::newRow("delete") << QStringList{} << false << 1L << 0L << short(EW_OK)
                            << Files{{"O0002", "O0002\nM30\n"}};
    QTest::newRow("delete a missing program") << QStringList{} << false << 3L << 0L << short(EW_DATA) << before;
    QTest::newRow("delete refused, write protected")
        << QStringList{"--refuse-delete", "7"} << false << 1L << 0L << short(EW_PROT) << before;
    QTest::newRow("rename renumbers the text")
        << QStringList{} << true << 1L << 42L << short(EW_OK)
        << Files{{"O0042", "O0042 (UNO)\nM30\n"}, {"O0002", "O0002\nM30\n"}};
    QTest::newRow("rename a missing program") << QStringList{} << true << 3L << 4L << short(EW_DATA) << before;
    QTest::newRow("rename onto a program") << QStringList{} << true << 1L << 2L << short(EW_DATA) << before;
    QTest::newRow("rename to no number") << QStringList{} << true << 1L << 0L << short(EW_NUMBER) << before;
    QTest::newRow("rename beyond 9999") << QStringList{} << true << 1L << 10000L << short(EW_NUMBER) << before;
}

void TestCncSim::deleteAndRename()
{
    QFETCH(QStringList, options);
    QFETCH(bool, rename);
    QFETCH(long, from);
    QFETCH(long, to);

    Cnc cnc({{"O0001", "O0001 (UNO)\nM30\n"}, {"O0002", "O0002\nM30\n"}}, options);
    QCOMPARE(cnc.connect(), short(EW_OK));
    QTEST(rename ? cnc_renameprog(cnc.handle, from, to) : cnc_delete(cnc.handle, short(from)), "result");
    QTEST(cnc.files(), "after");
}

void TestCncSim::connectFailures_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<short>("result");
    QTest::addColumn<int>("minimumMs");

    QTest::newRow("refused by the CNC") << "refuse" << short(EW_SOCKET) << 0;
    QTest::newRow("nothing listening") << "none" << short(EW_SOCKET) << 0;
    QTest::newRow("silent server waits out the time-out") << "silent" << short(EW_SOCKET) << 1900;
    QTest::newRow("server speaking another protocol") << "garbage" << short(EW_PROTOCOL) << 0;
    QTest::newRow("answer cut short") << "short" << short(EW_SOCKET) << 0;
    QTest::newRow("cut before the greeting is out") << "drop" << short(EW_SOCKET) << 0;
}

void TestCncSim::connectFailures()
{
    QFETCH(QString, server);
    QFETCH(int, minimumMs);
    constexpr long TimeoutSeconds = 2;

    std::unique_ptr<Cnc> cnc;
    std::unique_ptr<FakeServer> fake;
    quint16 port = 0;
    if (server == "refuse" || server == "drop") {
        cnc = std::make_unique<Cnc>(Files{}, server == "refuse" ? QStringList{"--refuse-connect"}
                                                                 : QStringList{"--drop-after", "5"});
        port = cnc->process->port();
    } else if (server == "none") {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        port = closed.serverPort();
    } else {
        const QByteArray answers[] = {"HTTP/1.0 400 Bad Request\r\n\r\n", QByteArray("\0\0\0\x0a\0\0", 6)};
        fake = std::make_unique<FakeServer>(server == "garbage" ? answers[0] : answers[1], server != "silent");
        port = fake->port();
    }
    QVERIFY(port != 0);

    unsigned short handle = 99;
    QElapsedTimer clock;
    clock.start();
    QTEST(cnc_allclibhndl3("127.0.0.1", port, TimeoutSeconds, &handle), "result");
    QVERIFY2(clock.elapsed() >= minimumMs, qPrintable(QString::number(clock.elapsed())));
    QVERIFY2(clock.elapsed() < TimeoutSeconds * 1000 + 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(handle, (unsigned short)0);
    QCOMPARE(cnc_freelibhndl(handle), short(EW_HANDLE));
}

void TestCncSim::download_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<short>("result");
    QTest::addColumn<int>("calls");
    QTest::addColumn<int>("busy");
    QTest::addColumn<short>("detail");
    QTest::addColumn<short>("detailNumber");
    QTest::addColumn<short>("end");
    QTest::addColumn<Files>("after");

    const Files before{{"O0001", "O0001\nM30\n"}};
    auto with = [&](const QString &name, const QByteArray &text) {
        Files files = before;
        files.insert(name, text);
        return files;
    };
    QTest::newRow("comment follows the number")
        << QStringList{} << QByteArray("\nO12(FLANGIA)\nG0 X0\nM30\n%") << short(EW_OK) << 1 << 0 << short(0)
        << short(0) << short(EW_OK) << with("O0012", "O0012(FLANGIA)\nG0 X0\nM30\n");
    QTest::newRow("percent at the start, CR dropped, colon as O")
        << QStringList{} << QByteArray("%\r\n:0077\r\nM30\r\n%") << short(EW_OK) << 1 << 0 << short(0) << short(0)
        << short(EW_OK) << with("O0077", "O0077\nM30\n");
    const QByteArray big = programText(3, 3000);
    QTest::newRow("taken a kilobyte at a time")
        << QStringList{} << "\n" + big + "%" << short(EW_OK) << 3 << 0 << short(0) << short(0) << short(EW_OK)
        << with("O0003", big);
    QTest::newRow("busy three times before each block")
        << QStringList{"--busy", "3"} << "\n" + big + "%" << short(EW_OK) << 12 << 9 << short(0) << short(0)
        << short(EW_OK) << with("O0003", big);
    QTest::newRow("refused with a detail")
        << QStringList{"--reject-detail", "5"} << QByteArray("\nO12\nM30\n%") << short(EW_DATA) << 1 << 0
        << short(5) << short(0) << short(EW_OK) << before;
    QTest::newRow("number already in memory")
        << QStringList{} << QByteArray("\nO1(DOPPIO)\nM30\n%") << short(EW_DATA) << 1 << 0 << short(4) << short(1)
        << short(EW_OK) << before;
    QTest::newRow("control character")
        << QStringList{} << QByteArray("\nO12\nG0\x01X0\nM30\n%") << short(EW_DATA) << 1 << 0 << short(1)
        << short(12) << short(EW_OK) << before;
    QTest::newRow("no program number") << QStringList{} << QByteArray("\nG0 X0\nM30\n%") << short(EW_DATA) << 1 << 0
                                       << short(1) << short(0) << short(EW_OK) << before;
    Files both = with("O0100", "O0100(MAIN)\nM98 P0101\nM30\n");
    both.insert("O0101", "O0101\nG0 X0\nM99\n");
    QTest::newRow("a line starting with an O-word begins the next program")
        << QStringList{} << QByteArray("\nO100(MAIN)\nM98 P0101\nM30\nO0101\nG0 X0\nM99\n%") << short(EW_OK) << 1
        << 0 << short(0) << short(0) << short(EW_OK) << both;
    QTest::newRow("the same number twice in one download")
        << QStringList{} << QByteArray("\nO100\nM30\nO0100\nM99\n%") << short(EW_DATA) << 1 << 0 << short(4)
        << short(100) << short(EW_OK) << before;
    QTest::newRow("no end mark: nothing stored")
        << QStringList{} << QByteArray("\nO12\nM30\n") << short(EW_OK) << 1 << 0 << short(0) << short(0)
        << short(EW_DATA) << before;
}

// The download loop of the Ethernet window: the whole rest offered on every call, EW_BUFFER
// retried at once, anything else ends it.
void TestCncSim::download()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, text);

    Cnc cnc({{"O0001", "O0001\nM30\n"}}, options);
    QCOMPARE(cnc.connect(), short(EW_OK));
    QCOMPARE(cnc_dwnstart3(cnc.handle, 0), short(EW_OK));
    short result = EW_OK;
    int calls = 0;
    int busy = 0;
    QByteArray rest = text;
    while (!rest.isEmpty() && calls < 1000) {
        long length = long(rest.size());
        ++calls;
        result = cnc_download3(cnc.handle, &length, rest.data());
        if (result == EW_BUFFER) {
            ++busy;
            continue;
        }
        if (result != EW_OK)
            break;
        QVERIFY(length > 0 && length <= rest.size());
        rest.remove(0, length);
    }
    QTEST(result, "result");
    QTEST(calls, "calls");
    QTEST(busy, "busy");
    ODBERR detail{};
    QCOMPARE(cnc_getdtailerr(cnc.handle, &detail), short(EW_OK));
    QTEST(detail.err_no, "detail");
    QTEST(detail.err_dtno, "detailNumber");
    QTEST(cnc_dwnend3(cnc.handle), "end");
    QTEST(cnc.files(), "after");
}

void TestCncSim::upload_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("program");
    QTest::addColumn<int>("blocks");

    QTest::newRow("short program") << QStringList{} << QByteArray("O0001 (A)\nM30\n") << 1;
    QTest::newRow("no LF at the end") << QStringList{} << QByteArray("O0001\nM30") << 1;
    // "%\n" and the final "%" make 2560 + 12.
    QTest::newRow("three blocks, the last of 12")
        << QStringList{} << QByteArray("O0001\n") + QByteArray(2562, 'X') + "\n" << 3;
    QTest::newRow("exactly one block") << QStringList{} << QByteArray("O0001\n") + QByteArray(1270, 'X') + "\n" << 1;
    QTest::newRow("busy twice before each block") << QStringList{"--busy", "2"} << programText(1, 5000) << 4;
}

// Upload as the Ethernet window does it, then the same text downloaded under another number and
// uploaded again: the CNC keeps and delivers it byte for byte.
void TestCncSim::upload()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, program);
    QFETCH(int, blocks);
    const int busyEach = options.isEmpty() ? 0 : options.at(1).toInt();

    Cnc cnc({{"O0001", program}}, options);
    QCOMPARE(cnc.connect(), short(EW_OK));
    auto uploadProgram = [&](long number, QByteArray &text, int &delivered) {
        text.clear();
        delivered = 0;
        int busy = 0;
        QCOMPARE(cnc_upstart3(cnc.handle, 0, number, number), short(EW_OK));
        char buffer[1281];
        for (int call = 0; call < 1000; ++call) {
            long length = 1280;
            const short result = cnc_upload3(cnc.handle, &length, buffer);
            if (result == EW_BUFFER) {
                ++busy;
                continue;
            }
            QCOMPARE(result, short(EW_OK));
            QVERIFY(length > 0 && length <= 1280);
            text.append(buffer, length);
            ++delivered;
            if (buffer[length - 1] == '%')
                break;
        }
        QCOMPARE(busy, busyEach * delivered);
        QCOMPARE(cnc_upend3(cnc.handle), short(EW_OK));
    };

    QByteArray text;
    int delivered = 0;
    uploadProgram(1, text, delivered);
    const QByteArray expected = "%\n" + program + (program.endsWith('\n') ? "" : "\n") + "%";
    QCOMPARE(text, expected);
    QCOMPARE(delivered, blocks);

    // Back in under 2: the O-word says 0001, but the download's number decides.
    QByteArray again = text;
    again.replace("%\nO0001", "%\nO0002");
    QCOMPARE(cnc_dwnstart3(cnc.handle, 0), short(EW_OK));
    for (QByteArray rest = again; !rest.isEmpty();) {
        long length = long(rest.size());
        const short result = cnc_download3(cnc.handle, &length, rest.data());
        QVERIFY(result == EW_OK || result == EW_BUFFER);
        rest.remove(0, result == EW_OK ? length : 0);
    }
    QCOMPARE(cnc_dwnend3(cnc.handle), short(EW_OK));
    QByteArray back;
    uploadProgram(2, back, delivered);
    QCOMPARE(back, QByteArray(expected).replace("%\nO0001", "%\nO0002"));
}

void TestCncSim::connectionCut_data()
{
    QTest::addColumn<int>("dropAfter");
    QTest::addColumn<int>("blocks");

    // The greeting's answer is 10 bytes, the upload start's 6, each block of 1280 another 1290.
    QTest::newRow("inside the first block") << 1000 << 0;
    QTest::newRow("right after the first block") << 1306 << 1;
    QTest::newRow("inside the second block") << 2000 << 1;
}

// A CNC that goes away in the middle of an upload: the call in progress and every later one on
// the handle answer EW_SOCKET, and the handle is still there to be released.
void TestCncSim::connectionCut()
{
    QFETCH(int, dropAfter);

    Cnc cnc({{"O0001", programText(1, 3000)}}, {"--drop-after", QString::number(dropAfter)});
    QCOMPARE(cnc.connect(), short(EW_OK));
    QCOMPARE(cnc_upstart3(cnc.handle, 0, 1, 1), short(EW_OK));
    int blocks = 0;
    short result = EW_OK;
    char buffer[1281];
    while (result == EW_OK && blocks < 10) {
        long length = 1280;
        result = cnc_upload3(cnc.handle, &length, buffer);
        if (result == EW_OK) {
            QCOMPARE(length, 1280L);
            ++blocks;
        } else {
            QCOMPARE(length, 0L);
        }
    }
    QCOMPARE(result, short(EW_SOCKET));
    QTEST(blocks, "blocks");
    ODBSYS info{};
    QCOMPARE(cnc_sysinfo(cnc.handle, &info), short(EW_SOCKET));
    QCOMPARE(cnc_freelibhndl(cnc.handle), short(EW_OK));
    QCOMPARE(cnc_freelibhndl(cnc.handle), short(EW_HANDLE));
    cnc.handle = 0;
}

void TestCncSim::badHandlesAndCallsOutOfTurn_data()
{
    QTest::addColumn<QString>("call");
    QTest::addColumn<short>("onUnknownHandle");
    QTest::addColumn<short>("onOpenHandle");

    // With no transfer started, a transfer call is a function the CNC has not been asked for.
    QTest::newRow("cnc_sysinfo") << "sysinfo" << short(EW_HANDLE) << short(EW_OK);
    QTest::newRow("cnc_rdprgnum") << "rdprgnum" << short(EW_HANDLE) << short(EW_OK);
    QTest::newRow("cnc_rdprogdir2") << "rdprogdir2" << short(EW_HANDLE) << short(EW_NUMBER);
    QTest::newRow("cnc_delete") << "delete" << short(EW_HANDLE) << short(EW_DATA);
    QTest::newRow("cnc_renameprog") << "renameprog" << short(EW_HANDLE) << short(EW_DATA);
    QTest::newRow("cnc_download3") << "download3" << short(EW_HANDLE) << short(EW_FUNC);
    QTest::newRow("cnc_dwnend3") << "dwnend3" << short(EW_HANDLE) << short(EW_FUNC);
    QTest::newRow("cnc_getdtailerr") << "getdtailerr" << short(EW_HANDLE) << short(EW_OK);
    QTest::newRow("cnc_upstart3 of a missing program") << "upstart3" << short(EW_HANDLE) << short(EW_DATA);
    QTest::newRow("cnc_upload3") << "upload3" << short(EW_HANDLE) << short(EW_FUNC);
    QTest::newRow("cnc_upend3") << "upend3" << short(EW_HANDLE) << short(EW_FUNC);
    QTest::newRow("cnc_dwnstart3 of a tool table") << "dwnstart3" << short(EW_HANDLE) << short(EW_ATTRIB);
}

void TestCncSim::badHandlesAndCallsOutOfTurn()
{
    QFETCH(QString, call);

    auto make = [&](unsigned short handle) -> short {
        ODBSYS info{};
        ODBPRO numbers{};
        ODBERR detail{};
        PRGDIR2 entry{};
        short top = 0;
        short count = 1;
        char data[16] = "O1\nM30\n%";
        long length = 8;
        if (call == "sysinfo")
            return cnc_sysinfo(handle, &info);
        if (call == "rdprgnum")
            return cnc_rdprgnum(handle, &numbers);
        if (call == "rdprogdir2")
            return cnc_rdprogdir2(handle, 2, &top, &count, &entry);
        if (call == "delete")
            return cnc_delete(handle, 1);
        if (call == "renameprog")
            return cnc_renameprog(handle, 1, 2);
        if (call == "download3")
            return cnc_download3(handle, &length, data);
        if (call == "dwnend3")
            return cnc_dwnend3(handle);
        if (call == "getdtailerr")
            return cnc_getdtailerr(handle, &detail);
        if (call == "upstart3")
            return cnc_upstart3(handle, 0, 1, 1);
        if (call == "upload3")
            return cnc_upload3(handle, &length, data);
        if (call == "upend3")
            return cnc_upend3(handle);
        if (call == "dwnstart3")
            return cnc_dwnstart3(handle, 1);
        return -100;
    };

    Cnc cnc({});
    QCOMPARE(cnc.connect(), short(EW_OK));
    QTEST(make(0), "onUnknownHandle");
    QTEST(make(quint16(cnc.handle + 1)), "onUnknownHandle");
    QTEST(make(cnc.handle), "onOpenHandle");
    // The connection is still good for the next call.
    ODBSYS info{};
    QCOMPARE(cnc_sysinfo(cnc.handle, &info), short(EW_OK));
}

// Several threads, each with its own handle on the same CNC, reading the directory at once.
void TestCncSim::handlesFromThreads()
{
    Files files;
    for (int n = 1; n <= 30; ++n)
        files.insert(QStringLiteral("O%1").arg(n * 7, 4, 10, QLatin1Char('0')), programText(n * 7, 40 + n));
    Cnc cnc(files);
    const quint16 port = cnc.process->port();
    QVERIFY(port != 0);

    constexpr int Threads = 4;
    std::atomic<int> good{0};
    QList<unsigned short> handles(Threads, 0);
    std::latch allConnected(Threads);
    std::vector<std::thread> threads;
    for (int t = 0; t < Threads; ++t) {
        threads.emplace_back([&, t] {
            unsigned short handle = 0;
            const short connected = cnc_allclibhndl3("127.0.0.1", port, Timeout, &handle);
            // Every handle is held at once, so each thread must have its own number.
            allConnected.arrive_and_wait();
            if (connected != EW_OK)
                return;
            handles[t] = handle;
            bool same = true;
            for (int round = 0; round < 5; ++round) {
                int reads = 0;
                short end = 0;
                same = same && readDirectory(handle, 1, reads, end).size() == 30 && end == EW_NUMBER;
            }
            if (cnc_freelibhndl(handle) == EW_OK && same)
                ++good;
        });
    }
    for (std::thread &thread : threads)
        thread.join();
    QCOMPARE(good.load(), Threads);
    std::sort(handles.begin(), handles.end());
    QVERIFY(std::adjacent_find(handles.begin(), handles.end()) == handles.end());
    QVERIFY(handles.first() >= 1 && handles.last() <= Threads);
}

// What the product binds by name is all the library offers: nothing of its own insides leaks.
void TestCncSim::exportsOnlyTheCalls()
{
    QProcess nm;
    nm.start(QStringLiteral("nm"), {QStringLiteral("-D"), QStringLiteral("--defined-only"), QStringLiteral(LIBCNCSIM)});
    QVERIFY(nm.waitForFinished());
    QCOMPARE(nm.exitCode(), 0);
    QStringList names;
    for (const QByteArray &line : nm.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> words = line.simplified().split(' ');
        if (words.size() == 3)
            names << QString::fromLatin1(words.at(2));
    }
    names.sort();
    const QStringList expected{"cnc_allclibhndl3", "cnc_delete",     "cnc_download3", "cnc_dwnend3",
                               "cnc_dwnstart3",    "cnc_freelibhndl", "cnc_getdtailerr", "cnc_rdprgnum",
                               "cnc_rdprogdir2",   "cnc_renameprog",  "cnc_sysinfo",     "cnc_upend3",
                               "cnc_upload3",      "cnc_upstart3"};
    QCOMPARE(names, expected);
}

QTEST_GUILESS_MAIN(TestCncSim)
#include "tst_cncsim.moc"
