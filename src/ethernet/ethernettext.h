#pragma once

#include <QString>

// The Ethernet side's user-visible texts.
namespace EthernetText {

inline const QString InvalidAddress = QStringLiteral("Parametro IP/port non valido");
// A port that the connection could not use: the text after the colon.
inline const QString InvalidPort = QStringLiteral("Porta TCP non valida (da 1 a 65535): \"%1\"");

// The directory grid's header.
inline const QString ProgramColumn = QStringLiteral("Programma");
inline const QString CommentColumn = QStringLiteral("Commento");
inline const QString SizeColumn = QStringLiteral("Dimensione");

} // namespace EthernetText
