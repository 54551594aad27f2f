#include "qtserialport.h"

#include "serialtext.h"
#include "settingsstore.h"

#include <QFileInfo>
#include <QScopeGuard>
#include <QScopedValueRollback>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <optional>

#include <linux/serial.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>

namespace {

struct LineSettings {
    qint32 baudRate = 0;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
};

// "9600,N,8,1": baud rate, parity letter, data bits, stop bits.
std::optional<LineSettings> parseLineSettings(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return std::nullopt;
    LineSettings line;
    bool ok = false;
    line.baudRate = parts.at(0).trimmed().toInt(&ok);
    if (!ok || line.baudRate <= 0)
        return std::nullopt;

    const QString parity = parts.at(1).trimmed().toUpper();
    if (parity == u"N")
        line.parity = QSerialPort::NoParity;
    else if (parity == u"E")
        line.parity = QSerialPort::EvenParity;
    else if (parity == u"O")
        line.parity = QSerialPort::OddParity;
    else if (parity == u"M")
        line.parity = QSerialPort::MarkParity;
    else if (parity == u"S")
        line.parity = QSerialPort::SpaceParity;
    else
        return std::nullopt;

    const int dataBits = parts.at(2).trimmed().toInt(&ok);
    if (!ok || dataBits < 5 || dataBits > 8)
        return std::nullopt;
    line.dataBits = QSerialPort::DataBits(dataBits);

    const QString stopBits = parts.at(3).trimmed();
    if (stopBits == u"1")
        line.stopBits = QSerialPort::OneStop;
    else if (stopBits == u"1.5")
        line.stopBits = QSerialPort::OneAndHalfStop;
    else if (stopBits == u"2")
        line.stopBits = QSerialPort::TwoStop;
    else
        return std::nullopt;
    return line;
}

QSerialPort::FlowControl flowControl(int handshaking)
{
    switch (handshaking) {
    case SerialPort::XonXoff: return QSerialPort::SoftwareControl;
    case SerialPort::RtsCts:
    case SerialPort::XonXoffRtsCts: return QSerialPort::HardwareControl;
    default: return QSerialPort::NoFlowControl;
    }
}

bool usesXonXoff(int handshaking)
{
    return handshaking == SerialPort::XonXoff || handshaking == SerialPort::XonXoffRtsCts;
}

// A pseudo-terminal (the serial CNC simulator) carries 8-bit bytes without parity: Linux
// refuses other character sizes and parity on it.
bool isPseudoTerminal(const QString &device)
{
    return QFileInfo(device).canonicalFilePath().startsWith(QLatin1String("/dev/pts/"));
}

} // namespace

QList<qint16> LineEvents(const LineCounters &before, const LineCounters &after)
{
    const std::pair<int LineCounters::*, qint16> kinds[] = {
        {&LineCounters::breaks, SerialPort::EventBreak},
        {&LineCounters::frame, SerialPort::EventFrame},
        {&LineCounters::parity, SerialPort::EventRxParity},
        {&LineCounters::overrun, SerialPort::EventOverrun},
        {&LineCounters::bufferOverrun, SerialPort::EventRxOver},
        {&LineCounters::cts, SerialPort::EvCts},
        {&LineCounters::dsr, SerialPort::EvDsr},
        {&LineCounters::cd, SerialPort::EvCd},
        {&LineCounters::ring, SerialPort::EvRing},
    };
    QList<qint16> events;
    for (const auto &[counter, code] : kinds) {
        if (after.*counter != before.*counter)
            events.append(code);
    }
    return events;
}

QtSerialPort::QtSerialPort(QObject *parent) : SerialPort(parent)
{
    connect(&m_port, &QSerialPort::readyRead, this, &QtSerialPort::whenReadyRead);
    connect(&m_port, &QSerialPort::errorOccurred, this, &QtSerialPort::whenError);
    // Qt reports neither line errors nor modem-line changes: the kernel's counters are read.
    m_linePoll.setInterval(100);
    connect(&m_linePoll, &QTimer::timeout, this, &QtSerialPort::pollLine);
    m_presence.setInterval(250);
    connect(&m_presence, &QTimer::timeout, this, &QtSerialPort::checkPresence);
}

QtSerialPort::~QtSerialPort()
{
    setPortOpen(false);
}

QString QtSerialPort::devicePath(int comPort)
{
    return SettingsStore().text(QStringLiteral("ports"), QStringLiteral("COM%1").arg(comPort),
                                QStringLiteral("/dev/ttyS%1").arg(comPort - 1));
}

void QtSerialPort::setSettings(const QString &settings)
{
    m_settings = settings;
    if (m_port.isOpen())
        configure();
}

void QtSerialPort::setHandshaking(int handshaking)
{
    m_handshaking = handshaking;
    if (m_port.isOpen())
        configure();
}

bool QtSerialPort::setPortOpen(bool open)
{
    if (open)
        return m_port.isOpen() || this->open();
    if (!m_port.isOpen())
        return true;
    closeDevice();
    return true;
}

