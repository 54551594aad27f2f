#pragma once

#include "programfolder.h"
#include "remoterequest.h"

#include <QObject>

class ConsoleOutput;
class MachineListener;

// The remote requests of the serial lines under truvnet listen: a request is not filed; after
// the request delay the archived program goes back down the line it came from, or, when it
// cannot, the request is handed on to be filed as an error with the reason.
class RequestAnswers : public QObject {
    Q_OBJECT
public:
    RequestAnswers(const ProgramFolder &folder, RemoteRequest::Settings settings, ConsoleOutput &errors,
                   QObject *parent = nullptr);

    // True when what arrived is a request: it is answered or refused, never filed as received.
    bool take(const QString &machine, MachineListener &listener, const QByteArray &raw);

signals:
    void answered(const QString &machine, qint32 number, qint64 characters, bool whole);
    // To be filed as ERR with the reason at its top.
    void refused(const QString &machine, const QByteArray &raw, const QString &reason);

private:
    ProgramFolder m_folder;
    RemoteRequest::Settings m_settings;
    ConsoleOutput &m_errors;
};
