#pragma once

#include <QString>

// The texts of truvnet's subcommands at the command line.
namespace CommandLineText {

inline const QString Usage = QStringLiteral(
    "uso: truvnet   (archivio, editor e trasmissioni nelle finestre)\n"
    "     truvnet machines\n"
    "     truvnet send MACCHINA FILE [--no-consent]\n"
    "     truvnet send MACCHINA --program N [--no-consent]\n"
    "     truvnet send MACCHINA FILE|--program N --as O1234 [--continue] [--verify]   (macchina Ethernet)\n"
    "     truvnet receive MACCHINA FILE [--idle SECONDI]\n"
    "     truvnet receive MACCHINA FILE --from O1234   (macchina Ethernet)\n"
    "     truvnet listen [MACCHINA...] [--idle SECONDI] [--poll SECONDI]   (programmi dalle macchine seriali\n"
    "                    in dati; richieste dalle macchine: dnc/request; senza nomi: dnc/machines)\n"
    "     truvnet dir MACCHINA\n"
    "     truvnet backup MACCHINA CARTELLA   (ogni programma del C.N. Ethernet in CARTELLA come O1234.nc)\n"
    "     truvnet lines\n"
    "     truvnet programs [--customer X | --drawing X | --description X | --number N]\n"
    "     truvnet revisions N   (revisioni del programma N, la più recente per prima)\n"
    "     truvnet diff N [REV [REV]]   (differenze come diff -u; con una revisione: col testo attuale)\n"
    "     truvnet restore N REV   (la revisione diventa il testo attuale; riporta anche un programma eliminato)\n"
    "     truvnet text N   (il testo attuale sull'uscita)\n"
    "     truvnet store N FILE   (FILE, o - per l'ingresso, diventa il testo del programma N)\n"
    "     truvnet log [--machine M] [--program N] [--since AAAA-MM-GG] [--until AAAA-MM-GG] [--failed] [--csv]\n"
    "        (registro trasferimenti, il più recente per primo)\n"
    "     truvnet copy-archive postgresql://UTENTE@HOST:PORTA/DATABASE   (archivio condiviso sul server)\n"
    "     truvnet --init [CARTELLA]\n"
    "     truvnet import-access ORIGINE [CARTELLA]   (archivio Access del vecchio programma)\n"
    "     truvnet --version\n"
    "     truvnet --help\n"
    "     truvnet --lang it|en ...   (lingua dei testi; altrimenti l'impostazione ui/language, poi LANG)\n");
// truvnet --version; %1: the release.
inline const QString Version = QStringLiteral("truvnet %1\n");
inline const QString UnknownLanguage = QStringLiteral("Lingua non disponibile: %1 (it, en)\n");
inline const QString UnknownMachine = QStringLiteral("Macchina sconosciuta: %1");
inline const QString KnownMachines = QStringLiteral("Macchine in %1: %2");
inline const QString NoMachines = QStringLiteral("Nessuna macchina in %1.");
// An Ethernet machine named without the program number on its CNC.
inline const QString SendNeedsAs =
    QStringLiteral("%1 è una macchina Ethernet: indicare con --as il numero sotto cui scrivere il programma nel C.N.");
inline const QString ReceiveNeedsFrom =
    QStringLiteral("%1 è una macchina Ethernet: indicare con --from il numero del programma da leggere dal C.N.");
inline const QString AsNeedsEthernet =
    QStringLiteral("--as scrive un programma nel C.N. di una macchina Ethernet; %1 è una macchina seriale.");
inline const QString ContinueToSend = QStringLiteral("Programma non inviato: --continue per inviarlo comunque.");
// Numbers the CNC cannot hold: --continue does not send them either.
inline const QString NotSendable = QStringLiteral("Programma non inviato: il C.N. non può tenere questi numeri.");
// Ctrl+C or SIGTERM ended a command on a CNC.
inline const QString Stopped = QStringLiteral("Interrotto dall'utente.");
inline const QString NotEthernet = QStringLiteral("%1 non è una macchina Ethernet: il suo C.N. non ha un elenco "
                                                  "programmi da leggere.");
inline const QString FromNeedsEthernet =
    QStringLiteral("--from legge un programma dal C.N. di una macchina Ethernet; %1 è una macchina seriale.");
// After "Controllare le DLL" when the CNC library could not be loaded.
inline const QString LibraryNotLoaded = QStringLiteral("Libreria del C.N. non caricata: %1");
inline const QString NoData = QStringLiteral("Nessun dato ricevuto: %1 non è stato modificato.");
inline const QString ProgramNotArchived = QStringLiteral("Il programma %1 non è in archivio.");
// After a serial send on a port that a network device serves.
// The progress of a send: characters sent, of all, per second, time left (h:mm:ss).
inline const QString SendProgressLine = QStringLiteral("%1 di %2 caratteri, %3 caratteri/s, %4 alla fine");
inline const QString NotifyingDevice = QStringLiteral("Avviso al dispositivo di rete %1");
inline const QString Imported = QStringLiteral("Archivio importato in %1");
// truvnet listen
inline const QString ListenNoMachines =
    QStringLiteral("Nessuna macchina da ascoltare: indicarle sulla riga di comando o in dnc/machines.");
inline const QString Listening = QStringLiteral("In ascolto: %1 su COM%2");
inline const QString ListeningCnc = QStringLiteral("In ascolto: %1, richieste in %2 ogni %3 secondi");
// The output line of a program filed in dati: time, machine, file, bytes, and a note.
inline const QString FiledLine = QStringLiteral("%1\t%2\t%3\t%4");
inline const QString NotFiled = QStringLiteral("%1: programma ricevuto non salvato (%2 caratteri)");

// truvnet backup: file, characters; the folder that cannot be made; the programs not kept.
inline const QString BackupWritten = QStringLiteral("%1\t%2\tscritto");
inline const QString BackupUnchanged = QStringLiteral("%1\t%2\tinvariato");
inline const QString BackupNoFolder = QStringLiteral("Impossibile creare la cartella %1");
inline const QString BackupNotKept = QStringLiteral("Programmi non salvati: %1");

// Program revisions.
inline const QString NotTwoRevisions = QStringLiteral("Il programma %1 ha meno di due revisioni da confrontare.");
inline const QString RevisionRestored = QStringLiteral("Revisione %1 del programma %2 ripristinata.");
inline const QString TextStored = QStringLiteral("Testo del programma %1 salvato (revisione %2 conserva il precedente).");
inline const QString TextStoredUnchanged = QStringLiteral("Testo del programma %1 salvato.");
inline const QString FileNotRead = QStringLiteral("%1 non leggibile: %2");
// The labels of a diff's two texts: the program's file name, then which text.
inline const QString DiffRevisionLabel = QStringLiteral("%1\trevisione %2 (%3)");
inline const QString DiffCurrentLabel = QStringLiteral("%1\tattuale");

} // namespace CommandLineText
