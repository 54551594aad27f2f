#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>

// The text work of a serial transfer, done in memory.

// A program made ready for sending: lines end at CR, LF or the end; lines holding "%" are
// dropped, blanks (spaces only, tabs stay) are trimmed at both ends, empty lines disappear and
// every remaining line ends in CR LF.
QByteArray CleanProgramText(const QByteArray &text);

// A received program for the terminal: every code below 32 goes except the line feed.
QByteArray FilterReceivedText(const QByteArray &received);

// A character count as the progress dialog shows it ("###,###"): digit groups of the locale,
// nothing at all for 0.
QString FormatTransferCount(qint64 count, const QLocale &locale = QLocale());

// The address of the network device to notify after a send: tabs and surrounding blanks
// removed; empty for an ordinary port (the line test fills those with a tab).
QString NotificationAddress(const QString &notifyAddress);
