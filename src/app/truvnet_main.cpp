// truvnet: the archive, editor and transfer program.
#include "accessimportcommand.h"
#include "archivecopy.h"
#include "archiveusers.h"
#include "cnccommands.h"
#include "commandlinetext.h"
#include "consoleoutput.h"
#include "deviceportprobe.h"
#include "focaslibrary.h"
#include "icmppinger.h"
#include "interruptsignals.h"
#include "italian.h"
#include "linetestcommand.h"
#include "listencommand.h"
#include "machinelisting.h"
#include "mdbreader.h"
#include "shelltext.h"
#include "programfolder.h"
#include "programfoldersetup.h"
#include "programicon.h"
#include "programlisting.h"
#include "qtdialogs.h"
#include "qtserialport.h"
#include "revisioncommands.h"
#include "screenfit.h"
#include "session.h"
#include "settingsstore.h"
#include "startupsequence.h"
#include "transfercommands.h"
#include "version.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <csignal>
#include <cstring>
#include <memory>

#include <unistd.h>

namespace {

// The program folder of a command-line run. The run announces itself on the archive as the
// windows do, so that a reorganisation cannot replace the archive under it.
class CommandFolder {
public:
    const ProgramFolder &folder() const { return m_folder; }
    // False, after saying why, when the archive is being replaced.
    bool announce()
    {
        QString error;
        if (!QFile::exists(m_folder.archivePath()) || m_users.announce(&error))
            return true;
        QTextStream(stderr) << error << '\n';
        return false;
    }

private:
    ProgramFolder m_folder = ProgramFolder::fromEnvironment(QCoreApplication::applicationDirPath());
    ArchiveUsers m_users{m_folder.archivePath()};
};

// A CNC command that failed may have failed for want of the library: say which and why.
int withLibraryNote(int status, const FocasLibrary &library, QTextStream &err)
{
    if (status == 1 && !library.isLoaded())
        err << CommandLineText::LibraryNotLoaded.arg(library.loadError()) << Qt::endl;
    return status;
}

int initialise(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
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
        out << "creato " << path << '\n';
    for (const QString &path : result.kept)
        out << "già presente, non modificato " << path << '\n';
    if (!result.error.isEmpty()) {
        QTextStream(stderr) << result.error << '\n';
        return 1;
    }
    return 0;
}

int importAccessCommand(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return importAccessArchive(app.arguments().mid(2),
                               ProgramFolder::fromEnvironment(QCoreApplication::applicationDirPath()),
                               MdbReader::open, out, err);
}

int listMachinesCommand(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    CommandFolder run;
    if (!run.announce())
        return 1;
    QString listing;
    QString error;
    QString warning;
    if (!listMachines(run.folder(), &listing, &error, &warning)) {
        QTextStream(stderr) << error << '\n';
        return 1;
    }
    if (!warning.isEmpty())
        QTextStream(stderr) << warning << '\n';
    QTextStream(stdout) << listing;
    return 0;
}

int lineTestCommand(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
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

int programsCommand(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    CommandFolder run;
    if (!run.announce())
        return 1;
    QTextStream out(stdout);
    QTextStream err(stderr);
    return listPrograms(run.folder(), app.arguments().mid(2), out, err);
}

int copyArchiveCommand(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 || !DatabaseAddress::isServerUrl(args.at(2))) {
        QTextStream(stderr) << CommandLineText::Usage;
        return 2;
    }
    // The settings' password goes only to the server the settings name.
    const SettingsStore settings;
    const DatabaseAddress configured = ProgramFolder::configuredArchiveServer(settings);
    const DatabaseAddress target = configured.url() == QUrl(args.at(2))
        ? configured
        : DatabaseAddress::server(args.at(2));
    CommandFolder run;
    if (!run.announce())
        return 1;
    QTextStream out(stdout);
    QTextStream err(stderr);
    return copyArchiveToServer(run.folder(), target, out, err);
}

// What the commands that run on the event loop share: Ctrl+C and SIGTERM read there,
// unbuffered standard error for their messages, and the announcement on the archive.
class EventLoopCommand {
public:
    // Before QCoreApplication, so that no thread can take Ctrl+C the default way.
    static void prepare()
    {
        InterruptSignals::block();
        // A reader of the messages that goes away (a pipe into head) must not end a command.
        std::signal(SIGPIPE, SIG_IGN);
    }

