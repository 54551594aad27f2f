#include "revisioncommands.h"

#include "archivestore.h"
#include "archiveusers.h"
#include "commandlinetext.h"
#include "commandrun.h"
#include "diffcommand.h"
#include "programrevisions.h"
#include "programtextcommands.h"
#include "revisedtext.h"
#include "revisiontext.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstring>

#include <unistd.h>

namespace RevisionCommands {

namespace {

// Numbers as the user types them; nullopt for anything but a positive number.
std::optional<int> positive(const QString &word)
{
    bool ok = false;
    const int value = word.trimmed().toInt(&ok);
    return ok && value > 0 ? std::optional<int>(value) : std::nullopt;
}

} // namespace

int listRevisions(ArchiveStore &archive, const QStringList &args, QTextStream &out, QTextStream &err)
{
    const std::optional<int> number = args.size() == 1 ? positive(args.first()) : std::nullopt;
    if (!number) {
        err << CommandLineText::Usage;
        return 2;
    }
    const ProgramRevisions revisions(archive);
    const std::vector<RevisionInfo> found = revisions.list(*number);
    if (!revisions.lastError().isEmpty()) {
        err << revisions.lastError() << Qt::endl;
        return 1;
    }
    if (found.empty() && !archive.contains(*number)) {
        err << RevisionText::NotArchived.arg(*number) << Qt::endl;
        return 1;
    }
    for (const RevisionInfo &info : found) {
        out << info.revision << '\t' << info.time.toString(Qt::ISODate) << '\t' << info.who << '\t'
            << originWord(info.origin) << '\t' << info.size << '\t' << info.sha256 << '\n';
    }
    out.flush();
    return 0;
}

int restore(ArchiveStore &archive, const ProgramFolder &folder, const QStringList &args, QTextStream &out,
            QTextStream &err)
{
    const std::optional<int> number = args.size() == 2 ? positive(args.at(0)) : std::nullopt;
    const std::optional<int> revision = args.size() == 2 ? positive(args.at(1)) : std::nullopt;
    if (!number || !revision) {
        err << CommandLineText::Usage;
        return 2;
    }
    const TextChange change = restoreRevision(archive, folder, *number, *revision);
    if (!change.done) {
        err << change.error << Qt::endl;
        return 1;
    }
    packAfterChange(archive, folder, err);
    out << CommandLineText::RevisionRestored.arg(*revision).arg(*number) << Qt::endl;
    return 0;
}

int run(int argc, char **argv)
{
    CommandApplication app(argc, argv);
    const QString name = QString::fromLocal8Bit(argv[1]);
    const QStringList args = app.arguments().mid(2);
    QTextStream out(stdout);
    QTextStream err(stderr);
    // diff answers 1 for texts that differ, so its failures are 2.
    const int failure = name == u"diff" ? 2 : 1;
    const ProgramFolder folder = ProgramFolder::fromEnvironment(QCoreApplication::applicationDirPath());
    // Announced as every run is, so that a reorganisation cannot replace the archive meanwhile.
    ArchiveUsers users(folder.archivePath());
    QString error;
    if (!folder.archiveOnServer() && QFile::exists(folder.archivePath()) && !users.announce(&error)) {
        err << error << Qt::endl;
        return failure;
    }
    std::unique_ptr<ArchiveStore> archive = ArchiveStore::open(folder.archiveDatabase(), &error);
    // An archive from before revisions gets its table here as at a start of the windows.
    if (!archive || !ProgramRevisions::createTable(*archive, &error)) {
        err << error << Qt::endl;
        return failure;
    }
    // Program texts go out and come in as bytes, never through a text encoding.
    QFile standardOutput;
    QFile standardInput;
    if (!standardOutput.open(STDOUT_FILENO, QIODevice::WriteOnly) || !standardInput.open(STDIN_FILENO, QIODevice::ReadOnly))
        return failure;
    if (name == u"revisions")
        return listRevisions(*archive, args, out, err);
    if (name == u"restore")
        return restore(*archive, folder, args, out, err);
    if (name == u"diff")
        return diffRevisions(*archive, folder, args, standardOutput, err);
    if (name == u"text")
        return printProgramText(*archive, folder, args, standardOutput, err);
    return storeProgramText(*archive, folder, args, standardInput, out, err);
}

} // namespace RevisionCommands
