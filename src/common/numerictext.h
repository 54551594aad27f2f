#pragma once

#include <QString>

// The number at the start of a text, as the old program read typed numbers: leading blanks
// skipped, an optional sign, digits up to the first other character; 0 when there is none.
// Clamped to the 32-bit range.
qint64 leadingNumber(const QString &text);
// True when the trimmed text is a non-empty run of decimal digits.
bool isPlainNumber(const QString &text);
