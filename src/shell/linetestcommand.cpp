#include "linetestcommand.h"

#include "cregistry.h"
#include "linetest.h"
#include "machinetext.h"

#include <QTextStream>

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
