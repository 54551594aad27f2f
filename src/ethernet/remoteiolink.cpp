#include "remoteiolink.h"

#include "ethernettext.h"
#include "settingsstore.h"

namespace RemoteIoFrames {

QByteArray afterSend()
{
    return QByteArray::fromRawData("\x06\x02\x00\x06\x01\x02\x01\x00\x01\x00", 10);
}

QByteArray output(quint8 channel, quint8 value)
{
    QByteArray frame("\x02\x02\x01\x03", 4);
    frame += char(channel);
    frame += '\x01';
    frame += char(value);
    return frame;
}

QByteArray inputPoll()
{
    return QByteArray::fromRawData("\x01\x02\x00\x01\x00", 5);
}

} // namespace RemoteIoFrames

quint16 RemoteIoLink::configuredPort()
{
    bool ok = false;
    const uint port = SettingsStore().value(QStringLiteral("remoteio"), QStringLiteral("port"), DefaultPort).toUInt(&ok);
    return ok && port > 0 && port < 65536 ? quint16(port) : DefaultPort;
}

RemoteIoLink::Timing RemoteIoLink::configuredTiming()
{
    Timing timing;
    bool ok = false;
    const int seconds = SettingsStore().value(QStringLiteral("remoteio"), QStringLiteral("timeout"), 5).toInt(&ok);
    if (ok && seconds > 0 && seconds <= 600)
        timing.connectMs = timing.replyMs = seconds * 1000;
    return timing;
}

RemoteIoLink::RemoteIoLink(quint16 port, Timing timing, QObject *parent)
    : QObject(parent), m_port(port), m_timing(timing)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        if (m_socket.state() != QAbstractSocket::ConnectedState)
            end(false, EthernetText::RemoteDeviceNotConnected.arg(m_address).arg(m_timing.connectMs / 1000));
        else
            end(false, EthernetText::RemoteDeviceSilent.arg(m_address).arg(m_timing.replyMs / 1000));
    });
    connect(&m_socket, &QTcpSocket::connected, this, [this] {
        m_deadline.stop();
        m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        nextStep();
    });
    connect(&m_socket, &QTcpSocket::errorOccurred, this, [this] {
        end(false, EthernetText::RemoteDeviceError.arg(m_address, m_socket.errorString()));
    });
    connect(&m_socket, &QTcpSocket::readyRead, this, &RemoteIoLink::received);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    connect(&Timer1, &QTimer::timeout, this, &RemoteIoLink::poll);
}

void RemoteIoLink::notifyAfterSend(const QString &address)
{
    m_steps = {RemoteIoFrames::afterSend()};
    connectTo(address);
}

void RemoteIoLink::runOutputSequence(const QString &address)
{
    m_steps = {RemoteIoFrames::output(1, 0), RemoteIoFrames::output(2, 1)};
    m_pollAfterSteps = true;
    connectTo(address);
}

void RemoteIoLink::connectTo(const QString &address)
{
    m_address = address;
    m_address.remove(u'\t');
    m_address = m_address.trimmed();
    m_deadline.start(m_timing.connectMs);
    m_socket.connectToHost(m_address, m_port);
}

void RemoteIoLink::nextStep()
{
    if (m_ended)
        return;
    if (m_steps.empty()) {
        if (!m_pollAfterSteps)
            return end(true);
        m_pollAfterSteps = false;
        Timer1.start(m_timing.pollMs);
        return;
    }
    const QByteArray frame = m_steps.front();
    m_steps.pop_front();
    m_reply = NoReply;
    m_bytesSinceFrame = 0;
    m_waiting = true;
    send(frame);
    m_deadline.start(m_timing.replyMs);
}

void RemoteIoLink::send(const QByteArray &frame)
{
    // The device reads each byte as a send of its own.
    for (char byte : frame) {
        m_socket.write(&byte, 1);
        m_socket.flush();
    }
}

void RemoteIoLink::received()
{
    const QByteArray bytes = m_socket.readAll();
    if (m_inputPollMode) {
        // The last byte of what arrived is the reply; a reply from 1 to 998 is the device's signal.
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            if (i == bytes.size() - 1)
                m_reply = quint8(bytes.at(i));
            if (m_reply >= 1 && m_reply <= 998)
                m_remoteCommand = true;
        }
        return;
    }
    // The third byte since the frame, however the network splits the answer.
    for (char byte : bytes) {
        if (++m_bytesSinceFrame == 3)
            m_reply = quint8(byte);
    }
    if (m_waiting && m_reply != NoReply) {
        m_waiting = false;
        m_deadline.stop();
        nextStep();
    }
}

void RemoteIoLink::poll()
{
    if (!m_remoteCommand) {
        m_inputPollMode = true;
        send(RemoteIoFrames::inputPoll());
        return;
    }
    m_inputPollMode = false;
    Timer1.stop();
    m_remoteCommand = false;
    // The outputs end opposite to the way the sequence set them.
    m_steps = {{RemoteIoFrames::output(1, 1)}, {RemoteIoFrames::output(2, 0)}};
    nextStep();
}

void RemoteIoLink::end(bool ok, const QString &message)
{
    if (m_ended)
        return;
    m_ended = true;
    m_deadline.stop();
    Timer1.stop();
    m_socket.abort();
    emit finished(ok, message);
}
