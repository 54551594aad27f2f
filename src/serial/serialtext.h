#pragma once

#include <QString>

// The serial link's user-visible texts.
namespace SerialText {

// ClosePortForExit: the transmit queue did not drain.
inline const QString DataCannotBeSent = QStringLiteral("Data cannot be sent");
// Added to a permission error when the port opens.
inline const QString DeviceAccessHint =
    QStringLiteral("L'utente deve essere autorizzato a usare il dispositivo "
                   "(ad esempio come membro del gruppo dialout).");
inline const QString BadPortNumber = QStringLiteral("Numero di porta non valido: %1");
inline const QString BadSettings = QStringLiteral("Impostazioni della linea non valide: %1");
inline const QString PortNotOpen = QStringLiteral("La porta non è aperta");
// The device went away during a transfer; %1 is the system's reason.
inline const QString DeviceGone = QStringLiteral("Dispositivo scollegato: %1");
inline const QString HungUp = QStringLiteral("linea chiusa dall'altro capo");

} // namespace SerialText

// Send and reception.
namespace SerialText {

inline const QString ProgramNotSent = QStringLiteral("Programma non inviato.");
inline const QString WaitingForConsent = QStringLiteral("In attesa di consenso dal CN.");
inline const QString SendingProgram = QStringLiteral("Trasmissione del ciclo in corso");
inline const QString Receiving = QStringLiteral("Ricezione in corso - ");
// A reception that the line ended; %1: the characters that arrived.
inline const QString ReceptionBroken = QStringLiteral("Ricezione interrotta: %1 caratteri ricevuti.");

// Port events: status line and error prompts.
inline const QString CtsChanged = QStringLiteral("Rilevata modifica in CTS");
inline const QString DsrChanged = QStringLiteral("Rilevata modifica in DSR");
inline const QString CdChanged = QStringLiteral("Rilevata modifica CD");
inline const QString Ringing = QStringLiteral("Il telefono sta suonando");
inline const QString EndOfFile = QStringLiteral("Rilevata fine del file");
inline const QString BreakReceived = QStringLiteral("Ricevuto segnale di interruzione");
inline const QString CtsTimeout = QStringLiteral("Timeout CTS");
inline const QString DsrTimeout = QStringLiteral("Timeout DSR");
inline const QString FramingError = QStringLiteral("Errore di frame");
inline const QString ParityError = QStringLiteral("Errore di parità");
inline const QString OverrunError = QStringLiteral("Errore di overrun");
inline const QString ReceiveOverflow = QStringLiteral("Overflow del buffer di ricezione");
inline const QString ErrorPromptTitle = QStringLiteral("Scegliere Annulla per terminare, OK per ignorare.");

// Communication terminal (xForm1).
inline const QString TerminalTitle = QStringLiteral("Terminale di comunicazione TRUV");
inline const QString TransferMenu = QStringLiteral("&Rice-Trasmissione");
inline const QString SendCommand = QStringLiteral("&Trasmetti il programma al C.N. ...");
inline const QString ReceiveCommand = QStringLiteral("&Ricevi il programma dal C.N.");
inline const QString LoadCommand = QStringLiteral("&Carica");
inline const QString SaveCommand = QStringLiteral("&Salva");
inline const QString PortMenu = QStringLiteral("&Parametri di comunicazione");
inline const QString SettingsCommand = QStringLiteral("&Impostazioni...");
inline const QString ExitCommand = QStringLiteral("&Torna window principale.");
inline const QString HelpCommand = QStringLiteral("&?");
inline const QString StatusCaption = QStringLiteral("Stato - ");
inline const QString Saved = QStringLiteral("Salvato...");
inline const QString KeepReceivedData = QStringLiteral("Salvo i dati ricevuti");
inline const QString LoadTitle = QStringLiteral("Carica");
inline const QString SaveTitle = QStringLiteral("Salva");
inline const QString AllFiles = QStringLiteral("Tutti i file (*)");
inline const QString LoadFailed = QStringLiteral("Impossibile leggere il file %1:\n%2");
// Why a program file sent as it is read stopped short.
inline const QString ProgramChanged = QStringLiteral("il file è cambiato durante l'invio");
inline const QString SaveFailed = QStringLiteral("Impossibile salvare il file %1:\n%2");

// Progress dialog (xForm2).
inline const QString ProgressTitle = QStringLiteral("Ricetrasmissione  %1 Com%2");
inline const QString Terminate = QStringLiteral("Termina");
inline const QString Continue = QStringLiteral("Continua");

// Help context of the terminal.
constexpr int TerminalHelp = 106;

} // namespace SerialText
