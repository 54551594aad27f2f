#pragma once

#include <QString>

// The receiving side's user-visible texts, for the command line that runs it.
namespace DncText {

// What truvnet receive did with the data that arrived.
inline const QString ReceivedSavedIn = QStringLiteral("Dati ricevuti salvati in %1");
inline const QString ReceivedNotSaved = QStringLiteral("Dati ricevuti non salvati: nessuna cartella li accetta.");
inline const QString NoFolder = QStringLiteral("impossibile creare la cartella");
inline const QString LineRetry = QStringLiteral("%1: linea chiusa, nuovo tentativo tra %2 secondi");
inline const QString OutWaiting = QStringLiteral("%1 è ancora in dati: salvato come nuovo programma");
// Before a port status message, as the terminal's status line shows it.
inline const QString Status = QStringLiteral("Stato - %1");

} // namespace DncText
