#pragma once

#include "transferstop.h"

#include <QObject>

#include <functional>
#include <memory>

class CncLibrary;

// The CNC library's calls for one connection, made one at a time and in order on a thread of
// their own, so that a call that takes its whole time-out leaves the windows answering and a
// Ctrl+C heard. The connection's handle lives on that thread: it is taken by connect() and given
// back exactly once, after the last call, whoever ends the worker and whenever.
class CncWorker : public QObject {
    Q_OBJECT
public:
    // A call with the library, the connection's handle and the stop that the transfer heeds.
    using Call = std::function<short(CncLibrary &library, unsigned short handle, const TransferStop &stop)>;

    explicit CncWorker(std::shared_ptr<CncLibrary> library, QObject *parent = nullptr);
    // Abandons what is still under way; never waits for it.
    ~CncWorker() override;

    // Connects to the CNC; the handle it gives is kept for the later calls.
    void connect(const QByteArray &host, unsigned short port, long timeoutSeconds, std::function<void(short)> then);
    // then() runs on this object's thread with the call's result, unless the worker was abandoned
    // meanwhile.
    void run(Call call, std::function<void(short)> then);

    // Stops the transfer under way at its next step, drops every result still to come, and gives
    // the handle back once the call in flight has returned. Nothing waits for that call.
    void abandon();
    bool isAbandoned() const { return m_abandoned; }
    // True while calls are queued or under way.
    bool isBusy() const;
    // Waits up to milliseconds for the calls to end (the handle given back included after
    // abandon()); true when they did.
    bool waitUntilIdle(int milliseconds) const;

private:
    struct State;
    std::shared_ptr<State> m_state;
    bool m_abandoned = false;
};
