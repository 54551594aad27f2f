#pragma once

#include <QString>

// The shell's user-visible texts.
namespace ShellText {
inline const QString InfoLabel = QStringLiteral("TRUV   Gestione C.N. ");
inline const QString MainCaption = QStringLiteral("Gestione programmi C.N.");
inline const QString MainCaptionWithRelease = QStringLiteral("Gestione programmi C.N. Rel ");
inline const QString ProgramTitle = QStringLiteral("truvnet");
} // namespace ShellText
