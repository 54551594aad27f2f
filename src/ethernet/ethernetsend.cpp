#include "ethernetsend.h"

#include "busyretry.h"
#include "cncdirectory.h"
#include "ethernetreceive.h"
#include "ethernettext.h"
#include "sentprograms.h"
#include "settingsstore.h"

std::variant<SendPlan, QString> planSend(const QStringList &lines, const QString &typedDestination)
{
    if (!hasPartProgramForm(lines))
        return EthernetText::BadPartProgram;
    const std::optional<QString> destination = downloadDestination(typedDestination, lines.first());
    if (!destination)
        return EthernetText::InvalidNumber;
    if (const std::optional<QString> percent = programEndInText(lines))
        return *percent;
    return SendPlan{lines, *destination};
}

SendOutcome downloadChecked(CncLibrary &library, unsigned short handle, const QStringList &renumbered,
                            const QString &destination, const TransferStop &stop)
{
    SendOutcome outcome;
    outcome.download =
        downloadProgram(library, handle, downloadText(renumbered, destination), BusyRetry::LimitMs, stop);
    outcome.messages = downloadMessages(outcome.download);
    return outcome;
}

bool verifySent(CncLibrary &library, unsigned short handle, const TransferStop &stop,
                const QStringList &renumbered, const QString &destination, QStringList &messages)
{
    const UploadLimits limits = configuredUploadLimits(SettingsStore());
    for (const SentProgram &program : sentPrograms(renumbered, destination)) {
        const QString name = programNumberText(program.number);
        const ReceivedProgram read = receiveProgram(library, handle, program.number, limits, stop);
        if (!read.failure.isEmpty()) {
            messages.append(EthernetText::VerifyNotRead.arg(name, read.failure));
            return false;
        }
        if (const std::optional<LineDifference> difference = firstDifference(program.lines, read.lines)) {
            messages.append(
                EthernetText::VerifyDiffers.arg(name).arg(difference->line).arg(difference->sent, difference->read));
            return false;
        }
    }
    messages.append(EthernetText::Verified);
    return true;
}
