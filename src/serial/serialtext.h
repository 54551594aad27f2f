#pragma once

#include "uitext.h"

#include <QString>

// The serial link's user-visible texts.
namespace SerialText {
inline constexpr char Context[] = "SerialText";
using Text = UiText<Context>;

// ClosePortForExit: the transmit queue did not drain.
inline constexpr Text DataCannotBeSent = QT_TRANSLATE_NOOP("SerialText", "Data cannot be sent");
// Added to a permission error when the port opens.
inline constexpr Text DeviceAccessHint = QT_TRANSLATE_NOOP("SerialText",
                                                           "L'utente deve essere autorizzato a usare il dispositivo "
                                                           "(ad esempio come membro del gruppo dialout).");
inline constexpr Text BadPortNumber = QT_TRANSLATE_NOOP("SerialText", "Numero di porta non valido: %1");
inline constexpr Text BadSettings = QT_TRANSLATE_NOOP("SerialText", "Impostazioni della linea non valide: %1");
inline constexpr Text PortNotOpen = QT_TRANSLATE_NOOP("SerialText", "La porta non è aperta");
// The device went away during a transfer; %1 is the system's reason.
inline constexpr Text DeviceGone = QT_TRANSLATE_NOOP("SerialText", "Dispositivo scollegato: %1");
inline constexpr Text HungUp = QT_TRANSLATE_NOOP("SerialText", "linea chiusa dall'altro capo");

} // namespace SerialText

// Send and reception.
namespace SerialText {

inline constexpr Text ProgramNotSent = QT_TRANSLATE_NOOP("SerialText", "Programma non inviato.");
inline constexpr Text WaitingForConsent = QT_TRANSLATE_NOOP("SerialText", "In attesa di consenso dal CN.");
inline constexpr Text SendingProgram = QT_TRANSLATE_NOOP("SerialText", "Trasmissione del ciclo in corso");
inline constexpr Text Receiving = QT_TRANSLATE_NOOP("SerialText", "Ricezione in corso - ");
// A reception that the line ended; %1: the characters that arrived.
inline constexpr Text ReceptionBroken = QT_TRANSLATE_NOOP("SerialText", "Ricezione interrotta: %1 caratteri ricevuti.");

// Port events: status line and error prompts.
inline constexpr Text CtsChanged = QT_TRANSLATE_NOOP("SerialText", "Rilevata modifica in CTS");
inline constexpr Text DsrChanged = QT_TRANSLATE_NOOP("SerialText", "Rilevata modifica in DSR");
inline constexpr Text CdChanged = QT_TRANSLATE_NOOP("SerialText", "Rilevata modifica CD");
inline constexpr Text Ringing = QT_TRANSLATE_NOOP("SerialText", "Il telefono sta suonando");
inline constexpr Text EndOfFile = QT_TRANSLATE_NOOP("SerialText", "Rilevata fine del file");
inline constexpr Text BreakReceived = QT_TRANSLATE_NOOP("SerialText", "Ricevuto segnale di interruzione");
inline constexpr Text CtsTimeout = QT_TRANSLATE_NOOP("SerialText", "Timeout CTS");
inline constexpr Text DsrTimeout = QT_TRANSLATE_NOOP("SerialText", "Timeout DSR");
inline constexpr Text FramingError = QT_TRANSLATE_NOOP("SerialText", "Errore di frame");
inline constexpr Text ParityError = QT_TRANSLATE_NOOP("SerialText", "Errore di parità");
inline constexpr Text OverrunError = QT_TRANSLATE_NOOP("SerialText", "Errore di overrun");
inline constexpr Text ReceiveOverflow = QT_TRANSLATE_NOOP("SerialText", "Overflow del buffer di ricezione");
inline constexpr Text ErrorPromptTitle =
    QT_TRANSLATE_NOOP("SerialText", "Scegliere Annulla per terminare, OK per ignorare.");

// Communication terminal (xForm1).
inline constexpr Text TerminalTitle = QT_TRANSLATE_NOOP("SerialText", "Terminale di comunicazione TRUV");
inline constexpr Text TransferMenu = QT_TRANSLATE_NOOP("SerialText", "&Rice-Trasmissione");
inline constexpr Text SendCommand = QT_TRANSLATE_NOOP("SerialText", "&Trasmetti il programma al C.N. ...");
inline constexpr Text ReceiveCommand = QT_TRANSLATE_NOOP("SerialText", "&Ricevi il programma dal C.N.");
inline constexpr Text LoadCommand = QT_TRANSLATE_NOOP("SerialText", "&Carica");
inline constexpr Text SaveCommand = QT_TRANSLATE_NOOP("SerialText", "&Salva");
inline constexpr Text PortMenu = QT_TRANSLATE_NOOP("SerialText", "&Parametri di comunicazione");
inline constexpr Text SettingsCommand = QT_TRANSLATE_NOOP("SerialText", "&Impostazioni...");
inline constexpr Text ExitCommand = QT_TRANSLATE_NOOP("SerialText", "&Torna window principale.");
// A sign, the same in every language.
inline const QString HelpCommand = QStringLiteral("&?");
inline constexpr Text StatusCaption = QT_TRANSLATE_NOOP("SerialText", "Stato - ");
inline constexpr Text Saved = QT_TRANSLATE_NOOP("SerialText", "Salvato...");
inline constexpr Text KeepReceivedData = QT_TRANSLATE_NOOP("SerialText", "Salvo i dati ricevuti");
inline constexpr Text LoadTitle = QT_TRANSLATE_NOOP("SerialText", "Carica");
inline constexpr Text SaveTitle = QT_TRANSLATE_NOOP("SerialText", "Salva");
inline constexpr Text AllFiles = QT_TRANSLATE_NOOP("SerialText", "Tutti i file (*)");
inline constexpr Text LoadFailed = QT_TRANSLATE_NOOP("SerialText", "Impossibile leggere il file %1:\n%2");
// Why a program file sent as it is read stopped short.
inline constexpr Text ProgramChanged = QT_TRANSLATE_NOOP("SerialText", "il file è cambiato durante l'invio");
inline constexpr Text SaveFailed = QT_TRANSLATE_NOOP("SerialText", "Impossibile salvare il file %1:\n%2");

// Progress dialog (xForm2).
inline constexpr Text ProgressTitle = QT_TRANSLATE_NOOP("SerialText", "Ricetrasmissione  %1 Com%2");
inline constexpr Text Terminate = QT_TRANSLATE_NOOP("SerialText", "Termina");
inline constexpr Text Continue = QT_TRANSLATE_NOOP("SerialText", "Continua");

// Help context of the terminal.
constexpr int TerminalHelp = 106;

} // namespace SerialText
