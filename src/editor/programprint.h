#pragma once

#include "archiverecord.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QStringList>

#include <optional>

// The three ways of printing a program: 0 header only, 1 header and text, 2 header and comment lines.
enum class PrintMode { Header = 0, Complete = 1, Comments = 2 };

// The printed lines of a program: date and time, the record's fields (a field without value
// prints as an empty line), the memo when there is one, an empty line, and then for the complete
// and comment modes "Testo del ciclo:" and the text, one printed line per line of text. Without a
// record only the number is known and the field lines stay empty.
QStringList programPrintLines(PrintMode mode, qint32 number, const std::optional<ArchiveRecord> &record,
                              QByteArrayView text, const QDateTime &now);
