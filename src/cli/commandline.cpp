#include "commandline.h"

#include "accessimportcommand.h"
#include "archivecopy.h"
#include "backupcommand.h"
#include "cnccommands.h"
#include "commandlinetext.h"
#include "commandrun.h"
#include "initcommand.h"
#include "linetestcommand.h"
#include "listencommand.h"
#include "machinelisting.h"
#include "programlisting.h"
#include "revisioncommands.h"
#include "transfercommands.h"
#include "transferlogcommand.h"
#include "version.h"

#include <QTextStream>

#include <cstring>
#include <iterator>

namespace {

struct Subcommand {
    const char *word;
    int (*run)(int argc, char **argv);
};

constexpr Subcommand Subcommands[] = {
    {"--init", initialise},
    {"import-access", importAccessCommand},
    {"machines", listMachinesCommand},
    {"dir", cncDirectoryCommand},
    {"backup", backupCommand},
    {"lines", lineTestCommand},
    {"programs", programsCommand},
    {"copy-archive", copyArchiveCommand},
    {"send", transferCommand},
    {"receive", transferCommand},
    {"listen", listenCommand},
    {"revisions", RevisionCommands::run},
    {"diff", RevisionCommands::run},
    {"restore", RevisionCommands::run},
    {"text", RevisionCommands::run},
    {"store", RevisionCommands::run},
    {"log", transferLogCommand},
};

} // namespace

std::optional<int> runCommandLine(int argc, char **argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        CommandApplication app(argc, argv);
        QTextStream(stdout) << CommandLineText::Version.arg(QStringLiteral(TRUV_VERSION));
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        CommandApplication app(argc, argv);
        QTextStream(stdout) << CommandLineText::Usage;
        return 0;
    }
    if (argc < 2)
        return std::nullopt;
    for (const Subcommand &subcommand : Subcommands) {
        if (std::strcmp(argv[1], subcommand.word) == 0)
            return subcommand.run(argc, argv);
    }
    // Options such as Qt's -platform go to the windows; any other word is a mistyped subcommand.
    if (argv[1][0] != '-') {
        CommandApplication app(argc, argv);
        QTextStream(stderr) << CommandLineText::Usage;
        return 2;
    }
    return std::nullopt;
}
