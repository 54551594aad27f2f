#include "serialsend.h"

#include "dialogs.h"
#include "machinestate.h"
#include "serialtext.h"
#include "numerictext.h"
#include "programstream.h"
#include "seriallink.h"
#include "serialport.h"
#include "textfile.h"
#include "transferflags.h"
#include "transfertext.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace std::chrono_literals;

namespace {

// How long one character takes on a line set as "9600,E,7,2".
double characterMilliseconds(const QString &settings)
{
    const QStringList parts = settings.split(QLatin1Char(','));
    qint64 baud = parts.isEmpty() ? 0 : leadingNumber(parts.at(0));
    if (baud <= 0)
        baud = 9600;
    qint64 dataBits = parts.size() > 2 ? leadingNumber(parts.at(2)) : 8;
    if (dataBits < 5 || dataBits > 8)
        dataBits = 8;
    const bool parity = parts.size() > 1 && parts.at(1).trimmed().compare(u"N", Qt::CaseInsensitive) != 0;
    double stopBits = parts.size() > 3 ? parts.at(3).trimmed().toDouble() : 1.0;
    if (stopBits <= 0)
        stopBits = 1.0;
    return (1.0 + double(dataBits) + (parity ? 1.0 : 0.0) + stopBits) * 1000.0 / double(baud);
}

// The transfer flags and the progress bar count in 32 bits; a send may be longer.
qint32 clamped(qint64 count)
{
    return qint32(std::min<qint64>(count, std::numeric_limits<qint32>::max()));
}

} // namespace

SerialSend::SerialSend(MachineState &machines, SerialPort &port, Dialogs &dialogs, TransferFlags &flags,
                       QObject *parent)
    : SerialTransfer(machines, port, dialogs, flags, parent)
{
    m_drainTimer.setSingleShot(true);
    m_drainTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_drainTimer, &QTimer::timeout, this, &SerialSend::checkDrained);
    connect(&m_port, &SerialPort::portEvent, this, &SerialSend::whenPortEvent);
    connect(&m_port, &SerialPort::lineLost, this, &SerialSend::whenLineLost);
}

SerialSend::~SerialSend() = default;

void SerialSend::start(const QByteArray &terminalText)
{
    if (m_stage != Stage::Idle)
        return;
    if (terminalText.isEmpty()) {
        m_dialogs.message(SerialText::ProgramNotSent);
        return;
    }
    startWith(terminalText, {});
}

void SerialSend::startFile(const QString &path)
{
    if (m_stage != Stage::Idle)
        return;
    if (QFileInfo(path).size() == 0) {
        m_dialogs.message(SerialText::ProgramNotSent);
        return;
    }
    startWith({}, path);
}

void SerialSend::startWith(const QByteArray &terminalText, const QString &path)
{
    m_flags.skipConsent = false;
    if (chooseRoute(0) != Route::Serial)
        return;

    m_flags.byteCounter = 0;
    // An XON/XOFF line waits for a sign of life from the machine first, watching the line itself.
    m_handshaking = m_port.handshaking();
    const bool consentMode = m_handshaking == SerialPort::XonXoff;
    if (consentMode) {
        m_port.setInputLen(0);
        m_port.setHandshaking(SerialPort::NoHandshaking);
    }
    m_programPath = path;
    m_sent = 0;
    m_total = 0;
    if (path.isEmpty()) {
        m_cleanedText = CleanProgramText(terminalText);
        emit terminalTextChanged(m_cleanedText);
    }

    SetPortOpen(m_port, true, m_dialogs);
    if (!m_port.portOpen()) {
        m_port.setHandshaking(m_handshaking);
        m_cleanedText.clear();
        return;
    }
    setActive(true);
    updateProgress([](TransferProgress &p) {
        p.shown = true;
        p.message = SerialText::WaitingForConsent;
    });
    if (!consentMode) {
        beginSending();
        return;
    }
    m_stage = Stage::Consent;
    updateProgress([](TransferProgress &p) { p.continueShown = true; });
    m_port.setRThreshold(1);
    if (m_port.inBufferCount() > 0)
        consentGiven();
}

void SerialSend::whenPortEvent()
{
    if (m_stage == Stage::Consent && m_port.commEvent() == SerialPort::EvReceive && m_port.inBufferCount() > 0)
        consentGiven();
}

void SerialSend::whenLineLost()
{
    if (m_stage == Stage::Idle)
        return;
    m_drainTimer.stop();
    // Over: the progress dialog no longer keeps itself in front of the message.
    m_flags.transferCancelled = true;
    // Told before the send ends, so that whoever watches its end knows it failed.
    m_dialogs.message(m_port.lastError().text, {}, Dialogs::Icon::Exclamation);
    // "Termina" may have ended it while the message was up.
    if (m_stage == Stage::Consent) {
        stopInConsentWait();
    } else if (m_stage == Stage::Sending) {
        finish();
    }
}

void SerialSend::continueWithoutConsent()
{
    SerialTransfer::continueWithoutConsent();
    if (m_stage == Stage::Consent)
        consentGiven();
}

