#include "accessconversionoffer.h"

#include "accessfile.h"
#include "accessimport.h"
#include "dialogs.h"
#include "shelltext.h"

AccessOfferOutcome offerAccessConversion(const ProgramFolder &folder, Dialogs &dialogs,
                                         const AccessReaderFactory &openReader)
{
    if (folder.archiveOnServer() || !AccessFile::isAccessFile(folder.archivePath()))
        return AccessOfferOutcome::NotAccess;
    if (dialogs.question(ShellText::AccessArchiveFound.arg(folder.archivePath()), Dialogs::Buttons::YesNo)
        != Dialogs::Button::Yes)
        return AccessOfferOutcome::Declined;
    AccessImport import(openReader);
    QString error;
    if (!import.convertInPlace(folder, &error)) {
        dialogs.message(ShellText::AccessNotConverted.arg(error), {}, Dialogs::Icon::Critical);
        return AccessOfferOutcome::Failed;
    }
    const QStringList lines = import.report().summaryLines() + import.report().warnings;
    dialogs.message(ShellText::AccessConverted.arg(lines.join(QLatin1Char('\n'))), {}, Dialogs::Icon::Information);
    return AccessOfferOutcome::Converted;
}
