#pragma once

#include <QList>
#include <QString>

#include <vector>

// A printed line: its text and where it starts, in millimetres from the left of the printable area.
struct PrintedLine {
    QString text;
    double x = 0;

    bool operator==(const PrintedLine &) const = default;
};
using PrintedPage = QList<PrintedLine>;

// The printable area and the height of one line of the printer font, in millimetres.
struct PageMetrics {
    double pageWidth = 0;
    double pageHeight = 0;
    double lineHeight = 0;
};

// Lays lines out top to bottom into pages. A line that would reach the bottom of the page goes to
// a new page, which begins with its page number printed from the middle of the page.
class PageComposer {
public:
    explicit PageComposer(PageMetrics metrics);

    void addLine(const QString &text);
    void addLines(const QStringList &lines);
    // Always at least the first page, even when nothing was added.
    const std::vector<PrintedPage> &pages() const { return m_pages; }

private:
    PageMetrics m_metrics;
    std::vector<PrintedPage> m_pages{PrintedPage()};
    double m_y = 0;
};
