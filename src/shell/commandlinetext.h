#pragma once

#include <QString>

// The texts of truvnet's subcommands at the command line.
namespace CommandLineText {

inline const QString Usage = QStringLiteral(
    "uso: truvnet machines\n"
    "     truvnet send MACCHINA FILE [--no-consent]\n"
    "     truvnet send MACCHINA --program N [--no-consent]\n"
    "     truvnet receive MACCHINA FILE [--idle SECONDI]\n"
    "     truvnet receive MACCHINA FILE --from O1234   (macchina Ethernet)\n"
    "     truvnet dir MACCHINA\n"
    "     truvnet --init [CARTELLA]\n");
inline const QString UnknownMachine = QStringLiteral("Macchina sconosciuta: %1");
inline const QString KnownMachines = QStringLiteral("Macchine in %1: %2");
inline const QString NoMachines = QStringLiteral("Nessuna macchina in %1.");
inline const QString EthernetNotAvailable =
    QStringLiteral("La trasmissione via Ethernet non è ancora disponibile da riga di comando: "
                   "usare il terminale di comunicazione.");
inline const QString NotEthernet = QStringLiteral("%1 non è una macchina Ethernet: il suo C.N. non ha un elenco "
                                                  "programmi da leggere.");
inline const QString FromNeedsEthernet =
    QStringLiteral("--from legge un programma dal C.N. di una macchina Ethernet; %1 è una macchina seriale.");
// After "Controllare le DLL" when the CNC library could not be loaded.
inline const QString LibraryNotLoaded = QStringLiteral("Libreria del C.N. non caricata: %1");
// What truvnet receive did with the data that arrived.
inline const QString ReceivedSavedIn = QStringLiteral("Dati ricevuti salvati in %1");
inline const QString ReceivedNotSaved = QStringLiteral("Dati ricevuti non salvati: nessuna cartella li accetta.");
inline const QString NoFolder = QStringLiteral("impossibile creare la cartella");
inline const QString NoData = QStringLiteral("Nessun dato ricevuto: %1 non è stato modificato.");
// Before a port status message, as the terminal's status line shows it.
inline const QString Status = QStringLiteral("Stato - %1");

} // namespace CommandLineText
