#pragma once

#include "uitext.h"

#include <QString>

// The Ethernet side's user-visible texts.
namespace EthernetText {
inline constexpr char Context[] = "EthernetText";
using Text = UiText<Context>;

inline constexpr Text InvalidAddress = QT_TRANSLATE_NOOP("EthernetText", "Parametro IP/port non valido");
// A port that the connection could not use: the text after the colon.
inline constexpr Text InvalidPort = QT_TRANSLATE_NOOP("EthernetText", "Porta TCP non valida (da 1 a 65535): \"%1\"");

inline constexpr Text WindowCaption = QT_TRANSLATE_NOOP("EthernetText", "Gestione  Ethernet");
inline constexpr Text ConnectionFrame = QT_TRANSLATE_NOOP("EthernetText", "Stato connessione");
inline constexpr Text ActiveProgramFrame = QT_TRANSLATE_NOOP("EthernetText", "Progr.Attivo su C.N.");
inline constexpr Text MemoryFrame = QT_TRANSLATE_NOOP("EthernetText", "Operazioni sulla memoria del C.N.");
inline constexpr Text RefreshButton = QT_TRANSLATE_NOOP("EthernetText", "&Aggiorna");
inline constexpr Text DeleteButton = QT_TRANSLATE_NOOP("EthernetText", "E&limina");
inline constexpr Text RenameButton = QT_TRANSLATE_NOOP("EthernetText", "&Rinomina");
inline constexpr Text Destination = QT_TRANSLATE_NOOP("EthernetText", "Destinazione");
inline constexpr Text Source = QT_TRANSLATE_NOOP("EthernetText", "Sorgente");
inline constexpr Text NewNameLabel = QT_TRANSLATE_NOOP("EthernetText", "Nuovo Nome");
inline constexpr Text ForRenameLabel = QT_TRANSLATE_NOOP("EthernetText", "(per rinomina)");
inline constexpr Text SendButton = QT_TRANSLATE_NOOP("EthernetText", "Invia");
inline constexpr Text ReceiveButton = QT_TRANSLATE_NOOP("EthernetText", "Ricevi");
inline constexpr Text ExitButton = QT_TRANSLATE_NOOP("EthernetText", "&Esci");
inline constexpr Text Connecting = QT_TRANSLATE_NOOP("EthernetText", "Attesa di connessione...");
inline constexpr Text Connected = QT_TRANSLATE_NOOP("EthernetText", "Connesso!");
inline constexpr Text CncLabel = QT_TRANSLATE_NOOP("EthernetText", "C.N. : ");

inline constexpr Text NothingSelected = QT_TRANSLATE_NOOP("EthernetText", "Nessun programma selezionato");
inline constexpr Text InvalidNumber = QT_TRANSLATE_NOOP("EthernetText", "Numero programma non valido");
inline constexpr Text NotInCnc = QT_TRANSLATE_NOOP("EthernetText", "Programma non esiste nel CN");
inline constexpr Text ActiveTitle = QT_TRANSLATE_NOOP("EthernetText", "Programma Attivo");
inline constexpr Text SelectedOnCnc = QT_TRANSLATE_NOOP("EthernetText", "Il programma risulta selezionato sul CN");
inline constexpr Text RunningOnCnc =
    QT_TRANSLATE_NOOP("EthernetText", "Il sottoprogramma risulta in esecuzione sul CN");
inline constexpr Text SubprogramSelected =
    QT_TRANSLATE_NOOP("EthernetText", "Il sottoprogramma risulta selezionato sul CN");
inline constexpr Text AlreadyInCnc = QT_TRANSLATE_NOOP("EthernetText", "Programma esiste già nel CN");
inline constexpr Text AskDelete = QT_TRANSLATE_NOOP("EthernetText", "Desiderate cancellare il programma sul CN ? ");
inline constexpr Text AskRename = QT_TRANSLATE_NOOP("EthernetText", "Desiderate rinominare il programma sul CN ? ");
inline constexpr Text DeleteTitle = QT_TRANSLATE_NOOP("EthernetText", "Cancellazione programma");
inline constexpr Text BadPartProgram = QT_TRANSLATE_NOOP("EthernetText", "Formato part program errato");
inline constexpr Text ExistsOnCnc = QT_TRANSLATE_NOOP("EthernetText", "Il programma esiste sul CN");
inline constexpr Text ProgramSent = QT_TRANSLATE_NOOP("EthernetText", "Programma inviato..");
inline constexpr Text CorrectAndResend = QT_TRANSLATE_NOOP("EthernetText", "Correggere e ripetere l'invio");
// The CNC's detail numbers 1 to 5 for a refused download.
inline constexpr Text RejectionDetails[] = {
    QT_TRANSLATE_NOOP("EthernetText", "Il programma contiene caratteri non ammessi"),
    QT_TRANSLATE_NOOP("EthernetText", "Con TV attivo è stato inviato un blocco con n. caratteri dispari"),
    QT_TRANSLATE_NOOP("EthernetText", "Il numero dei programmi registrati è completo"),
    QT_TRANSLATE_NOOP("EthernetText", "Programma già presente sul CN"),
    QT_TRANSLATE_NOOP("EthernetText", "Il programma inviato risulta selezionato sul CN"),
};
// A CNC that keeps answering "buffer full" for this long ends the send.
inline constexpr Text DownloadTimedOut =
    QT_TRANSLATE_NOOP("EthernetText", "Il C.N. non ha accettato dati per %1 secondi: invio interrotto.");
// The user stopped a transfer under way.
inline constexpr Text DownloadStopped = QT_TRANSLATE_NOOP("EthernetText", "Invio interrotto dall'utente.");
inline constexpr Text UploadStopped = QT_TRANSLATE_NOOP("EthernetText", "Ricezione interrotta dall'utente.");
inline constexpr Text AskStopTransfer =
    QT_TRANSLATE_NOOP("EthernetText", "Trasferimento in corso con il C.N.: interromperlo?");
// A "%" in a line to send: the CNC would end the program there.
inline constexpr Text PercentInLine = QT_TRANSLATE_NOOP(
    "EthernetText", "Riga %1: %2\nIl carattere % chiude il programma sul C.N.: toglierlo e ripetere l'invio.");
inline constexpr Text NoPartProgram = QT_TRANSLATE_NOOP("EthernetText", "Nessun part program selezionato");
inline constexpr Text NotFramed = QT_TRANSLATE_NOOP("EthernetText", "Il part program non è delimitato da %");
inline constexpr Text ClearReceived = QT_TRANSLATE_NOOP("EthernetText", "Cancello il programma già ricevuto?");
inline constexpr Text HasDataTitle = QT_TRANSLATE_NOOP("EthernetText", "Contiene dati");
// A CNC that keeps answering "buffer empty" for this long ends the reception.
inline constexpr Text UploadTimedOut =
    QT_TRANSLATE_NOOP("EthernetText", "Il C.N. non ha inviato dati per %1 secondi: ricezione interrotta.");
// A library that says it gave more than was asked, or less than nothing.
inline constexpr Text UploadBadLength = QT_TRANSLATE_NOOP(
    "EthernetText",
    "La libreria del C.N. ha indicato %1 caratteri per un blocco di %2: ricezione interrotta, nulla è stato salvato.");
inline constexpr Text UploadTooLong = QT_TRANSLATE_NOOP(
    "EthernetText", "Il programma ricevuto supera %1 byte (impostazione cnc/maxProgramBytes): ricezione interrotta.");
// The working file of a reception could not be written; the terminal gets the lines anyway.
inline constexpr Text WorkFileNotWritten = QT_TRANSLATE_NOOP("EthernetText", "Impossibile scrivere %1: %2");

inline constexpr Text MultiProgramCaption = QT_TRANSLATE_NOOP("EthernetText", "Elaborazione multiprogramma");
inline constexpr Text NewNumberColumn = QT_TRANSLATE_NOOP("EthernetText", "Nuovo IF");
inline constexpr Text TakenOnCnc = QT_TRANSLATE_NOOP("EthernetText", "Già presente su CN");
inline constexpr Text NumberFree = QT_TRANSLATE_NOOP("EthernetText", "OK!");
inline constexpr Text ContinueButton = QT_TRANSLATE_NOOP("EthernetText", "Continua");
inline constexpr Text StopButton = QT_TRANSLATE_NOOP("EthernetText", "Non Continuare");
// A program of the text whose new number the CNC memory cannot hold.
inline constexpr Text OutOfCncRange =
    QT_TRANSLATE_NOOP("EthernetText", "Riga: %1  Il nuovo numero %2 è fuori dal campo del C.N. (da %3 a %4)");
// A line of the text with a call that nobody can follow by reading it.
inline constexpr Text NoValidData = QT_TRANSLATE_NOOP("EthernetText", "Riga: %1  Non contiene dati validi");

// The device that serves a serial port over the network.
inline constexpr Text RemoteWaitCaption = QT_TRANSLATE_NOOP("EthernetText", "In attesa di comando da remoto");
inline constexpr Text ForceButton = QT_TRANSLATE_NOOP("EthernetText", "Forza");
inline constexpr Text RemoteDeviceNotConnected =
    QT_TRANSLATE_NOOP("EthernetText", "Il dispositivo di rete %1 non ha accettato la connessione entro %2 secondi.");
inline constexpr Text RemoteDeviceSilent =
    QT_TRANSLATE_NOOP("EthernetText", "Il dispositivo di rete %1 non ha risposto entro %2 secondi.");
inline constexpr Text RemoteDeviceError =
    QT_TRANSLATE_NOOP("EthernetText", "Collegamento con il dispositivo di rete %1 non riuscito: %2");

// A directory read that gave a number the CNC memory cannot hold.
inline constexpr Text DirectoryBadNumber = QT_TRANSLATE_NOOP(
    "EthernetText", "Il C.N. ha indicato il programma numero %1, fuori dal campo da %2 a %3: elenco interrotto.");

// The programs of a send read back from the CNC.
inline constexpr Text VerifyNotRead = QT_TRANSLATE_NOOP("EthernetText", "Verifica: %1 non riletto dal C.N.: %2");
inline constexpr Text VerifyDiffers =
    QT_TRANSLATE_NOOP("EthernetText", "Verifica: %1 differisce alla riga %2: inviato \"%3\", letto dal C.N. \"%4\"");
inline constexpr Text Verified =
    QT_TRANSLATE_NOOP("EthernetText", "Verifica: i programmi nel C.N. sono uguali a quelli inviati.");

// The directory grid's header.
inline constexpr Text ProgramColumn = QT_TRANSLATE_NOOP("EthernetText", "Programma");
inline constexpr Text CommentColumn = QT_TRANSLATE_NOOP("EthernetText", "Commento");
inline constexpr Text SizeColumn = QT_TRANSLATE_NOOP("EthernetText", "Dimensione");

} // namespace EthernetText
