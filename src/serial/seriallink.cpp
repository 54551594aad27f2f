#include "seriallink.h"

#include "dialogs.h"
#include "serialtext.h"
#include "serialport.h"


void SetPortOpen(SerialPort &port, bool open, Dialogs &dialogs)
{
    port.clearError();
    if (port.setPortOpen(open))
        return;
    const SerialPort::Error error = port.lastError();
    QString text = error.text;
    if (error.kind == SerialPort::ErrorKind::Permission)
        text += QLatin1Char('\n') + SerialText::DeviceAccessHint;
    dialogs.message(text, {}, Dialogs::Icon::Exclamation);
}

QByteArray DecodeHexText(const QByteArray &hex)
{
    QByteArray result;
    int digit = 0;
    int accumulator = 0;
    for (qsizetype i = 0; i < hex.size(); ++i) {
        const char c = hex.at(i);
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (i % 2 == 0) {
            accumulator += 16 * digit;
        } else {
            result.append(char(accumulator + digit));
            accumulator = 0;
        }
    }
    if (accumulator > 0)
        result.append(char(accumulator));
    return result;
}

QByteArray EncodeLineEnds(const QByteArray &text, int lineEnd)
{
    switch (lineEnd) {
    case 0: {
        QByteArray result;
        result.reserve(text.size() + text.count('\n'));
        for (const char c : text) {
            if (c == '\n')
                result.append('\r');
            result.append(c);
        }
        return result;
    }
    case 2: {
        QByteArray result = text;
        result.replace('\n', '\r');
        return result;
    }
    default:
        return text;
    }
}

namespace {
qint64 monotonicMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
} // namespace

PortExitCloser::PortExitCloser(SerialPort &port, Dialogs &dialogs, QObject *parent)
    : QObject(parent), m_port(port), m_dialogs(dialogs), m_clock(monotonicMilliseconds)
{
    m_poll.setInterval(std::chrono::milliseconds(50));
    connect(&m_poll, &QTimer::timeout, this, &PortExitCloser::poll);
}

PortExitCloser::Start PortExitCloser::start()
{
    if (isWaiting())
        return Start::Waiting;
    if (!m_port.portOpen())
        return Start::Closed;
    if (m_port.outBufferCount() == 0) {
        closePort();
        return Start::Closed;
    }
    m_deadlineAt = m_clock() + m_deadline.count();
    m_poll.start();
    return Start::Waiting;
}

void PortExitCloser::poll()
{
    if (!m_port.portOpen()) {
        m_poll.stop();
        emit finished(true);
        return;
    }
    if (m_port.outBufferCount() == 0) {
        m_poll.stop();
        closePort();
        emit finished(true);
        return;
    }
    if (m_clock() < m_deadlineAt)
        return;

    m_poll.stop();
    switch (m_dialogs.question(SerialText::DataCannotBeSent, Dialogs::Buttons::AbortRetryIgnore, {},
                               Dialogs::Icon::Question)) {
    case Dialogs::Button::Retry:
        m_deadlineAt = m_clock() + m_deadline.count();
        m_poll.start();
        return;
    case Dialogs::Button::Ignore:
        closePort();
        emit finished(true);
        return;
    default:
        emit finished(false);
        return;
    }
}

void PortExitCloser::closePort()
{
    m_port.setPortOpen(false);
}
