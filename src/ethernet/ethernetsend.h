#pragma once

#include "cncdownload.h"
#include "cnclibrary.h"

#include <QStringList>

#include <variant>

class CncLibrary;
class TransferStop;

// A send into the CNC memory in its steps, the same for the Ethernet window and the command line:
// the checks of the text, the renumbering against the CNC's directory (multiprogram.h), the
// download of every program, and the reading back.

struct SendPlan {
    QStringList lines; // as the Ethernet window lists them
    QString destination; // "O" and the number
};
// The checks before anything goes to the CNC: the part program's form, the destination typed (or
// the first line's number), a "%" that would end the program early. The message when it cannot go.
std::variant<SendPlan, QString> planSend(const QStringList &lines, const QString &typedDestination);

struct SendOutcome {
    CncDownload download;
    QStringList messages; // what the user is told, "Programma inviato.." included
    bool sent() const { return download.started && download.result == EW_OK && !download.stopped; }
};
// The download of the checked text, as the renumbering left it, under the destination.
SendOutcome downloadChecked(CncLibrary &library, unsigned short handle, const QStringList &renumbered,
                            const QString &destination, const TransferStop &stop);

// Reads every program just written back and compares it with what the CNC should hold: the
// renumbered text, its calls included. The messages say what differs, or that all is the same.
bool verifySent(CncLibrary &library, unsigned short handle, const TransferStop &stop,
                const QStringList &renumbered, const QString &destination, QStringList &messages);
