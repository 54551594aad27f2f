#include "commandrun.h"

#include "commandlinetext.h"
#include "focaslibrary.h"

#include <csignal>

#include <unistd.h>

bool CommandFolder::announce()
{
    QString error;
    if (!QFile::exists(m_folder.archivePath()) || m_users.announce(&error))
        return true;
    QTextStream(stderr) << error << '\n';
    return false;
}

// A CNC command that failed may have failed for want of the library: say which and why.
int withLibraryNote(int status, const FocasLibrary &library, QTextStream &err)
{
    if (status == 1 && !library.isLoaded())
        err << CommandLineText::LibraryNotLoaded.arg(library.loadError()) << Qt::endl;
    return status;
}

void EventLoopCommand::prepare()
{
    InterruptSignals::block();
    // A reader of the messages that goes away (a pipe into head) must not end a command.
    std::signal(SIGPIPE, SIG_IGN);
}

bool EventLoopCommand::ready()
{
    if (!m_standardError.open(STDERR_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    m_output = std::make_unique<ConsoleOutput>(m_standardError, ::isatty(STDERR_FILENO) == 1);
    return m_run.announce();
}
