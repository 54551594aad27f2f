#pragma once

#include "archivestore.h"
#include "printedpages.h"

#include <QDateTime>

// The printed list of archived programs: which rows, in which order, and how each line reads.
namespace ProgramListPrint {

// The smallest printer font size the list is printed with.
constexpr int MinimumCharSize = 10;

// The customer pattern from the box: trimmed, with a final "*" (an empty box lists every customer).
QString customerPattern(const QString &typed);
// "Lista cicli           dd/mm/yy  hh:mm"
QString titleLine(const QDateTime &now);
// Number right-aligned in six places, the customer in a 21-wide column, then at the next 14-column
// print zone the drawing number padded with 21 blanks and cut to 31, and the description.
QString programLine(const ArchiveRecord &record);

struct Listing {
    std::vector<PrintedPage> pages;
    bool empty = true; // no program matched: only the title page is printed
};
Listing compose(const std::vector<ArchiveRecord> &records, const QDateTime &now, PageMetrics metrics);

} // namespace ProgramListPrint
