#pragma once

#include <QString>
#include <QStringList>

// The Ethernet side's user-visible texts.
namespace EthernetText {

inline const QString InvalidAddress = QStringLiteral("Parametro IP/port non valido");
// A port that the connection could not use: the text after the colon.
inline const QString InvalidPort = QStringLiteral("Porta TCP non valida (da 1 a 65535): \"%1\"");

inline const QString WindowCaption = QStringLiteral("Gestione  Ethernet");
inline const QString ConnectionFrame = QStringLiteral("Stato connessione");
inline const QString ActiveProgramFrame = QStringLiteral("Progr.Attivo su C.N.");
inline const QString MemoryFrame = QStringLiteral("Operazioni sulla memoria del C.N.");
inline const QString RefreshButton = QStringLiteral("&Aggiorna");
inline const QString DeleteButton = QStringLiteral("E&limina");
inline const QString RenameButton = QStringLiteral("&Rinomina");
inline const QString Destination = QStringLiteral("Destinazione");
inline const QString Source = QStringLiteral("Sorgente");
inline const QString NewNameLabel = QStringLiteral("Nuovo Nome");
inline const QString ForRenameLabel = QStringLiteral("(per rinomina)");
inline const QString SendButton = QStringLiteral("Invia");
inline const QString ReceiveButton = QStringLiteral("Ricevi");
inline const QString ExitButton = QStringLiteral("&Esci");
inline const QString Connecting = QStringLiteral("Attesa di connessione...");
inline const QString Connected = QStringLiteral("Connesso!");
inline const QString CncLabel = QStringLiteral("C.N. : ");

inline const QString NothingSelected = QStringLiteral("Nessun programma selezionato");
inline const QString InvalidNumber = QStringLiteral("Numero programma non valido");
inline const QString NotInCnc = QStringLiteral("Programma non esiste nel CN");
inline const QString ActiveTitle = QStringLiteral("Programma Attivo");
inline const QString SelectedOnCnc = QStringLiteral("Il programma risulta selezionato sul CN");
inline const QString RunningOnCnc = QStringLiteral("Il sottoprogramma risulta in esecuzione sul CN");
inline const QString SubprogramSelected = QStringLiteral("Il sottoprogramma risulta selezionato sul CN");
inline const QString AlreadyInCnc = QStringLiteral("Programma esiste già nel CN");
inline const QString AskDelete = QStringLiteral("Desiderate cancellare il programma sul CN ? ");
inline const QString AskRename = QStringLiteral("Desiderate rinominare il programma sul CN ? ");
inline const QString DeleteTitle = QStringLiteral("Cancellazione programma");
inline const QString BadPartProgram = QStringLiteral("Formato part program errato");
inline const QString ExistsOnCnc = QStringLiteral("Il programma esiste sul CN");
inline const QString ProgramSent = QStringLiteral("Programma inviato..");
inline const QString CorrectAndResend = QStringLiteral("Correggere e ripetere l'invio");
// The CNC's detail numbers 1 to 5 for a refused download.
inline const QStringList RejectionDetails{
    QStringLiteral("Il programma contiene caratteri non ammessi"),
    QStringLiteral("Con TV attivo è stato inviato un blocco con n. caratteri dispari"),
    QStringLiteral("Il numero dei programmi registrati è completo"),
    QStringLiteral("Programma già presente sul CN"),
    QStringLiteral("Il programma inviato risulta selezionato sul CN"),
};
// A CNC that keeps answering "buffer full" for this long ends the send.
inline const QString DownloadTimedOut =
    QStringLiteral("Il C.N. non ha accettato dati per %1 secondi: invio interrotto.");
// The user stopped a transfer under way.
inline const QString DownloadStopped = QStringLiteral("Invio interrotto dall'utente.");
inline const QString UploadStopped = QStringLiteral("Ricezione interrotta dall'utente.");
inline const QString AskStopTransfer = QStringLiteral("Trasferimento in corso con il C.N.: interromperlo?");
// A "%" in a line to send: the CNC would end the program there.
inline const QString PercentInLine = QStringLiteral(
    "Riga %1: %2\nIl carattere % chiude il programma sul C.N.: toglierlo e ripetere l'invio.");
inline const QString NoPartProgram = QStringLiteral("Nessun part program selezionato");
inline const QString NotFramed = QStringLiteral("Il part program non è delimitato da %");
inline const QString ClearReceived = QStringLiteral("Cancello il programma già ricevuto?");
inline const QString HasDataTitle = QStringLiteral("Contiene dati");
// A CNC that keeps answering "buffer empty" for this long ends the reception.
inline const QString UploadTimedOut =
    QStringLiteral("Il C.N. non ha inviato dati per %1 secondi: ricezione interrotta.");
// A library that says it gave more than was asked, or less than nothing.
inline const QString UploadBadLength = QStringLiteral(
    "La libreria del C.N. ha indicato %1 caratteri per un blocco di %2: ricezione interrotta, nulla è stato salvato.");
inline const QString UploadTooLong =
    QStringLiteral("Il programma ricevuto supera %1 byte (impostazione cnc/maxProgramBytes): ricezione interrotta.");
// The working file of a reception could not be written; the terminal gets the lines anyway.
inline const QString WorkFileNotWritten = QStringLiteral("Impossibile scrivere %1: %2");

inline const QString MultiProgramCaption = QStringLiteral("Elaborazione multiprogramma");
inline const QString NewNumberColumn = QStringLiteral("Nuovo IF");
inline const QString TakenOnCnc = QStringLiteral("Già presente su CN");
inline const QString NumberFree = QStringLiteral("OK!");
inline const QString ContinueButton = QStringLiteral("Continua");
inline const QString StopButton = QStringLiteral("Non Continuare");
// A program of the text whose new number the CNC memory cannot hold.
inline const QString OutOfCncRange = QStringLiteral("Riga: %1  Il nuovo numero %2 è fuori dal campo del C.N. (da %3 a %4)");

// The device that serves a serial port over the network.
inline const QString RemoteWaitCaption = QStringLiteral("In attesa di comando da remoto");
inline const QString ForceButton = QStringLiteral("Forza");
inline const QString RemoteDeviceNotConnected =
    QStringLiteral("Il dispositivo di rete %1 non ha accettato la connessione entro %2 secondi.");
inline const QString RemoteDeviceSilent = QStringLiteral("Il dispositivo di rete %1 non ha risposto entro %2 secondi.");
inline const QString RemoteDeviceError = QStringLiteral("Collegamento con il dispositivo di rete %1 non riuscito: %2");

// A directory read that gave a number the CNC memory cannot hold.
inline const QString DirectoryBadNumber =
    QStringLiteral("Il C.N. ha indicato il programma numero %1, fuori dal campo da %2 a %3: elenco interrotto.");

// The programs of a send read back from the CNC.
inline const QString VerifyNotRead = QStringLiteral("Verifica: %1 non riletto dal C.N.: %2");
inline const QString VerifyDiffers =
    QStringLiteral("Verifica: %1 differisce alla riga %2: inviato \"%3\", letto dal C.N. \"%4\"");
inline const QString Verified = QStringLiteral("Verifica: i programmi nel C.N. sono uguali a quelli inviati.");

// The directory grid's header.
inline const QString ProgramColumn = QStringLiteral("Programma");
inline const QString CommentColumn = QStringLiteral("Commento");
inline const QString SizeColumn = QStringLiteral("Dimensione");

} // namespace EthernetText
