#include "cncresults.h"

#include <QCoreApplication>

#include <array>

QString testoerrore(short code)
{
    // Indexed from -17 (EW_PROTOCOL) to 17 (EW_PASSWD); -14 to -12 have no message.
    static constexpr std::array<const char *, 35> messages = {
        QT_TRANSLATE_NOOP("CncResults", "Errore nel protocollo"),
        QT_TRANSLATE_NOOP("CncResults", "Manca la connessione"),
        QT_TRANSLATE_NOOP("CncResults", "Controllare le DLL"),
        "",
        "",
        "",
        QT_TRANSLATE_NOOP("CncResults", "Errore BUS HSSB"),
        QT_TRANSLATE_NOOP("CncResults", "Errore di Sistema BUS HSSB"),
        QT_TRANSLATE_NOOP("CncResults", "Errore di comunicazione BUS HSSB"),
        QT_TRANSLATE_NOOP("CncResults", "Errore di handle"),
        QT_TRANSLATE_NOOP("CncResults", "Errore di versione tra librerie"),
        QT_TRANSLATE_NOOP("CncResults", "Stato di libreria anormale"),
        QT_TRANSLATE_NOOP("CncResults", "Errore di sistema BUS HSSB"),
        QT_TRANSLATE_NOOP("CncResults", "Errore di memoria condivisa nel BUS HSSB"),
        QT_TRANSLATE_NOOP("CncResults", "Manca il driver HSSB"),
        QT_TRANSLATE_NOOP("CncResults", "Richiesto STOP o RESET"),
        QT_TRANSLATE_NOOP("CncResults", "Controllo impegnato, attendere"),
        QT_TRANSLATE_NOOP("CncResults", "OK"),
        QT_TRANSLATE_NOOP("CncResults", "Funzione non disponibile"),
        QT_TRANSLATE_NOOP("CncResults", "Formato dati non corretto"),
        QT_TRANSLATE_NOOP("CncResults", "Numero dati non corretto"),
        QT_TRANSLATE_NOOP("CncResults", "Attributi non corretti"),
        QT_TRANSLATE_NOOP("CncResults", "Errore nella scrittura/lettura dati"),
        QT_TRANSLATE_NOOP("CncResults", "Nessuna funzione corrispondente"),
        QT_TRANSLATE_NOOP("CncResults", "Protezione di scrittura attivata"),
        QT_TRANSLATE_NOOP("CncResults", "Memoria sul CNC terminata"),
        QT_TRANSLATE_NOOP("CncResults", "Parametro CNC errato"),
        QT_TRANSLATE_NOOP("CncResults", "Buffer pieno/vuoto, ritentare"),
        QT_TRANSLATE_NOOP("CncResults", "Numero Path non corretto"),
        QT_TRANSLATE_NOOP("CncResults", "Stato del CNC non corretto, correggere e riprovare"),
        QT_TRANSLATE_NOOP("CncResults", "Esecuzione non accettata"),
        QT_TRANSLATE_NOOP("CncResults", "Errore nel data server"),
        QT_TRANSLATE_NOOP("CncResults", "Comando non eseguito perchè il CN è in allarme"),
        QT_TRANSLATE_NOOP("CncResults", "Il CN é in STOP o in Emergenza"),
        QT_TRANSLATE_NOOP("CncResults", "Dati protetti dalla funzione di protezione CNC"),
    };
    const int index = code + 17;
    if (index < 0 || index >= int(messages.size()))
        return {};
    const char *message = messages[size_t(index)];
    return *message ? QCoreApplication::translate("CncResults", message) : QString();
}
