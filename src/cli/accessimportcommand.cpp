#include "accessimportcommand.h"

#include "commandrun.h"
#include "interruptsignals.h"
#include "mdbreader.h"
#include "accessimport.h"
#include "commandlinetext.h"

#include <QFileInfo>
#include <QTextStream>
#include <QCoreApplication>

int importAccessArchive(const QStringList &arguments, const ProgramFolder &defaultFolder,
                        const AccessReaderFactory &openReader, const std::function<int()> &pendingSignal,
                        QTextStream &out, QTextStream &err)
{
    if (arguments.isEmpty() || arguments.size() > 2) {
        err << CommandLineText::Usage;
        return 2;
    }
    const ProgramFolder destination = arguments.size() == 2
        ? ProgramFolder(QFileInfo(arguments.at(1)).absoluteFilePath())
        : defaultFolder;
    int stopSignal = 0;
    AccessImport import(openReader, [&] {
        if (stopSignal == 0)
            stopSignal = pendingSignal();
        return stopSignal != 0;
    });
    QString error;
    const bool done = import.importInto(arguments.at(0), destination, &error);
    for (const QString &line : import.report().summaryLines())
        out << line << '\n';
    out.flush();
    for (const QString &warning : import.report().warnings)
        err << warning << '\n';
    if (!done) {
        err << error << '\n';
        return stopSignal != 0 ? 128 + stopSignal : 1;
    }
    if (!import.report().countsMatch())
        return 1;
    err << CommandLineText::Imported.arg(destination.root()) << '\n';
    return 0;
}

int importAccessCommand(int argc, char **argv)
{
    // Ctrl+C and SIGTERM are read between files, so that the import can take back what it did.
    InterruptSignals::block();
    CommandApplication app(argc, argv);
    InterruptSignals interrupts;
    QTextStream out(stdout);
    QTextStream err(stderr);
    return importAccessArchive(app.arguments().mid(2),
                               ProgramFolder::fromEnvironment(QCoreApplication::applicationDirPath()),
                               MdbReader::open, [&] { return interrupts.takePending(); }, out, err);
}
