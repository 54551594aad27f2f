#include "machinelistener.h"

#include "dnctext.h"
#include "consoleoutput.h"
#include "serialport.h"
#include "machinechoice.h"

#include <utility>

MachineListener::MachineListener(const ProgramFolder &folder, const QString &machine, SerialPort &port,
                                 ConsoleOutput &errors, int idleMilliseconds, QObject *parent)
    : QObject(parent), m_folder(folder), m_machine(machine), m_port(port), m_errors(errors), m_dialogs(errors),
      m_terminal(m_machines, m_folder, port, m_dialogs)
{
    m_dialogs.prefix = machine + QStringLiteral(": ");
    // While the reception runs, a message is the line's failure, which ends it.
    // A device that stays away is told once, not at every try, for a journal of weeks.
    m_dialogs.muted = [this](const QString &text) { return m_reopening && text == m_openFailure; };
    // While an answer goes out, any message is its failure.
    m_dialogs.onMessage = [this](const QString &text) {
        if (m_reopening)
            m_openFailure = text;
        if (m_answerDone)
            m_answerFailed = true;
        else if (m_terminal.receiver().isActive())
            m_lineError = text;
    };
    // A line error prompt (framing, overrun...): nobody answers, so what came is suspect.
    m_dialogs.onQuestion = [this](const QString &text) {
        if (m_answerDone) {
            m_answerFailed = true;
            m_terminal.sender().terminate();
            return;
        }
        m_lineError = text;
        m_terminal.receiver().terminate();
    };
    m_terminal.setHooks({[this] {
                             chooseNamedMachine(m_machines, m_folder, m_port, m_terminal.flags(), m_dialogs, m_machine);
                         },
                         {}, {}});
    connect(&m_terminal.portEvents(), &PortEventHandler::statusShown, this,
            [this](const QString &text) { m_errors.line(m_dialogs.prefix + DncText::Status.arg(text)); });
    // After the reception's own handler, which has collected the arrival by then.
    connect(&m_port, &SerialPort::portEvent, this, [this] {
        if (m_port.commEvent() == SerialPort::EvReceive)
            arrived();
    });
    connect(&m_terminal.receiver(), &SerialTransfer::activeChanged, this, [this](bool active) {
        if (!active)
            receptionEnded();
    });
    m_idle.setSingleShot(true);
    m_idle.setInterval(idleMilliseconds);
    connect(&m_idle, &QTimer::timeout, this, &MachineListener::idleEnded);
    m_retry.setSingleShot(true);
    m_retry.setInterval(RetrySeconds * 1000);
    connect(&m_retry, &QTimer::timeout, this, &MachineListener::retry);
    connect(&m_terminal.sender(), &SerialTransfer::activeChanged, this, [this](bool active) {
        if (!active && m_answerDone)
            answerEnded();
    });
    m_consent.setSingleShot(true);
    m_consent.setInterval(ConsentSeconds * 1000);
    connect(&m_consent, &QTimer::timeout, this, [this] {
        if (!m_terminal.sender().isWaitingForConsent())
            return;
        m_errors.line(DncText::RequestNoConsent.arg(m_machine).arg(ConsentSeconds));
        m_answerFailed = true;
        m_terminal.sender().terminate();
    });
}

bool MachineListener::start()
{
    m_lineError.clear();
    m_scan = {};
    m_terminal.receiver().start();
    if (!m_terminal.receiver().isActive())
        return false;
    arrived();
    return true;
}

void MachineListener::retry()
{
    if (m_stopping)
        return;
    const QString told = m_openFailure;
    m_reopening = true;
    const bool opened = start();
    m_reopening = false;
    if (opened) {
        if (!told.isEmpty())
            m_errors.line(DncText::LineBack.arg(m_machine));
        m_openFailure.clear();
        return;
    }
    if (m_openFailure.isEmpty() || m_openFailure != told)
        m_errors.line(DncText::LineRetry.arg(m_machine).arg(RetrySeconds));
    // Something to compare the next try with, even when the port said nothing.
    if (m_openFailure.isEmpty())
        m_openFailure = DncText::LineRetry;
    m_retry.start();
}

void MachineListener::stop()
{
    m_stopping = true;
    m_retry.stop();
    if (m_terminal.receiver().isActive())
        m_terminal.receiver().terminate();
    if (m_terminal.sender().isActive()) {
        m_answerFailed = true;
        m_terminal.sender().terminate();
    }
}

bool MachineListener::answer(const QString &path, AnswerDone done)
{
    if (m_stopping || m_answerDone)
        return false;
    m_answerDone = std::move(done);
    m_answerFailed = false;
    m_retry.stop();
    // What has arrived so far is handed over as the end of a reception hands it.
    if (m_terminal.receiver().isActive())
        m_terminal.receiver().terminate();
    SerialSend &send = m_terminal.sender();
    send.startFile(path);
    if (!send.isActive()) {
        m_answerFailed = true;
        answerEnded();
        return true;
    }
    if (send.isWaitingForConsent())
        m_consent.start();
    return true;
}

void MachineListener::answerEnded()
{
    m_consent.stop();
    const SerialSend &send = m_terminal.sender();
    const bool whole = !m_answerFailed && send.totalCharacters() > 0 && send.sentCharacters() == send.totalCharacters();
    const AnswerDone done = std::exchange(m_answerDone, AnswerDone());
    done(send.sentCharacters(), whole);
    if (!m_stopping)
        retry();
}

void MachineListener::arrived()
{
    QByteArray &buffer = m_terminal.flags().receiveBuffer;
    for (qsizetype end = PunchedPrograms::end(buffer, m_scan); end > 0; end = PunchedPrograms::end(buffer, m_scan)) {
        const QByteArray program = buffer.left(end);
        buffer.remove(0, end);
        m_scan = {};
        emit received(program, {});
    }
    m_terminal.flags().byteCounter = qint32(buffer.size());
    // Silence counts from the last character, once something has arrived.
    if (!buffer.isEmpty())
        m_idle.start();
}

void MachineListener::idleEnded()
{
    const QByteArray rest = std::exchange(m_terminal.flags().receiveBuffer, QByteArray());
    m_terminal.flags().byteCounter = 0;
    m_scan = {};
    // Leader and line ends after a program are no program.
    if (PunchedPrograms::holdsText(rest))
        emit received(rest, {});
}

void MachineListener::receptionEnded()
{
    m_idle.stop();
    // Programs closed by the last arrival first, then what is left.
    arrived();
    m_idle.stop();
    const QByteArray rest = std::exchange(m_terminal.flags().receiveBuffer, QByteArray());
    m_scan = {};
    const QString lineError = std::exchange(m_lineError, QString());
    if (!lineError.isEmpty())
        emit received(rest, lineError);
    else if (PunchedPrograms::holdsText(rest))
        emit received(rest, {});
    // An answer starts the reception again once it has gone out.
    if (!m_stopping && !m_answerDone)
        m_retry.start();
}