void QtSerialPort::closeDevice()
{
    const QScopedValueRollback closing(m_closing, true);
    // Closing a device with queued output waits in the kernel until it has gone out, which a
    // line held by XOFF never allows.
    if (outBufferCount() > 0)
        discardOutput();
    m_linePoll.stop();
    m_presence.stop();
    m_port.close();
    m_port.clearError();
}

void QtSerialPort::clearError()
{
    m_error = {};
    m_port.clearError();
}

bool QtSerialPort::open()
{
    m_device = devicePath(m_commPort);
    m_leftOver.clear();
    ++m_opening;
    m_losePending = false;
    if (m_commPort < 1) {
        fail(ErrorKind::BadPortNumber, SerialText::BadPortNumber.arg(m_commPort));
        return false;
    }
    if (!parseLineSettings(m_settings)) {
        fail(ErrorKind::BadSettings, SerialText::BadSettings.arg(m_settings));
        return false;
    }
    m_port.setPortName(m_device);
    if (!m_port.open(QIODevice::ReadWrite)) {
        ErrorKind kind = ErrorKind::Io;
        switch (m_port.error()) {
        case QSerialPort::DeviceNotFoundError: kind = ErrorKind::NotFound; break;
        case QSerialPort::PermissionError:
            // Qt reports a device in use the same way; only a refused access is about rights.
            kind = ::access(m_device.toLocal8Bit().constData(), R_OK | W_OK) != 0 && errno == EACCES
                       ? ErrorKind::Permission
                       : ErrorKind::InUse;
            break;
        case QSerialPort::OpenError: kind = ErrorKind::InUse; break;
        default: break;
        }
        fail(kind, m_port.errorString());
        m_port.clearError();
        return false;
    }
    if (!configure()) {
        m_port.close();
        return false;
    }
    m_commEvent = 0;
    m_modemLines = -1;
    if (readLineCounters(m_lineCounters))
        m_linePoll.start();
    m_presence.start();
    return true;
}

bool QtSerialPort::configure()
{
    const std::optional<LineSettings> line = parseLineSettings(m_settings);
    if (!line) {
        fail(ErrorKind::BadSettings, SerialText::BadSettings.arg(m_settings));
        return false;
    }
    // Setters report their failures through errorOccurred too; they are judged here.
    m_configuring = true;
    const auto configured = qScopeGuard([this] { m_configuring = false; });
    const bool pseudoTerminal = isPseudoTerminal(m_device);
    const bool characterFormat = (m_port.setParity(line->parity) && m_port.setDataBits(line->dataBits))
                                 || pseudoTerminal;
    if (!characterFormat || !m_port.setBaudRate(line->baudRate) || !m_port.setStopBits(line->stopBits)
        || !m_port.setFlowControl(flowControl(m_handshaking))) {
        fail(ErrorKind::BadSettings, m_port.errorString());
        m_port.clearError();
        return false;
    }
    m_port.clearError();

    // Qt's software flow control also sets IXANY, so any character from the machine would
    // restart a line it stopped with XOFF: only XON may resume. XON/XOFF with RTS/CTS is
    // Qt's hardware flow control plus IXON and IXOFF.
    termios attributes{};
    const int fd = int(m_port.handle());
    if (::tcgetattr(fd, &attributes) == 0) {
        attributes.c_iflag &= ~tcflag_t(IXANY);
        if (usesXonXoff(m_handshaking))
            attributes.c_iflag |= IXON | IXOFF;
        if (::tcsetattr(fd, TCSANOW, &attributes) != 0) {
            fail(ErrorKind::BadSettings, qt_error_string(errno));
            return false;
        }
    }
    return true;
}

int QtSerialPort::inBufferCount() const
{
    const qint64 waiting = m_leftOver.size() + (m_port.isOpen() ? m_port.bytesAvailable() : 0);
    return int(std::min<qint64>(waiting, INT_MAX));
}

QByteArray QtSerialPort::input()
{
    if (!m_leftOver.isEmpty()) {
        const qsizetype count = m_inputLen <= 0 ? m_leftOver.size() : std::min<qsizetype>(m_inputLen, m_leftOver.size());
        const QByteArray taken = m_leftOver.left(count);
        m_leftOver.remove(0, count);
        return taken;
    }
    if (!m_port.isOpen())
        return {};
    return m_inputLen <= 0 ? m_port.readAll() : m_port.read(m_inputLen);
}

int QtSerialPort::kernelOutputQueue() const
{
    int queued = 0;
    // A device that does not answer the request counts as empty.
    if (::ioctl(int(m_port.handle()), TIOCOUTQ, &queued) != 0)
        return 0;
    return queued;
}

int QtSerialPort::outBufferCount() const
{
    if (!m_port.isOpen())
        return 0;
    return int(std::min<qint64>(m_port.bytesToWrite() + kernelOutputQueue(), INT_MAX));
}

