#pragma once

#include "archivestore.h"
#include "tempprogramfolder.h"
#include "transferlogstore.h"

#include <QStringList>

// The rows of the folder's transfer log, newest first, as machine, operation, archive number,
// file, CNC program, bytes and result separated by tabs, then the message when asked.
inline QStringList loggedTransfers(const TempProgramFolder &temp, bool withMessage = false)
{
    QStringList rows;
    const auto archive = temp.openArchive();
    for (const TransferListing &listing : TransferLogStore(*archive).list({})) {
        const QStringList fields = transferLogFields(listing);
        QStringList shown = fields.mid(3, 6) + QStringList{fields.at(11)};
        if (withMessage)
            shown.append(fields.at(12));
        rows.append(shown.join(u'\t'));
    }
    return rows;
}
