#pragma once

#include "archiveusers.h"
#include "consoleoutput.h"
#include "interfacelanguage.h"
#include "interruptsignals.h"
#include "programfolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <memory>

class FocasLibrary;

// What the subcommands share around their work: the program folder announced on the archive,
// the event loop that hears Ctrl+C, the note about a CNC library that did not load.

// The application object of a command-line run: its messages in the interface's language.
class CommandApplication : public QCoreApplication {
public:
    CommandApplication(int &argc, char **argv) : QCoreApplication(argc, argv)
    {
        m_translations.installProgramTexts(InterfaceTranslations::chosen());
    }

private:
    InterfaceTranslations m_translations;
};

// The program folder of a command-line run. The run announces itself on the archive as the
// windows do, so that a reorganisation cannot replace the archive under it.
class CommandFolder {
public:
    const ProgramFolder &folder() const { return m_folder; }
    // False, after saying why, when the archive is being replaced.
    bool announce();

private:
    ProgramFolder m_folder = ProgramFolder::fromEnvironment(QCoreApplication::applicationDirPath());
    ArchiveUsers m_users{m_folder.archivePath()};
};

// A CNC command that failed may have failed for want of the library: say which and why.
int withLibraryNote(int status, const FocasLibrary &library, QTextStream &err);

// What the commands that run on the event loop share: Ctrl+C and SIGTERM read there,
// unbuffered standard error for their messages, and the announcement on the archive.
class EventLoopCommand {
public:
    // Before QCoreApplication, so that no thread can take Ctrl+C the default way.
    static void prepare();

    // False when standard error cannot be written or the archive is being replaced.
    bool ready();
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
