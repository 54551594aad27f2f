#pragma once

#include "uitext.h"

#include <QString>

// The shell's user-visible texts.
namespace ShellText {
inline constexpr char Context[] = "ShellText";
using Text = UiText<Context>;

inline constexpr Text InfoLabel = QT_TRANSLATE_NOOP("ShellText", "TRUV   Gestione C.N. ");
inline constexpr Text MainCaption = QT_TRANSLATE_NOOP("ShellText", "Gestione programmi C.N.");
inline constexpr Text MainCaptionWithRelease = QT_TRANSLATE_NOOP("ShellText", "Gestione programmi C.N. Rel ");
inline const QString ProgramTitle = QStringLiteral("truvnet");
// The start-up offer to convert an old shop's Access archive.
inline constexpr Text AccessArchiveFound =
    QT_TRANSLATE_NOOP("ShellText",
                      "%1 è un archivio Microsoft Access del vecchio programma.\n\n"
                      "Convertire ora la cartella nel nuovo formato? I file Access restano nella cartella come "
                      "truv-access.mdb e IMMAGINI-access.mdb.");
inline constexpr Text AccessConverted = QT_TRANSLATE_NOOP("ShellText", "Conversione completata.\n\n%1");
inline constexpr Text AccessNotConverted =
    QT_TRANSLATE_NOOP("ShellText", "Conversione non eseguita: nessun file è stato modificato.\n\n%1");
// The first start on a program folder without an archive.
inline constexpr Text NoArchiveFound =
    QT_TRANSLATE_NOOP("ShellText",
                      "Nella cartella %1 non c'è ancora un archivio dei programmi.\n\n"
                      "Creare ora un nuovo archivio vuoto in questa cartella?");
inline constexpr Text NewArchiveNotCreated =
    QT_TRANSLATE_NOOP("ShellText", "Impossibile creare il nuovo archivio.\n\n%1");
} // namespace ShellText
