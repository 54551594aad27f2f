#pragma once

#include "uitext.h"

#include <QString>

// The texts of truvnet's subcommands at the command line.
namespace CommandLineText {
inline constexpr char Context[] = "CommandLineText";
using Text = UiText<Context>;

inline constexpr Text Usage = QT_TRANSLATE_NOOP(
    "CommandLineText",
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
inline constexpr Text UnknownLanguage = QT_TRANSLATE_NOOP("CommandLineText", "Lingua non disponibile: %1 (it, en)\n");
inline constexpr Text UnknownMachine = QT_TRANSLATE_NOOP("CommandLineText", "Macchina sconosciuta: %1");
inline constexpr Text KnownMachines = QT_TRANSLATE_NOOP("CommandLineText", "Macchine in %1: %2");
inline constexpr Text NoMachines = QT_TRANSLATE_NOOP("CommandLineText", "Nessuna macchina in %1.");
// An Ethernet machine named without the program number on its CNC.
inline constexpr Text SendNeedsAs = QT_TRANSLATE_NOOP(
    "CommandLineText",
    "%1 è una macchina Ethernet: indicare con --as il numero sotto cui scrivere il programma nel C.N.");
inline constexpr Text ReceiveNeedsFrom = QT_TRANSLATE_NOOP(
    "CommandLineText", "%1 è una macchina Ethernet: indicare con --from il numero del programma da leggere dal C.N.");
inline constexpr Text AsNeedsEthernet = QT_TRANSLATE_NOOP(
    "CommandLineText", "--as scrive un programma nel C.N. di una macchina Ethernet; %1 è una macchina seriale.");
inline constexpr Text ContinueToSend =
    QT_TRANSLATE_NOOP("CommandLineText", "Programma non inviato: --continue per inviarlo comunque.");
// Numbers the CNC cannot hold: --continue does not send them either.
inline constexpr Text NotSendable =
    QT_TRANSLATE_NOOP("CommandLineText", "Programma non inviato: il C.N. non può tenere questi numeri.");
// Ctrl+C or SIGTERM ended a command on a CNC.
inline constexpr Text Stopped = QT_TRANSLATE_NOOP("CommandLineText", "Interrotto dall'utente.");
inline constexpr Text NotEthernet = QT_TRANSLATE_NOOP("CommandLineText",
                                                      "%1 non è una macchina Ethernet: il suo C.N. non ha un elenco "
                                                      "programmi da leggere.");
inline constexpr Text FromNeedsEthernet = QT_TRANSLATE_NOOP(
    "CommandLineText", "--from legge un programma dal C.N. di una macchina Ethernet; %1 è una macchina seriale.");
// After "Controllare le DLL" when the CNC library could not be loaded.
inline constexpr Text LibraryNotLoaded = QT_TRANSLATE_NOOP("CommandLineText", "Libreria del C.N. non caricata: %1");
inline constexpr Text NoData = QT_TRANSLATE_NOOP("CommandLineText", "Nessun dato ricevuto: %1 non è stato modificato.");
inline constexpr Text ProgramNotArchived = QT_TRANSLATE_NOOP("CommandLineText", "Il programma %1 non è in archivio.");
// After a serial send on a port that a network device serves.
// The progress of a send: characters sent, of all, per second, time left (h:mm:ss).
inline constexpr Text SendProgressLine =
    QT_TRANSLATE_NOOP("CommandLineText", "%1 di %2 caratteri, %3 caratteri/s, %4 alla fine");
inline constexpr Text NotifyingDevice = QT_TRANSLATE_NOOP("CommandLineText", "Avviso al dispositivo di rete %1");
inline constexpr Text Imported = QT_TRANSLATE_NOOP("CommandLineText", "Archivio importato in %1");
// truvnet listen
inline constexpr Text ListenNoMachines = QT_TRANSLATE_NOOP(
    "CommandLineText", "Nessuna macchina da ascoltare: indicarle sulla riga di comando o in dnc/machines.");
inline constexpr Text Listening = QT_TRANSLATE_NOOP("CommandLineText", "In ascolto: %1 su COM%2");
inline constexpr Text ListeningCnc =
    QT_TRANSLATE_NOOP("CommandLineText", "In ascolto: %1, richieste in %2 ogni %3 secondi");
// The output line of a program filed in dati: time, machine, file, bytes, and a note.
inline const QString FiledLine = QStringLiteral("%1\t%2\t%3\t%4");
inline constexpr Text NotFiled =
    QT_TRANSLATE_NOOP("CommandLineText", "%1: programma ricevuto non salvato (%2 caratteri)");

// truvnet backup: file, characters; the folder that cannot be made; the programs not kept.
inline constexpr Text BackupWritten = QT_TRANSLATE_NOOP("CommandLineText", "%1\t%2\tscritto");
inline constexpr Text BackupUnchanged = QT_TRANSLATE_NOOP("CommandLineText", "%1\t%2\tinvariato");
inline constexpr Text BackupNoFolder = QT_TRANSLATE_NOOP("CommandLineText", "Impossibile creare la cartella %1");
inline constexpr Text BackupNotKept = QT_TRANSLATE_NOOP("CommandLineText", "Programmi non salvati: %1");

// Program revisions.
inline constexpr Text NotTwoRevisions =
    QT_TRANSLATE_NOOP("CommandLineText", "Il programma %1 ha meno di due revisioni da confrontare.");
inline constexpr Text RevisionRestored =
    QT_TRANSLATE_NOOP("CommandLineText", "Revisione %1 del programma %2 ripristinata.");
inline constexpr Text TextStored =
    QT_TRANSLATE_NOOP("CommandLineText", "Testo del programma %1 salvato (revisione %2 conserva il precedente).");
inline constexpr Text TextStoredUnchanged = QT_TRANSLATE_NOOP("CommandLineText", "Testo del programma %1 salvato.");
inline constexpr Text FileNotRead = QT_TRANSLATE_NOOP("CommandLineText", "%1 non leggibile: %2");
// The labels of a diff's two texts: the program's file name, then which text.
inline constexpr Text DiffRevisionLabel = QT_TRANSLATE_NOOP("CommandLineText", "%1\trevisione %2 (%3)");
inline constexpr Text DiffCurrentLabel = QT_TRANSLATE_NOOP("CommandLineText", "%1\tattuale");

// truvnet copy-archive: the table, its rows; the settings key in the last line stays as typed.
inline constexpr Text TargetNotEmpty = QT_TRANSLATE_NOOP(
    "CommandLineText", "Il database di destinazione non è vuoto: %1 ha %2 righe. Nulla è stato copiato.");
inline constexpr Text NothingCopied = QT_TRANSLATE_NOOP("CommandLineText", "Nulla è stato copiato.");
inline constexpr Text RowsCompared = QT_TRANSLATE_NOOP("CommandLineText", "%1: %2 righe nel file, %3 sul server");
inline constexpr Text RowCountsDiffer = QT_TRANSLATE_NOOP("CommandLineText", "%1: il numero di righe differisce");
inline constexpr Text ArchiveCopied = QT_TRANSLATE_NOOP(
    "CommandLineText", "Archivio copiato in %1. Per usarlo su ogni PC: archive/url = %1 nelle impostazioni.");

// truvnet --init: one line per file or folder.
inline constexpr Text SetupCreated = QT_TRANSLATE_NOOP("CommandLineText", "creato %1");
inline constexpr Text SetupKept = QT_TRANSLATE_NOOP("CommandLineText", "già presente, non modificato %1");

// truvnet machines: the kind of line of a serial machine.
inline constexpr Text SerialKind = QT_TRANSLATE_NOOP("CommandLineText", "seriale");

} // namespace CommandLineText
