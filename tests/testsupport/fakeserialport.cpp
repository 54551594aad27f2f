#include "fakeserialport.h"

#include <QTimer>

void FakeSerialPort::receive(const QByteArray &data)
{
    m_input += data;
    if (m_rThreshold > 0 && m_input.size() >= m_rThreshold) {
        m_commEvent = EvReceive;
        emit portEvent();
    }
}

void FakeSerialPort::drainNow()
{
    sent += m_queue;
    m_queue.clear();
}

void FakeSerialPort::raiseEvent(qint16 code)
{
    m_commEvent = code;
    emit portEvent();
}

void FakeSerialPort::loseLine(const QString &text)
{
    calls.append(QStringLiteral("Lost"));
    m_open = false;
    m_queue.clear();
    m_error = {ErrorKind::Gone, text};
    emit lineLost();
}

void FakeSerialPort::setCommPort(qint16 port)
{
    calls.append(QStringLiteral("CommPort=%1").arg(port));
    m_commPort = port;
}

void FakeSerialPort::setSettings(const QString &settings)
{
    calls.append(QStringLiteral("Settings=") + settings);
    m_settings = settings;
}

void FakeSerialPort::setHandshaking(int handshaking)
{
    calls.append(QStringLiteral("Handshaking=%1").arg(handshaking));
    m_handshaking = handshaking;
}

bool FakeSerialPort::setPortOpen(bool open)
{
    calls.append(open ? QStringLiteral("PortOpen=true") : QStringLiteral("PortOpen=false"));
    if (!open) {
        m_open = false;
        m_queue.clear();
        return true;
    }
    if (!openErrors.isEmpty()) {
        m_error = openErrors.dequeue();
        return false;
    }
    m_open = true;
    return true;
}

void FakeSerialPort::setInputLen(int length)
{
    calls.append(QStringLiteral("InputLen=%1").arg(length));
    m_inputLen = length;
}

QByteArray FakeSerialPort::input()
{
    const qsizetype count = m_inputLen <= 0 ? m_input.size() : std::min<qsizetype>(m_inputLen, m_input.size());
    const QByteArray taken = m_input.left(count);
    m_input.remove(0, count);
    return taken;
}

void FakeSerialPort::discardOutput()
{
    calls.append(QStringLiteral("DiscardOutput"));
    m_queue.clear();
}

bool FakeSerialPort::output(const QByteArray &data)
{
    if (!m_open) {
        m_error = {ErrorKind::NotOpen, QStringLiteral("Port not open")};
        return false;
    }
    if (refuseOutput) {
        m_error = *refuseOutput;
        return false;
    }
    outputs.append(data);
    m_queue += data;
    if (drains)
        QTimer::singleShot(0, this, [this] {
            if (drains)
                drainNow();
        });
    return true;
}