void QtSerialPort::discardOutput()
{
    if (!m_port.isOpen())
        return;
    m_port.clear(QSerialPort::Output);
    ::tcflush(int(m_port.handle()), TCOFLUSH);
}

bool QtSerialPort::output(const QByteArray &data)
{
    if (!m_port.isOpen()) {
        fail(ErrorKind::NotOpen, SerialText::PortNotOpen);
        return false;
    }
    if (m_port.write(data) != data.size()) {
        fail(ErrorKind::Io, m_port.errorString());
        m_port.clearError();
        return false;
    }
    return true;
}

void QtSerialPort::fail(ErrorKind kind, const QString &text)
{
    const QString device = m_device.isEmpty() ? devicePath(m_commPort) : m_device;
    m_error = {kind, QStringLiteral("COM%1 (%2): %3").arg(m_commPort).arg(device, text)};
}

void QtSerialPort::whenReadyRead()
{
    if (m_rThreshold <= 0 || m_port.bytesAvailable() < m_rThreshold)
        return;
    m_commEvent = EvReceive;
    emit portEvent();
}

void QtSerialPort::whenError(QSerialPort::SerialPortError error)
{
    if (error == QSerialPort::NoError || !m_port.isOpen() || m_configuring || m_closing || m_losePending)
        return;
    const QString reported = m_port.errorString();
    m_port.clearError();
    // A line held by the machine with XOFF refuses writes for a while; the data stays queued
    // and goes out when the machine sends XON. That is no failure.
    if (error == QSerialPort::ResourceError && reported == qt_error_string(EAGAIN))
        return;
    // A gone device fails every request at once, over and over: it must not be left open.
    // Qt is still inside the request that failed; it is closed once that has returned.
    if (const std::optional<QString> reason = goneReason(reported)) {
        m_losePending = true;
        QMetaObject::invokeMethod(
            this,
            [this, opening = m_opening, why = *reason] {
                if (opening == m_opening && m_losePending)
                    lose(why);
            },
            Qt::QueuedConnection);
        return;
    }
    fail(ErrorKind::Io, reported);
}

std::optional<QString> QtSerialPort::goneReason(const QString &reported) const
{
    for (const int code : {EIO, ENXIO, ENODEV}) {
        if (reported == qt_error_string(code))
            return reported;
    }
    const int fd = int(m_port.handle());
    pollfd look{fd, 0, 0};
    if (::poll(&look, 1, 0) != 1 || (look.revents & (POLLHUP | POLLERR | POLLNVAL)) == 0)
        return std::nullopt;
    // A hung-up line answers requests with the system's reason.
    int queued = 0;
    if (::ioctl(fd, TIOCOUTQ, &queued) != 0)
        return qt_error_string(errno);
    return SerialText::HungUp;
}

void QtSerialPort::checkPresence()
{
    if (!m_port.isOpen()) {
        m_presence.stop();
        return;
    }
    if (const std::optional<QString> reason = goneReason({}))
        lose(*reason);
}

void QtSerialPort::lose(const QString &reason)
{
    m_losePending = false;
    if (!m_port.isOpen())
        return;
    {
        const QScopedValueRollback closing(m_closing, true);
        m_leftOver += m_port.readAll();
    }
    closeDevice();
    fail(ErrorKind::Gone, SerialText::DeviceGone.arg(reason));
    emit lineLost();
}

bool QtSerialPort::readLineCounters(LineCounters &counters)
{
    const int fd = int(m_port.handle());
    serial_icounter_struct icount{};
    if (::ioctl(fd, TIOCGICOUNT, &icount) == 0) {
        counters = {icount.cts, icount.dsr, icount.rng, icount.dcd, icount.frame,
                    icount.parity, icount.overrun, icount.buf_overrun, icount.brk};
        return true;
    }
    // Without counters, a change of a modem line seen between two looks counts once.
    int lines = 0;
    if (::ioctl(fd, TIOCMGET, &lines) != 0)
        return false;
    if (m_modemLines >= 0) {
        const int changed = lines ^ m_modemLines;
        counters.cts += (changed & TIOCM_CTS) ? 1 : 0;
        counters.dsr += (changed & TIOCM_DSR) ? 1 : 0;
        counters.cd += (changed & TIOCM_CD) ? 1 : 0;
        counters.ring += (changed & lines & TIOCM_RI) ? 1 : 0;
    }
    m_modemLines = lines;
    return true;
}

void QtSerialPort::pollLine()
{
    if (!m_port.isOpen()) {
        m_linePoll.stop();
        return;
    }
    LineCounters now = m_lineCounters;
    if (!readLineCounters(now)) {
        m_linePoll.stop();
        return;
    }
    const QList<qint16> events = LineEvents(m_lineCounters, now);
    // Taken before reporting: a prompt shown for one event lets the poll run again.
    m_lineCounters = now;
    for (const qint16 code : events) {
        if (!m_port.isOpen())
            return;
        m_commEvent = code;
        emit portEvent();
    }
}
