#pragma once

#include <QStringList>

// The text of a printed PDF read back with `pdftotext -fixed`, one entry per page, each a list of
// its lines. characterWidth is the printed font's advance in points, so that blanks come back
// as printed; the left margin common to all lines is removed, trailing blanks and empty lines too.
QList<QStringList> pdfPages(const QString &pdfPath, double characterWidth);
// The advance of the fixed-pitch printer font at a point size.
inline double monospaceWidth(int pointSize) { return pointSize * 0.602; }
