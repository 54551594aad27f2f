#pragma once

#include "uitext.h"

#include <QString>

// The receiving side's user-visible texts, for the command line that runs it.
namespace DncText {
inline constexpr char Context[] = "DncText";
using Text = UiText<Context>;

// What truvnet receive did with the data that arrived.
inline constexpr Text ReceivedSavedIn = QT_TRANSLATE_NOOP("DncText", "Dati ricevuti salvati in %1");
inline constexpr Text ReceivedNotSaved =
    QT_TRANSLATE_NOOP("DncText", "Dati ricevuti non salvati: nessuna cartella li accetta.");
inline constexpr Text NoFolder = QT_TRANSLATE_NOOP("DncText", "impossibile creare la cartella");
inline constexpr Text LineRetry = QT_TRANSLATE_NOOP("DncText", "%1: linea chiusa, nuovo tentativo tra %2 secondi");
inline constexpr Text LineBack = QT_TRANSLATE_NOOP("DncText", "%1: linea di nuovo aperta");
inline constexpr Text OutWaiting = QT_TRANSLATE_NOOP("DncText", "%1 è ancora in dati: salvato come nuovo programma");
// Remote requests: a program punched at the machine asking for an archived one.
inline constexpr Text BadRequestPattern = QT_TRANSLATE_NOOP(
    "DncText", "dnc/request non valido: %1 (serve un'espressione regolare con un gruppo per il numero)");
inline constexpr Text BadRequestSetting = QT_TRANSLATE_NOOP("DncText", "dnc/%1 non valido: %2");
inline constexpr Text RequestNotArchived =
    QT_TRANSLATE_NOOP("DncText", "Richiesta del programma %1: non è in archivio");
inline constexpr Text RequestArchiveFailed =
    QT_TRANSLATE_NOOP("DncText", "Richiesta del programma %1: archivio non leggibile: %2");
inline constexpr Text RequestTextMissing =
    QT_TRANSLATE_NOOP("DncText", "Richiesta del programma %1: testo %2 non leggibile: %3");
inline constexpr Text RequestTextEmpty =
    QT_TRANSLATE_NOOP("DncText", "Richiesta del programma %1: il testo %2 è vuoto");
inline constexpr Text RequestBusy =
    QT_TRANSLATE_NOOP("DncText", "Richiesta del programma %1: la linea sta già inviando un programma");
inline constexpr Text RequestWaiting = QT_TRANSLATE_NOOP("DncText", "%1: richiesta O%2, invio tra %3 secondi");
inline constexpr Text RequestNoConsent =
    QT_TRANSLATE_NOOP("DncText", "%1: nessun consenso dal C.N. in %2 secondi, invio annullato");
// Requests on Ethernet machines.
inline constexpr Text RequestNotWritable = QT_TRANSLATE_NOOP("DncText", "Il programma non può essere scritto nel C.N.");
inline constexpr Text CncUnreachable =
    QT_TRANSLATE_NOOP("DncText", "%1: il C.N. non risponde (%2), nuovo tentativo ogni %3 secondi");
inline constexpr Text CncAnswers = QT_TRANSLATE_NOOP("DncText", "%1: il C.N. risponde di nuovo");
inline constexpr Text RequestNotRead = QT_TRANSLATE_NOOP("DncText", "%1: richiesta %2 non letta dal C.N.: %3");
inline constexpr Text RequestNotDeleted = QT_TRANSLATE_NOOP("DncText", "%1: richiesta %2 non cancellata dal C.N.: %3");
inline constexpr Text BadRequestProgram = QT_TRANSLATE_NOOP("DncText", "dnc/requestProgram non valido: %1");
// The output line of an answered request: number, machine, characters sent.
inline constexpr Text RequestSent = QT_TRANSLATE_NOOP("DncText", "richiesta O%1 → %2, %3 caratteri");
inline constexpr Text RequestNotSent =
    QT_TRANSLATE_NOOP("DncText", "richiesta O%1 → %2: invio non riuscito dopo %3 caratteri");
// Before a port status message, as the terminal's status line shows it.
inline constexpr Text Status = QT_TRANSLATE_NOOP("DncText", "Stato - %1");

} // namespace DncText
