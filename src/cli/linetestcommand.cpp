#include "linetestcommand.h"

#include "commandlinetext.h"
#include "commandrun.h"
#include "deviceportprobe.h"
#include "icmppinger.h"
#include "cregistry.h"
#include "linetest.h"
#include "machinetext.h"

#include <QTextStream>
#include <QCoreApplication>

int testLines(const ProgramFolder &folder, Pinger &pinger, PortProbe &probe, QTextStream &out, QTextStream &err)
{
    MachineState machines;
    const LineTestReport report =
        runLineTest(machines, folder, CRegistry(folder.root(), QStringLiteral("truvnet")), pinger, probe);
    if (!report.list.error.isEmpty()) {
        err << report.list.error << Qt::endl;
        return 1;
    }
    if (!report.list.warning.isEmpty())
        err << report.list.warning << Qt::endl;
    for (const QString &line : report.lines)
        out << line << '\n';
    out << MachineText::LineTestDone << Qt::endl;
    return report.failed ? 1 : 0;
}

int lineTestCommand(int argc, char **argv)
{
    CommandApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        QTextStream(stderr) << CommandLineText::Usage;
        return 2;
    }
    CommandFolder run;
    if (!run.announce())
        return 1;
    IcmpPinger pinger;
    DevicePortProbe probe;
    QTextStream out(stdout);
    QTextStream err(stderr);
    return testLines(run.folder(), pinger, probe, out, err);
}
