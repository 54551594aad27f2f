#pragma once

#include <QProcess>
#include <QStringList>

class TempProgramFolder;

// truvnet in its own process, without any display, on the program folder of the test.
class TruvnetProcess {
public:
    // wrapper: a command that runs truvnet, given as its last words.
    TruvnetProcess(const QString &program, const TempProgramFolder &temp, const QStringList &arguments,
                   const QStringList &wrapper = {});
    ~TruvnetProcess();
    TruvnetProcess(const TruvnetProcess &) = delete;
    TruvnetProcess &operator=(const TruvnetProcess &) = delete;

    bool finish(int timeout = 20000) { return m_process.waitForFinished(timeout); }
    // Until the process runs, so that it has an id to look for and to signal.
    bool waitStarted(int timeout = 10000) { return m_process.waitForStarted(timeout); }
    bool running() const { return m_process.state() == QProcess::Running; }
    void signal(int number);
    qint64 processId() const { return m_process.processId(); }
    int exitCode() const { return m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1; }
    // Standard error so far.
    QString err();
    // Standard output so far, by lines.
    QStringList outLines();

private:
    QProcess m_process;
    QString m_err;
    QString m_out;
};