    // False when standard error cannot be written or the archive is being replaced.
    bool ready()
    {
        if (!m_standardError.open(STDERR_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        m_output = std::make_unique<ConsoleOutput>(m_standardError, ::isatty(STDERR_FILENO) == 1);
        return m_run.announce();
    }
    const ProgramFolder &folder() const { return m_run.folder(); }
    ConsoleOutput &output() { return *m_output; }

    // Runs the command until it finishes; the interrupt signals go to it.
    template <typename Command, typename Request>
    static int run(QCoreApplication &app, Command &command, const Request &request)
    {
        InterruptSignals interrupts;
        QObject::connect(&interrupts, &InterruptSignals::received, &command, &Command::interrupt);
        QObject::connect(&command, &Command::finished, &app, &QCoreApplication::exit, Qt::QueuedConnection);
        command.start(request);
        return app.exec();
    }

private:
    QFile m_standardError;
    std::unique_ptr<ConsoleOutput> m_output;
    CommandFolder m_run;
};

int cncDirectoryCommand(int argc, char **argv)
{
    EventLoopCommand::prepare();
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        QTextStream(stderr) << CommandLineText::Usage;
        return 2;
    }
    CommandFolder run;
    if (!run.announce())
        return 1;
    const auto library = std::make_shared<FocasLibrary>(FocasLibrary::configuredFileName(SettingsStore()));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return withLibraryNote(listCncDirectory(run.folder(), args.at(2), library, out, err), *library, err);
}

int transferCommand(int argc, char **argv)
{
    EventLoopCommand::prepare();
    QCoreApplication app(argc, argv);
    const std::optional<TransferRequest> request = parseTransferRequest(app.arguments().mid(1));
    if (!request) {
        QTextStream(stderr) << CommandLineText::Usage;
        return TransferCommand::UsageError;
    }
    EventLoopCommand console;
    if (!console.ready())
        return TransferCommand::Failure;
    if (!request->from.isEmpty() || !request->as.isEmpty()) {
        const auto library = std::make_shared<FocasLibrary>(FocasLibrary::configuredFileName(SettingsStore()));
        QTextStream err(stderr);
        return withLibraryNote(request->as.isEmpty() ? receiveFromCnc(console.folder(), request->machine,
                                                                      request->from, request->file, library, err)
                                                     : sendToCnc(console.folder(), *request, library, err),
                               *library, err);
    }
    QtSerialPort port;
    IcmpPinger pinger;
    TransferCommand command(console.folder(), port, console.output(), pinger);
    return EventLoopCommand::run(app, command, *request);
}

int listenCommand(int argc, char **argv)
{
    EventLoopCommand::prepare();
    QCoreApplication app(argc, argv);
    const std::optional<ListenRequest> request = parseListenRequest(app.arguments().mid(1));
    if (!request) {
        QTextStream(stderr) << CommandLineText::Usage;
        return ListenCommand::UsageError;
    }
    EventLoopCommand console;
    if (!console.ready())
        return ListenCommand::Failure;
    QTextStream out(stdout);
    ListenCommand command(console.folder(), [] { return std::make_unique<QtSerialPort>(); }, out, console.output());
    return EventLoopCommand::run(app, command, *request);
}

int runWindows(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(ShellText::ProgramTitle);
    QApplication::setWindowIcon(ProgramIcon::icon());
    // Qt's own buttons and dialogs ("Sì", "Annulla") speak the program's language.
    QtItalianTexts qtTexts;
    if (!qtTexts.install())
        QTextStream(stderr) << QtItalianTextsMissing << Qt::endl;
    Session session(ProgramFolder::fromEnvironment(QCoreApplication::applicationDirPath()));
    ScreenFit screenFit;
    app.installEventFilter(&screenFit);
    // Boxes without a title of their own carry the main window's caption, as the others do.
    QtDialogs dialogs(ShellText::MainCaptionWithRelease + QStringLiteral(TRUV_VERSION));
    IcmpPinger pinger;
    DevicePortProbe probe;
    StartupSequence startup(session, dialogs, pinger, probe);
    QObject::connect(&startup, &StartupSequence::finished, &app, &QCoreApplication::exit,
                     Qt::QueuedConnection);
    startup.start();
    return app.exec();
}

} // namespace

int main(int argc, char **argv)
{
    // Counts and sizes read the same in the windows and on the command line.
    useItalianNumbers();
    // Subcommands run without windows, so they need no display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        QTextStream(stdout) << CommandLineText::Version.arg(QStringLiteral(TRUV_VERSION));
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        QTextStream(stdout) << CommandLineText::Usage;
        return 0;
    }
    if (argc > 1 && std::strcmp(argv[1], "--init") == 0)
        return initialise(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "import-access") == 0)
        return importAccessCommand(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "machines") == 0)
        return listMachinesCommand(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "dir") == 0)
        return cncDirectoryCommand(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "lines") == 0)
        return lineTestCommand(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "programs") == 0)
        return programsCommand(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "copy-archive") == 0)
        return copyArchiveCommand(argc, argv);
    if (argc > 1 && (std::strcmp(argv[1], "send") == 0 || std::strcmp(argv[1], "receive") == 0))
        return transferCommand(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "listen") == 0)
        return listenCommand(argc, argv);
    if (argc > 1 && RevisionCommands::handles(argv[1]))
        return RevisionCommands::run(argc, argv);
    // Options such as Qt's -platform go to the windows; any other word is a mistyped subcommand.
    if (argc > 1 && argv[1][0] != '-') {
        QTextStream(stderr) << CommandLineText::Usage;
        return 2;
    }
    return runWindows(argc, argv);
}
