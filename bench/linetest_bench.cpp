// The line test over 20 Ethernet machines of which 5 stay silent, and a serial machine on a port
// served by a silent network device, each silent one taking a whole ping time-out (the pinger
// stands in for the network: nothing is addressed), beside one time-out alone in the same run.
// Checked at once, the test should take about one time-out.
#include "cregistry.h"
#include "fakelineprobes.h"
#include "icmppinger.h"
#include "linetest.h"
#include "tempprogramfolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>
#include <QThread>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    constexpr int Machines = 20;
    constexpr int Silent = 5;
    TempProgramFolder temp;
    QByteArray file = " 0 \r\n";
    FakePinger pinger;
    pinger.silentMs = IcmpPinger::TimeoutMs;
    for (int i = 1; i <= Machines; ++i) {
        const QString address = QStringLiteral("127.0.0.%1").arg(i);
        file += QStringLiteral("\"FRESA %1\",0,\"%2:8193,\",0,\"\",\"\",0\r\n").arg(i).arg(address).toLatin1();
        if (i > Silent)
            pinger.answering.insert(address);
    }
    file += "\"TORNIO\",5,\"9600,E,7,2\",0,\"\",\"\",0\r\n";
    temp.writeFile(QStringLiteral("cncsett.dat"), file);
    // COM5 is served by the network device 10.0.1.5, which does not answer.
    temp.writeFile(QStringLiteral("registry-hklm.ini"),
                   "[SYSTEM]\n"
                   "ControlSet001\\Services\\nedrv\\Parameters\\0001\\COMNO=hex:05,00,00,00\n"
                   "ControlSet001\\Services\\nedrv\\Parameters\\0001\\IPAddress=dword:0501000a\n");
    FakePortProbe probe;

    QElapsedTimer clock;
    clock.start();
    QThread::msleep(IcmpPinger::TimeoutMs);
    const qint64 oneTimeOut = clock.elapsed();

    MachineState machines;
    clock.restart();
    const LineTestReport report =
        runLineTest(machines, temp.folder(), CRegistry(temp.folder().root(), QStringLiteral("truvnet")), pinger, probe);
    const qint64 test = clock.elapsed();
    const qsizetype silentLines = report.lines.filter(QStringLiteral("KO!")).size();

    QTextStream out(stdout);
    out << "Line test of " << Machines << " Ethernet machines, " << Silent
        << " silent, and COM5 served by a silent network device\n";
    out << "  one ping time-out alone: " << oneTimeOut << " ms\n";
    out << "  the whole line test:     " << test << " ms (" << silentLines << " KO! lines), "
        << QString::number(double(test) / double(oneTimeOut), 'f', 2) << " x one time-out (one at a time: "
        << Silent + 1 << " x)\n";
    return silentLines == Silent + 1 ? 0 : 1;
}
