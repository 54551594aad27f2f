#pragma once

#include <QObject>
#include <QThreadPool>

#include <functional>

// Runs the CNC library's calls one at a time and in order, off the user-interface thread, so that
// a connection that takes its whole time-out leaves the windows painted and answering; each
// result comes back on the thread that asked, through the event loop.
class CncCalls : public QObject {
    Q_OBJECT
public:
    explicit CncCalls(QObject *parent = nullptr);
    // Waits for the call under way; results not yet delivered are dropped.
    ~CncCalls() override;

    void run(std::function<short()> call, std::function<void(short)> then);
    // Waits until every call asked for has returned (its result may still be on its way).
    void waitForCalls();

private:
    QThreadPool m_worker;
};
