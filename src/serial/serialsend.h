#pragma once

#include "serialtransfer.h"

#include <QTimer>

#include <chrono>
#include <memory>

class ProgramStream;

// Sending the terminal's program to a serial machine ("&Trasmetti il programma al C.N. ..."):
// machine choice, cleaning, the consent wait of an XON/XOFF line, then preamble, program and
// postamble with the machine's line ends, one block at a time, each handed over once the
// previous one has left the port.
class SerialSend : public SerialTransfer {
    Q_OBJECT
public:
    SerialSend(MachineState &machines, SerialPort &port, Dialogs &dialogs, TransferFlags &flags,
               QObject *parent = nullptr);

    ~SerialSend() override;

    // Starts a send of the terminal's text; returns once it waits for the machine.
    void start(const QByteArray &terminalText);
    // The same for a program file, read a piece at a time as it goes out: the memory of a
    // send does not grow with the program. The terminal text is left alone.
    void startFile(const QString &path);
    // Characters of the send text handed to the port so far, and in all (0 before sending).
    qint64 sentCharacters() const { return m_sent; }
    qint64 totalCharacters() const { return m_total; }
    void terminate() override;
    void continueWithoutConsent() override;

    bool isWaitingForConsent() const { return m_stage == Stage::Consent; }
    // Longest pause between two looks at a held transmit queue.
    void setLongestDrainPoll(std::chrono::milliseconds poll) { m_longestPoll = poll; }

private:
    enum class Stage { Idle, Consent, Sending };

    // What start() and startFile() share once the text is known not to be empty.
    void startWith(const QByteArray &cleanedText, const QString &path);

    void whenPortEvent();
    void whenLineLost();
    void consentGiven();
    void stopInConsentWait();
    void beginSending();
    void sendNextBlock();
    void checkDrained();
    void finish();
    std::chrono::milliseconds drainTime(int queued) const;

    Stage m_stage = Stage::Idle;
    int m_handshaking = 0;
    QByteArray m_cleanedText;
    QString m_programPath; // a file sent as it is read; empty for the terminal's text
    std::unique_ptr<ProgramStream> m_stream;
    qint64 m_sent = 0;
    qint64 m_total = 0;
    qint32 m_blockSize = 0;
    QTimer m_drainTimer;
    int m_lastQueued = 0;
    std::chrono::milliseconds m_heldPoll{0};
    std::chrono::milliseconds m_longestPoll{200};
};