void SerialSend::consentGiven()
{
    // Any character is consent; its value does not matter.
    m_port.setRThreshold(0);
    m_port.input();
    updateProgress([](TransferProgress &p) { p.continueShown = false; });

    // From here the port driver paces the line with XON/XOFF.
    SetPortOpen(m_port, false, m_dialogs);
    m_port.setInputLen(1);
    m_port.setHandshaking(m_handshaking);
    SetPortOpen(m_port, true, m_dialogs);
    if (!m_port.portOpen()) {
        stopInConsentWait();
        return;
    }
    beginSending();
}

void SerialSend::stopInConsentWait()
{
    m_port.setRThreshold(0);
    SetPortOpen(m_port, false, m_dialogs);
    m_port.setHandshaking(m_handshaking);
    m_cleanedText.clear();
    closeProgress();
    m_stage = Stage::Idle;
    setActive(false);
}

void SerialSend::beginSending()
{
    m_stage = Stage::Sending;
    updateProgress([](TransferProgress &p) { p.message = SerialText::SendingProgram; });

    const MachineRecord &record = m_machines.currentRecord();
    QByteArray preamble = DecodeHexText(TextFile::toBytes(record.preamble));
    QByteArray postamble = DecodeHexText(TextFile::toBytes(record.postamble));
    m_stream = m_programPath.isEmpty()
                   ? ProgramStream::ofText(m_cleanedText, std::move(preamble), std::move(postamble), record.lineEnd)
                   : ProgramStream::ofFile(m_programPath, std::move(preamble), std::move(postamble), record.lineEnd);
    m_cleanedText.clear();
    if (!m_stream->open()) {
        m_dialogs.message(SerialText::LoadFailed.arg(m_programPath, m_stream->error()), {}, Dialogs::Icon::Exclamation);
        finish();
        return;
    }
    // One block always fits the transmit buffer.
    m_blockSize = std::max(1, m_port.outBufferSize() - 20);
    m_total = m_stream->total();
    const qint32 total = clamped(m_total);
    updateProgress([total](TransferProgress &p) {
        p.barValue = 0;
        p.barVisible = true;
        p.barMaximum = total;
    });
    sendNextBlock();
}

void SerialSend::sendNextBlock()
{
    if (m_flags.transferCancelled) {
        finish();
        return;
    }
    const std::optional<QByteArray> read = m_stream->next(m_sent < m_total ? m_blockSize : 1);
    // A file that failed, shrank or grew under the send: what went out is not the program.
    if (!read || read->isEmpty() != (m_sent >= m_total)) {
        m_dialogs.message(SerialText::LoadFailed.arg(m_programPath, read ? SerialText::ProgramChanged : m_stream->error()),
                          {}, Dialogs::Icon::Exclamation);
        finish();
        return;
    }
    if (read->isEmpty()) {
        finish();
        return;
    }
    const QByteArray &block = *read;
    m_sent += block.size();
    m_flags.byteCounter = clamped(m_sent);
    const qint64 sent = m_sent;
    updateProgress([sent](TransferProgress &p) {
        p.barValue = clamped(sent);
        p.count = FormatTransferCount(sent);
    });

    if (!m_port.output(block)) {
        m_dialogs.message(m_port.lastError().text, {}, Dialogs::Icon::Exclamation);
        SetPortOpen(m_port, false, m_dialogs);
        updateProgress([](TransferProgress &p) { p.barVisible = false; });
        finish();
        return;
    }
    m_lastQueued = m_port.outBufferCount();
    m_heldPoll = 0ms;
    m_drainTimer.start(drainTime(m_lastQueued));
}

void SerialSend::checkDrained()
{
    if (m_flags.transferCancelled) {
        finish();
        return;
    }
    const int queued = m_port.outBufferCount();
    if (queued == 0) {
        sendNextBlock();
        return;
    }
    // A queue that does not shrink is held by the machine: look less and less often.
    if (queued < m_lastQueued)
        m_heldPoll = 0ms;
    else
        m_heldPoll = std::min(std::max(m_heldPoll * 2, 25ms), m_longestPoll);
    m_lastQueued = queued;
    m_drainTimer.start(std::max(drainTime(queued), m_heldPoll));
}

std::chrono::milliseconds SerialSend::drainTime(int queued) const
{
    // A first look before the queue can have drained, so that the line does not stand idle
    // between two blocks for want of a look.
    const double ms = std::floor(0.75 * queued * characterMilliseconds(m_port.settings()));
    return std::chrono::milliseconds(std::clamp(qint64(ms), qint64(1), qint64(50)));
}

void SerialSend::finish()
{
    m_drainTimer.stop();
    m_flags.transferCancelled = true;
    updateProgress([](TransferProgress &p) { p.barVisible = false; });
    SetPortOpen(m_port, false, m_dialogs);
    closeProgress();
    m_stream.reset();
    m_stage = Stage::Idle;
    setActive(false);

    const QString address = NotificationAddress(m_flags.notifyAddress);
    if (!address.isEmpty() && m_hooks.notifyNetworkPort)
        m_hooks.notifyNetworkPort(address);
}

void SerialSend::terminate()
{
    if (m_stage == Stage::Idle)
        return;
    m_flags.transferCancelled = true;
    updateProgress([](TransferProgress &p) { p.barVisible = false; });
    if (m_stage == Stage::Consent) {
        stopInConsentWait();
        return;
    }
    // The characters already handed over are not recalled; what still waits is dropped.
    m_port.discardOutput();
    finish();
}
