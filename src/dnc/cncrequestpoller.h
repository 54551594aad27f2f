#pragma once

#include "cncaddress.h"
#include "programfolder.h"
#include "remoterequest.h"

#include <QObject>
#include <QTimer>

#include <memory>

class CncLibrary;
class CncWorker;
class ConsoleOutput;

// The remote requests of one Ethernet machine under truvnet listen. Every poll it lists the
// CNC's directory; a request program (dnc/requestProgram) whose text asks for an archived
// program is read, the archived program is written into the CNC memory under its own number
// with the checks and renumbering of truvnet send --as (a number already there is never written
// over), and the request program is deleted from the CNC. A CNC that does not answer is tried
// again at the next poll; each poll has a connection of its own, given back when it ends.
class CncRequestPoller : public QObject {
    Q_OBJECT
public:
    CncRequestPoller(const QString &machine, const CncAddress &address, std::shared_ptr<CncLibrary> library,
                     const ProgramFolder &folder, RemoteRequest::Settings settings, int pollMilliseconds,
                     ConsoleOutput &errors, QObject *parent = nullptr);
    ~CncRequestPoller() override;

    // The first poll at once, then one each poll interval.
    void start();
    // No more polls; the one under way is abandoned (its connection given back).
    void stop();

signals:
    void answered(const QString &machine, qint32 number, qint64 characters, bool whole);
    // To be filed as ERR with the reason at its top; raw is the request program's text.
    void refused(const QString &machine, const QByteArray &raw, const QString &reason);

private:
    struct Found;
    void poll();
    void requestRead(const Found &found);
    // Writes the program unless there is a reason not to, and deletes the request; answer false:
    // the delete alone, of a request answered before.
    void writeAndDelete(const QByteArray &request, qint32 number, const QStringList &lines, const QString &reason,
                        bool answer = true);
    void tellUnreachable(const QString &why);
    void endPoll();

    QString m_machine;
    CncAddress m_address;
    std::shared_ptr<CncLibrary> m_library;
    ProgramFolder m_folder;
    RemoteRequest::Settings m_settings;
    ConsoleOutput &m_errors;
    QTimer m_timer;
    std::unique_ptr<CncWorker> m_worker; // while a poll is under way
    bool m_unreachable = false;          // told once until the CNC answers again
    QByteArray m_undeleted;              // a request handled whose delete the CNC refused
};
