#pragma once

#include "cncupload.h"

#include <QStringList>

#include <variant>

class CncLibrary;
class TransferStop;

// A program read from the CNC memory, the same for the Ethernet window and the command line.

// The number of the program to read, from what the user typed ("O12", "12"); the message when
// there is none or it is not a number.
std::variant<long, QString> sourceProgram(const QString &typed);

struct ReceivedProgram {
    QStringList lines; // the whole program, as the window lists it
    QString failure;   // why there is none; empty when it arrived whole
};
ReceivedProgram receiveProgram(CncLibrary &library, unsigned short handle, long number, const UploadLimits &limits,
                               const TransferStop &stop);
