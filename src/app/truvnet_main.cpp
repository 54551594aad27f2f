// truvnet: the archive, editor and transfer program.
#include "machinelisting.h"
#include "shelltext.h"
#include "programfolder.h"
#include "programfoldersetup.h"
#include "qtdialogs.h"
#include "session.h"
#include "startupsequence.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include <cstring>

namespace {

int initialise(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const ProgramFolder folder = args.size() > 2
        ? ProgramFolder(QFileInfo(args.at(2)).absoluteFilePath())
        : ProgramFolder::fromEnvironment(QCoreApplication::applicationDirPath());
    const ProgramFolderSetupResult result = initialiseProgramFolder(folder);
    QTextStream out(stdout);
    for (const QString &path : result.created)
        out << "creato " << path << '\n';
    for (const QString &path : result.kept)
        out << "già presente, non modificato " << path << '\n';
    if (!result.error.isEmpty()) {
        QTextStream(stderr) << result.error << '\n';
        return 1;
    }
    return 0;
}

int listMachinesCommand(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const ProgramFolder folder = ProgramFolder::fromEnvironment(QCoreApplication::applicationDirPath());
    QString listing;
    QString error;
    if (!listMachines(folder, &listing, &error)) {
        QTextStream(stderr) << error << '\n';
        return 1;
    }
    QTextStream(stdout) << listing;
    return 0;
}

int runWindows(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(ShellText::ProgramTitle);
    Session session(ProgramFolder::fromEnvironment(QCoreApplication::applicationDirPath()));
    QtDialogs dialogs(ShellText::ProgramTitle);
    StartupSequence startup(session, dialogs);
    QObject::connect(&startup, &StartupSequence::finished, &app, &QCoreApplication::exit,
                     Qt::QueuedConnection);
    startup.start();
    return app.exec();
}

} // namespace

int main(int argc, char **argv)
{
    // Subcommands run without windows, so they need no display.
    if (argc > 1 && std::strcmp(argv[1], "--init") == 0)
        return initialise(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "machines") == 0)
        return listMachinesCommand(argc, argv);
    return runWindows(argc, argv);
}
