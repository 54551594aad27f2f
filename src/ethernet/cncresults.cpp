#include "cncresults.h"

#include <array>

QString testoerrore(short code)
{
    // Indexed from -17 (EW_PROTOCOL) to 17 (EW_PASSWD); -14 to -12 have no message.
    static const std::array<const char *, 35> messages = {
        "Errore nel protocollo",
        "Manca la connessione",
        "Controllare le DLL",
        "",
        "",
        "",
        "Errore BUS HSSB",
        "Errore di Sistema BUS HSSB",
        "Errore di comunicazione BUS HSSB",
        "Errore di handle",
        "Errore di versione tra librerie",
        "Stato di libreria anormale",
        "Errore di sistema BUS HSSB",
        "Errore di memoria condivisa nel BUS HSSB",
        "Manca il driver HSSB",
        "Richiesto STOP o RESET",
        "Controllo impegnato, attendere",
        "OK",
        "Funzione non disponibile",
        "Formato dati non corretto",
        "Numero dati non corretto",
        "Attributi non corretti",
        "Errore nella scrittura/lettura dati",
        "Nessuna funzione corrispondente",
        "Protezione di scrittura attivata",
        "Memoria sul CNC terminata",
        "Parametro CNC errato",
        "Buffer pieno/vuoto, ritentare",
        "Numero Path non corretto",
        "Stato del CNC non corretto, correggere e riprovare",
        "Esecuzione non accettata",
        "Errore nel data server",
        "Comando non eseguito perchè il CN è in allarme",
        "Il CN é in STOP o in Emergenza",
        "Dati protetti dalla funzione di protezione CNC",
    };
    const int index = code + 17;
    if (index < 0 || index >= int(messages.size()))
        return {};
    return QString::fromUtf8(messages[size_t(index)]);
}
