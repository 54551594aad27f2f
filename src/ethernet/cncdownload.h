#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The lines the Ethernet window sends, from the terminal's text: a line ends at CR or LF; each is
// trimmed; a line with a "%" outside a leading comment is dropped (tape marks); a ":" program
// address becomes "O"; empty lines are left out.
QStringList linesToSend(const QByteArray &terminalText);

// The destination program as "O" and its number, from what the user typed ("123" → "O123", "O0123"
// stays), or from the first line's number when nothing was typed ("O0012 (FLANGIA)" → "O12");
// nullopt when it is not a number.
std::optional<QString> downloadDestination(const QString &typed, const QString &firstLine);

// The text handed to the library: LF, the destination with the first line's comment, LF, every
// further line followed by LF, and the closing "%".
QByteArray downloadText(const QStringList &lines, const QString &destination);
