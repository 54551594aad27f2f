#pragma once

#include "serialtransfer.h"

#include <QTimer>

#include <chrono>

// Sending the terminal's program to a serial machine ("&Trasmetti il programma al C.N. ..."):
// machine choice, cleaning, the consent wait of an XON/XOFF line, then preamble, program and
// postamble with the machine's line ends, one block at a time, each handed over once the
// previous one has left the port.
class SerialSend : public SerialTransfer {
    Q_OBJECT
public:
    SerialSend(MachineState &machines, SerialPort &port, Dialogs &dialogs, TransferFlags &flags,
               QObject *parent = nullptr);

    // Starts a send of the terminal's text; returns once it waits for the machine.
    void start(const QByteArray &terminalText);
    void terminate() override;
    void continueWithoutConsent() override;

    bool isWaitingForConsent() const { return m_stage == Stage::Consent; }
    // Longest pause between two looks at a held transmit queue.
    void setLongestDrainPoll(std::chrono::milliseconds poll) { m_longestPoll = poll; }

private:
    enum class Stage { Idle, Consent, Sending };

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
    QByteArray m_sendText;
    qint32 m_position = 0;  // zero-based: the first character of the next block
    qint32 m_blockSize = 0;
    QTimer m_drainTimer;
    int m_lastQueued = 0;
    std::chrono::milliseconds m_heldPoll{0};
    std::chrono::milliseconds m_longestPoll{200};
};
