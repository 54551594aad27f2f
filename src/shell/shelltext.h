#pragma once

#include <QString>

// The shell's user-visible texts.
namespace ShellText {
inline const QString InfoLabel = QStringLiteral("TRUV   Gestione C.N. ");
inline const QString MainCaption = QStringLiteral("Gestione programmi C.N.");
inline const QString MainCaptionWithRelease = QStringLiteral("Gestione programmi C.N. Rel ");
inline const QString ProgramTitle = QStringLiteral("truvnet");
// The start-up offer to convert an old shop's Access archive.
inline const QString AccessArchiveFound = QStringLiteral(
    "%1 è un archivio Microsoft Access del vecchio programma.\n\n"
    "Convertire ora la cartella nel nuovo formato? I file Access restano nella cartella come "
    "truv-access.mdb e IMMAGINI-access.mdb.");
inline const QString AccessConverted = QStringLiteral("Conversione completata.\n\n%1");
inline const QString AccessNotConverted =
    QStringLiteral("Conversione non eseguita: nessun file è stato modificato.\n\n%1");
// The first start on a program folder without an archive.
inline const QString NoArchiveFound = QStringLiteral(
    "Nella cartella %1 non c'è ancora un archivio dei programmi.\n\n"
    "Creare ora un nuovo archivio vuoto in questa cartella?");
inline const QString NewArchiveNotCreated = QStringLiteral("Impossibile creare il nuovo archivio.\n\n%1");
} // namespace ShellText
