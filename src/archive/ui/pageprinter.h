#pragma once

#include "printedpages.h"

#include <QFont>

class QPrinter;

// Prints composed pages on a QPrinter with a fixed-pitch font, positions in millimetres.
class PagePrinter {
public:
    // A size below 1 is not a font size: the default 10 is used instead.
    PagePrinter(QPrinter &printer, int pointSize);

    // The printable area and the line height of the font on this printer.
    PageMetrics metrics() const;
    // False when the printer could not be started or a page could not be begun.
    bool print(const std::vector<PrintedPage> &pages);

private:
    QPrinter &m_printer;
    QFont m_font;
};
