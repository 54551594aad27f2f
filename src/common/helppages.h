#pragma once

#include <QString>

// The short help pages that the help buttons and menu entries open, by context number.
namespace HelpPages {

struct Page {
    QString title;
    QString html;
};

// An unknown context gives a page saying that no help exists for it.
Page page(int context);

} // namespace HelpPages
