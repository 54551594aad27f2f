#pragma once

#include <QStringView>

// The number at the start of a text as the machine file and the settings window read it:
// blanks skipped, an optional sign, then decimal digits up to the first other character.
// 0 when there are no digits; clamped to the 32-bit range.
qint32 leadingNumber(QStringView text);
