#pragma once

#include <QString>

// The editor windows' user-visible texts.
namespace EditorText {

// Find window (frmFind)
inline const QString FindCaption = QStringLiteral("Trova");
inline const QString FindLabel = QStringLiteral("&Cerca:");
inline const QString ReplaceLabel = QStringLiteral("&Sostituisci:");
inline const QString DirectionFrame = QStringLiteral("Direzione");
inline const QString UpOption = QStringLiteral("&Su");
inline const QString DownOption = QStringLiteral("&Giù");
inline const QString MatchCaseBox = QStringLiteral("&Maiuscole/minuscole");
inline const QString FindButton = QStringLiteral("&Trova");
inline const QString CancelButton = QStringLiteral("&Annulla");
inline const QString NotFound = QStringLiteral("Non trovato: ");

// Import and export
inline const QString Exported = QStringLiteral("Esportato");
inline const QString ExportFailed = QStringLiteral("Esportazione non riuscita: ");

// Program printing and the image manager
inline const QString RecordNotFound = QStringLiteral("Errore fase P");
inline const QString PictureManagerNotStarted = QStringLiteral("Impossibile avviare picvault:\n%1");
inline const QString NumberLabel = QStringLiteral("Progressivo: ");
inline const QString CustomerLabel = QStringLiteral("Cliente    : ");
inline const QString DrawingLabel = QStringLiteral("Disegno    : ");
inline const QString DescriptionLabel = QStringLiteral("Descrizione: ");
inline const QString MemoLabel = QStringLiteral("Memo       : ");
inline const QString ProgramTextTitle = QStringLiteral("Testo del ciclo:");
inline const QString PrintFailed = QStringLiteral("Stampa non riuscita");

// Font sizes
inline const QString TextSizePrompt = QStringLiteral("Altezza carattere");
inline const QString TextSizeOutOfRange = QStringLiteral("Valori non compresi tra 8 e 30");
inline const QString PrintSizePrompt = QStringLiteral("Altezza carattere stampante in mm.");
inline const QString PrintSizeTitle = QStringLiteral("Scelta dimensioni carattere stampante");
inline const QString PrintSizeOutOfRange = QStringLiteral("Altezza >2 e < 16!");

} // namespace EditorText
