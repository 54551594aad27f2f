#include "sendprogress.h"

#include "commandlinetext.h"
#include "consoleoutput.h"
#include "transfertext.h"

#include <QElapsedTimer>

#include <cmath>
#include <memory>

SendProgress::SendProgress(ConsoleOutput &output, Clock clock) : m_output(output), m_clock(std::move(clock))
{
    if (!m_clock) {
        m_clock = [timer = std::make_shared<QElapsedTimer>()] {
            if (!timer->isValid())
                timer->start();
            return timer->elapsed();
        };
    }
}

QString SendProgress::text(qint64 sent, qint64 total, double perSecond)
{
    const auto grouped = [](qint64 n) { return n == 0 ? QStringLiteral("0") : FormatTransferCount(n); };
    QString left = QStringLiteral("-");
    if (perSecond > 0) {
        const qint64 seconds = qint64(std::ceil(double(std::max<qint64>(total - sent, 0)) / perSecond));
        left = QStringLiteral("%1:%2:%3")
                   .arg(seconds / 3600)
                   .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
                   .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    }
    return CommandLineText::SendProgressLine.arg(grouped(sent), grouped(total), grouped(qint64(std::lround(perSecond))),
                                                 left);
}

void SendProgress::update(qint64 sent, qint64 total)
{
    const qint64 now = m_clock();
    // The pace counts from the first block: the consent wait is no part of it.
    if (m_startedAt < 0) {
        m_startedAt = now;
        m_firstSent = sent;
        m_shownAt = now;
        return;
    }
    const qint64 interval = m_output.isTerminal() ? TerminalInterval : LogInterval;
    if (now - m_shownAt < interval)
        return;
    m_shownAt = now;
    const double perSecond = double(sent - m_firstSent) * 1000.0 / double(std::max<qint64>(now - m_startedAt, 1));
    QString shown = text(sent, total, perSecond);
    if (!m_output.isTerminal()) {
        m_output.line(shown);
        return;
    }
    // The line is rewritten in place: a shorter text must cover a longer one.
    m_widest = std::max(m_widest, shown.size());
    m_output.count(shown.leftJustified(m_widest));
}

void SendProgress::end(qint64 sent)
{
    const QString count = sent == 0 ? QStringLiteral("0") : FormatTransferCount(sent);
    if (!m_output.isTerminal() || m_widest == 0) {
        m_output.count(count);
        return;
    }
    m_output.count(count.leftJustified(m_widest));
}
