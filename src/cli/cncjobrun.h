#pragma once

#include "cncaddress.h"
#include "cncworker.h"

#include <QStringList>

#include <memory>

class QTextStream;

// A command's work on a CNC, run on the library's own thread once connected: what it tells goes
// to messages, its exit status is returned.
using CncJob = std::function<int(CncLibrary &library, unsigned short handle, const TransferStop &stop,
                                 QStringList &messages)>;

struct CncJobOutcome {
    int status = 1;
    bool stopped = false; // by a signal: the job may still be running, its results are not to be read
    QStringList messages; // what was told on err
};

// Connects, runs the job and waits for it on an event loop that hears Ctrl+C and SIGTERM. A
// signal stops the job at its next step (the transfer is ended on the CNC where the call in
// flight returns in time) and ends the command within a second or two with 128 + the signal's
// number and stopMessage, whether or not that call has returned. The handle is given back in
// every case. The job's messages go to err when it ends.
CncJobOutcome runCncJob(std::shared_ptr<CncLibrary> library, const CncAddress &address, CncJob job,
                        const QString &stopMessage, QTextStream &err);
