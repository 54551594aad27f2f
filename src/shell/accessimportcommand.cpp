#include "accessimportcommand.h"

#include "accessimport.h"
#include "commandlinetext.h"

#include <QFileInfo>
#include <QTextStream>

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
