#pragma once

#include "uitext.h"

#include <QString>

// The editor windows' user-visible texts.
namespace EditorText {
inline constexpr char Context[] = "EditorText";
using Text = UiText<Context>;

// Find window (frmFind)
inline constexpr Text FindCaption = QT_TRANSLATE_NOOP("EditorText", "Trova");
inline constexpr Text FindLabel = QT_TRANSLATE_NOOP("EditorText", "&Cerca:");
inline constexpr Text ReplaceLabel = QT_TRANSLATE_NOOP("EditorText", "&Sostituisci:");
inline constexpr Text DirectionFrame = QT_TRANSLATE_NOOP("EditorText", "Direzione");
inline constexpr Text UpOption = QT_TRANSLATE_NOOP("EditorText", "&Su");
inline constexpr Text DownOption = QT_TRANSLATE_NOOP("EditorText", "&Giù");
inline constexpr Text MatchCaseBox = QT_TRANSLATE_NOOP("EditorText", "&Maiuscole/minuscole");
inline constexpr Text FindButton = QT_TRANSLATE_NOOP("EditorText", "&Trova");
inline constexpr Text CancelButton = QT_TRANSLATE_NOOP("EditorText", "&Annulla");
inline constexpr Text NotFound = QT_TRANSLATE_NOOP("EditorText", "Non trovato: ");

// Import and export
inline constexpr Text Exported = QT_TRANSLATE_NOOP("EditorText", "Esportato");
inline constexpr Text ExportFailed = QT_TRANSLATE_NOOP("EditorText", "Esportazione non riuscita: ");

// Saving a program whose archive row is gone
inline constexpr Text SaveRowMissing = QT_TRANSLATE_NOOP("EditorText", "Errore fase 1");

// Program printing and the image manager
inline constexpr Text RecordNotFound = QT_TRANSLATE_NOOP("EditorText", "Errore fase P");
inline constexpr Text PictureManagerNotStarted = QT_TRANSLATE_NOOP("EditorText", "Impossibile avviare picvault:\n%1");
inline constexpr Text NumberLabel = QT_TRANSLATE_NOOP("EditorText", "Progressivo: ");
inline constexpr Text CustomerLabel = QT_TRANSLATE_NOOP("EditorText", "Cliente    : ");
inline constexpr Text DrawingLabel = QT_TRANSLATE_NOOP("EditorText", "Disegno    : ");
inline constexpr Text DescriptionLabel = QT_TRANSLATE_NOOP("EditorText", "Descrizione: ");
inline constexpr Text MemoLabel = QT_TRANSLATE_NOOP("EditorText", "Memo       : ");
inline constexpr Text ProgramTextTitle = QT_TRANSLATE_NOOP("EditorText", "Testo del ciclo:");
inline constexpr Text PrintFailed = QT_TRANSLATE_NOOP("EditorText", "Stampa non riuscita");

// Font sizes
inline constexpr Text TextSizePrompt = QT_TRANSLATE_NOOP("EditorText", "Altezza carattere");
inline constexpr Text TextSizeOutOfRange = QT_TRANSLATE_NOOP("EditorText", "Valori non compresi tra 8 e 30");
inline constexpr Text PrintSizePrompt = QT_TRANSLATE_NOOP("EditorText", "Altezza carattere stampante in mm.");
inline constexpr Text PrintSizeTitle = QT_TRANSLATE_NOOP("EditorText", "Scelta dimensioni carattere stampante");
inline constexpr Text PrintSizeOutOfRange = QT_TRANSLATE_NOOP("EditorText", "Altezza >2 e < 16!");

} // namespace EditorText
