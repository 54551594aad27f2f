#pragma once

#include "archiverecord.h"

#include <QByteArray>
#include <QString>

// FixLineEnds: one line (without CR) made to end in CR LF, with a CR put before every bare LF.
QByteArray fixLineEnds(const QByteArray &line);
// The bytes of a program file for an editor's text: the text is read line by line (a line ends
// at CR or CR LF) and each line goes through fixLineEnds, so the file has CR LF line ends only.
QByteArray programFileBytes(const QByteArray &text);
// "2# :ROSSI:471:FLANGIA"
QString editorCaption(int slot, const ArchiveRecord &record);
