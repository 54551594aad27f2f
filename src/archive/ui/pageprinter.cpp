#include "pageprinter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

namespace {

constexpr double kMillimetresPerInch = 25.4;

} // namespace

PagePrinter::PagePrinter(QPrinter &printer, int pointSize)
    : m_printer(printer), m_font(QStringLiteral("DejaVu Sans Mono"))
{
    m_font.setStyleHint(QFont::TypeWriter);
    m_font.setFixedPitch(true);
    m_font.setPointSize(pointSize >= 1 ? pointSize : 10);
}

PageMetrics PagePrinter::metrics() const
{
    const QRectF area = m_printer.pageLayout().paintRect(QPageLayout::Millimeter);
    const QFontMetricsF font(m_font, &m_printer);
    const double dotsPerMillimetre = m_printer.resolution() / kMillimetresPerInch;
    return PageMetrics{area.width(), area.height(), font.lineSpacing() / dotsPerMillimetre};
}

bool PagePrinter::print(const std::vector<PrintedPage> &pages)
{
    QPainter painter;
    if (!painter.begin(&m_printer))
        return false;
    painter.setFont(m_font);
    const QFontMetricsF font(m_font, &m_printer);
    const double dotsPerMillimetre = m_printer.resolution() / kMillimetresPerInch;
    bool first = true;
    for (const PrintedPage &page : pages) {
        if (!first && !m_printer.newPage()) {
            painter.end();
            return false;
        }
        first = false;
        double baseline = font.ascent();
        for (const PrintedLine &line : page) {
            painter.drawText(QPointF(line.x * dotsPerMillimetre, baseline), line.text);
            baseline += font.lineSpacing();
        }
    }
    return painter.end();
}
