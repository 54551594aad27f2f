#pragma once

#include "commterminal.h"
#include "consoledialogs.h"
#include "machinestate.h"
#include "programfolder.h"
#include "punchedprograms.h"

#include <QObject>
#include <QTimer>

#include <functional>

class ConsoleOutput;
class SerialPort;

// One machine's serial line under truvnet listen: the terminal's reception runs on it without
// end, and what arrives is cut into programs at the closing "%" or at the idle time. A line
// error ends the reception with what came so far, and the line is opened again a little later.
class MachineListener : public QObject {
    Q_OBJECT
public:
    static constexpr int RetrySeconds = 10;
    // How long an answer waits for the machine's consent on an XON/XOFF line.
    static constexpr int ConsentSeconds = 120;
    // Characters sent, and whether the whole program went as asked.
    using AnswerDone = std::function<void(qint64 sent, bool whole)>;

    MachineListener(const ProgramFolder &folder, const QString &machine, SerialPort &port, ConsoleOutput &errors,
                    int idleMilliseconds, QObject *parent = nullptr);

    // Opens the line; false when the port could not be opened (told why).
    bool start();
    // Ends the reception; what has arrived is handed over first. An answer under way ends.
    void stop();
    // Sends the program file down the line as truvnet send does, the reception paused
    // meanwhile and started again after; done follows in every case. False, and no done,
    // when the line is already answering or being stopped.
    bool answer(const QString &path, AnswerDone done);

signals:
    // A program that arrived, unfiltered; lineError is set when a line error ended it.
    void received(const QByteArray &raw, const QString &lineError);

private:
    void arrived();
    void idleEnded();
    void receptionEnded();
    void retry();
    void answerEnded();

    ProgramFolder m_folder;
    QString m_machine;
    SerialPort &m_port;
    ConsoleOutput &m_errors;
    ConsoleDialogs m_dialogs;
    MachineState m_machines;
    CommTerminal m_terminal;
    PunchedPrograms::Scan m_scan;
    QTimer m_idle;
    QTimer m_retry;
    QTimer m_consent;
    AnswerDone m_answerDone; // set while answering
    bool m_answerFailed = false;
    QString m_lineError;
    // While a vanished device is waited for: the reason told, so that it is told once.
    QString m_openFailure;
    bool m_reopening = false;
    bool m_stopping = false;
};
