#pragma once

#include <QString>

// The receiving side's user-visible texts, for the command line that runs it.
namespace DncText {

// What truvnet receive did with the data that arrived.
inline const QString ReceivedSavedIn = QStringLiteral("Dati ricevuti salvati in %1");
inline const QString ReceivedNotSaved = QStringLiteral("Dati ricevuti non salvati: nessuna cartella li accetta.");
inline const QString NoFolder = QStringLiteral("impossibile creare la cartella");
inline const QString LineRetry = QStringLiteral("%1: linea chiusa, nuovo tentativo tra %2 secondi");
inline const QString LineBack = QStringLiteral("%1: linea di nuovo aperta");
inline const QString OutWaiting = QStringLiteral("%1 è ancora in dati: salvato come nuovo programma");
// Remote requests: a program punched at the machine asking for an archived one.
inline const QString BadRequestPattern =
    QStringLiteral("dnc/request non valido: %1 (serve un'espressione regolare con un gruppo per il numero)");
inline const QString BadRequestSetting = QStringLiteral("dnc/%1 non valido: %2");
inline const QString RequestNotArchived = QStringLiteral("Richiesta del programma %1: non è in archivio");
inline const QString RequestArchiveFailed = QStringLiteral("Richiesta del programma %1: archivio non leggibile: %2");
inline const QString RequestTextMissing = QStringLiteral("Richiesta del programma %1: testo %2 non leggibile: %3");
inline const QString RequestTextEmpty = QStringLiteral("Richiesta del programma %1: il testo %2 è vuoto");
inline const QString RequestBusy = QStringLiteral("Richiesta del programma %1: la linea sta già inviando un programma");
inline const QString RequestWaiting = QStringLiteral("%1: richiesta O%2, invio tra %3 secondi");
inline const QString RequestNoConsent = QStringLiteral("%1: nessun consenso dal C.N. in %2 secondi, invio annullato");
// Requests on Ethernet machines.
inline const QString RequestNotWritable = QStringLiteral("Il programma non può essere scritto nel C.N.");
inline const QString CncUnreachable = QStringLiteral("%1: il C.N. non risponde (%2), nuovo tentativo ogni %3 secondi");
inline const QString CncAnswers = QStringLiteral("%1: il C.N. risponde di nuovo");
inline const QString RequestNotRead = QStringLiteral("%1: richiesta %2 non letta dal C.N.: %3");
inline const QString RequestNotDeleted = QStringLiteral("%1: richiesta %2 non cancellata dal C.N.: %3");
inline const QString BadRequestProgram = QStringLiteral("dnc/requestProgram non valido: %1");
// The output line of an answered request: number, machine, characters sent.
inline const QString RequestSent = QStringLiteral("richiesta O%1 → %2, %3 caratteri");
inline const QString RequestNotSent = QStringLiteral("richiesta O%1 → %2: invio non riuscito dopo %3 caratteri");
// Before a port status message, as the terminal's status line shows it.
inline const QString Status = QStringLiteral("Stato - %1");

} // namespace DncText
