#include "consoleoutput.h"

#include <QElapsedTimer>
#include <QIODevice>

ConsoleOutput::ConsoleOutput(QIODevice &device, bool terminal) : m_device(device), m_terminal(terminal)
{
    m_clock = [timer = std::make_shared<QElapsedTimer>()] {
        if (!timer->isValid())
            timer->start();
        return timer->elapsed();
    };
}

void ConsoleOutput::write(const QString &text)
{
    m_device.write(text.toUtf8());
}

void ConsoleOutput::line(const QString &text)
{
    if (m_countOpen) {
        write(QStringLiteral("\n"));
        m_countOpen = false;
    }
    write(text + QLatin1Char('\n'));
}

void ConsoleOutput::count(const QString &text)
{
    m_lastCount = text;
    if (m_terminal) {
        if (m_countOpen && text == m_writtenCount)
            return;
        // Counts only grow, so the new one covers the old one.
        write(QLatin1Char('\r') + text);
        m_countOpen = true;
        m_writtenCount = text;
        return;
    }
    const qint64 now = m_clock();
    if (!m_counting) {
        // A short transfer shows its last count only.
        m_counting = true;
        m_writtenAt = now;
        return;
    }
    if (now - m_writtenAt >= CountInterval && text != m_writtenCount) {
        write(text + QLatin1Char('\n'));
        m_writtenCount = text;
        m_writtenAt = now;
    }
}

void ConsoleOutput::endCount()
{
    if (m_countOpen) {
        write(QStringLiteral("\n"));
        m_countOpen = false;
    } else if (!m_terminal && m_lastCount != m_writtenCount) {
        write(m_lastCount + QLatin1Char('\n'));
    }
    m_counting = false;
    m_lastCount.clear();
    m_writtenCount.clear();
}

void ConsoleOutput::beep()
{
    if (m_terminal)
        write(QStringLiteral("\a"));
}
