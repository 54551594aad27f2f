#include "backupcommand.h"

#include "cncdirectory.h"
#include "cncjobrun.h"
#include "cnccommands.h"
#include "commandlinetext.h"
#include "commandrun.h"
#include "ethernetreceive.h"
#include "ethernettext.h"
#include "focaslibrary.h"
#include "settingsstore.h"
#include "textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

namespace {

struct ReadProgram {
    long number = 0;
    QByteArray text;  // as truvnet receive --from writes it
    QString failure;  // why it was not read; empty when it was
};

// Whether the file already holds exactly these bytes.
bool holds(const QString &path, const QByteArray &text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() != text.size())
        return false;
    return file.readAll() == text;
}

} // namespace

int backupCnc(const ProgramFolder &folder, const QString &machine, const QString &target,
              std::shared_ptr<CncLibrary> library, QTextStream &out, QTextStream &err)
{
    const std::optional<CncAddress> address = ethernetMachineAddress(folder, machine, err);
    if (!address)
        return 1;
    if (!QDir().mkpath(target)) {
        err << CommandLineText::BackupNoFolder.arg(target) << Qt::endl;
        return 1;
    }

    const UploadLimits limits = configuredUploadLimits(SettingsStore());
    auto programs = std::make_shared<std::vector<ReadProgram>>();
    const CncJobOutcome outcome = runCncJob(
        std::move(library), *address,
        [limits, programs](CncLibrary &cnc, unsigned short handle, const TransferStop &stop, QStringList &messages) {
            const CncDirectory directory = readCncDirectory(cnc, handle);
            if (directory.result != EW_OK) {
                messages.append(directoryFailure(directory));
                return 1;
            }
            // One program that cannot be read does not keep the others from being kept.
            for (const CncProgramEntry &entry : directory.programs) {
                if (stop.requested())
                    return 1;
                const ReceivedProgram received = receiveProgram(cnc, handle, entry.number, limits, stop);
                programs->push_back({entry.number, received.failure.isEmpty() ? terminalText(received.lines) : QByteArray(),
                                     received.failure});
            }
            return 0;
        },
        EthernetText::UploadStopped, err);
    // Written here, on the command's own thread, once the job has ended.
    if (outcome.stopped || outcome.status != 0)
        return outcome.status;

    QStringList notKept;
    for (const ReadProgram &program : *programs) {
        const QString name = programNumberText(program.number);
        if (!program.failure.isEmpty()) {
            err << name << ": " << program.failure << Qt::endl;
            notKept.append(name);
            continue;
        }
        const QString file = name + QStringLiteral(".nc");
        const QString path = QDir(target).filePath(file);
        if (holds(path, program.text)) {
            out << CommandLineText::BackupUnchanged.arg(file).arg(program.text.size()) << Qt::endl;
            continue;
        }
        QString error;
        if (!TextFile::writeAtomically(path, program.text, &error)) {
            err << path << ": " << error << Qt::endl;
            notKept.append(name);
            continue;
        }
        out << CommandLineText::BackupWritten.arg(file).arg(program.text.size()) << Qt::endl;
    }
    if (notKept.isEmpty())
        return 0;
    err << CommandLineText::BackupNotKept.arg(notKept.join(QStringLiteral(", "))) << Qt::endl;
    return 1;
}

int backupCommand(int argc, char **argv)
{
    EventLoopCommand::prepare();
    CommandApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4 || args.at(2).trimmed().isEmpty() || args.at(3).isEmpty()) {
        QTextStream(stderr) << CommandLineText::Usage;
        return 2;
    }
    CommandFolder run;
    if (!run.announce())
        return 1;
    const auto library = std::make_shared<FocasLibrary>(FocasLibrary::configuredFileName(SettingsStore()));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return withLibraryNote(backupCnc(run.folder(), args.at(2), args.at(3), library, out, err), *library, err);
}
