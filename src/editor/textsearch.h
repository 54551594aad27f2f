#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Searches in a program's 8-bit text where it lies, without copying or upper-casing the text.
namespace TextSearch {

// The upper-case form of a Latin-1 character; characters without one stay as they are.
char upperCase(char c);
QByteArray upperCased(QByteArray bytes);
QString upperCased(const QString &text);

// The first occurrence of needle starting at or after from; -1 when there is none.
qsizetype findForward(QByteArrayView text, QByteArrayView needle, qsizetype from, bool matchCase);
// The last occurrence starting at or before from that lies wholly inside the text; -1 when none.
qsizetype findBackward(QByteArrayView text, QByteArrayView needle, qsizetype from, bool matchCase);

} // namespace TextSearch
