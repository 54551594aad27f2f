#include "printedpages.h"

#include <QStringList>

PageComposer::PageComposer(PageMetrics metrics) : m_metrics(metrics)
{
}

void PageComposer::addLine(const QString &text)
{
    // The page is turned only when another line comes, so the last page never holds its number alone.
    if (m_y > 0 && m_y + m_metrics.lineHeight >= m_metrics.pageHeight) {
        m_pages.push_back(PrintedPage{PrintedLine{QString::number(m_pages.size() + 1), m_metrics.pageWidth / 2}});
        m_y = m_metrics.lineHeight;
    }
    m_pages.back().append(PrintedLine{text, 0});
    m_y += m_metrics.lineHeight;
}

void PageComposer::addLines(const QStringList &lines)
{
    for (const QString &line : lines)
        addLine(line);
}
