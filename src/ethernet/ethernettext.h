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
inline const QString NoPartProgram = QStringLiteral("Nessun part program selezionato");
inline const QString NotFramed = QStringLiteral("Il part program non è delimitato da %");
inline const QString ClearReceived = QStringLiteral("Cancello il programma già ricevuto?");
inline const QString HasDataTitle = QStringLiteral("Contiene dati");
// A CNC that keeps answering "buffer empty" for this long ends the reception.
inline const QString UploadTimedOut =
    QStringLiteral("Il C.N. non ha inviato dati per %1 secondi: ricezione interrotta.");
// The working file of a reception could not be written; the terminal gets the lines anyway.
inline const QString WorkFileNotWritten = QStringLiteral("Impossibile scrivere %1: %2");

inline const QString MultiProgramCaption = QStringLiteral("Elaborazione multiprogramma");
inline const QString NewNumberColumn = QStringLiteral("Nuovo IF");
inline const QString TakenOnCnc = QStringLiteral("Già presente su CN");
inline const QString NumberFree = QStringLiteral("OK!");
inline const QString ContinueButton = QStringLiteral("Continua");
inline const QString StopButton = QStringLiteral("Non Continuare");

// The device that serves a serial port over the network.
inline const QString RemoteWaitCaption = QStringLiteral("In attesa di comando da remoto");
inline const QString ForceButton = QStringLiteral("Forza");
inline const QString RemoteDeviceNotConnected =
    QStringLiteral("Il dispositivo di rete %1 non ha accettato la connessione entro %2 secondi.");
inline const QString RemoteDeviceSilent = QStringLiteral("Il dispositivo di rete %1 non ha risposto entro %2 secondi.");
inline const QString RemoteDeviceError = QStringLiteral("Collegamento con il dispositivo di rete %1 non riuscito: %2");

// The directory grid's header.
inline const QString ProgramColumn = QStringLiteral("Programma");
inline const QString CommentColumn = QStringLiteral("Commento");
inline const QString SizeColumn = QStringLiteral("Dimensione");

} // namespace EthernetText
