#include "initcommand.h"

#include "commandlinetext.h"
#include "commandrun.h"
#include "programfoldersetup.h"
#include "programfolder.h"
#include "databaseaddress.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>
int initialise(int argc, char **argv)
{
    CommandApplication app(argc, argv);
    const QStringList args = app.arguments();
    ProgramFolder folder = ProgramFolder::fromEnvironment(QCoreApplication::applicationDirPath());
    if (args.size() > 2) {
        const DatabaseAddress server = folder.archiveDatabase();
        folder = ProgramFolder(QFileInfo(args.at(2)).absoluteFilePath());
        if (server.isServer())
            folder.setArchiveServer(server);
    }
    const ProgramFolderSetupResult result = initialiseProgramFolder(folder);
    QTextStream out(stdout);
    for (const QString &path : result.created)
        out << CommandLineText::SetupCreated.arg(path) << '\n';
    for (const QString &path : result.kept)
        out << CommandLineText::SetupKept.arg(path) << '\n';
    if (!result.error.isEmpty()) {
        QTextStream(stderr) << result.error << '\n';
        return 1;
    }
    return 0;
}
