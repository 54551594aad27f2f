#pragma once

#include <QString>

// The machine windows' user-visible texts.
namespace MachineText {

// Line test window (testendpoint)
inline const QString LineTestTitle = QStringLiteral("Test delle linee Seriali ed Ethernet");
inline const QString LineTestRunning = QStringLiteral("Test in corso");
inline const QString LineTestDone = QStringLiteral("Test terminato");
inline const QString LineTestContinue = QStringLiteral("Continua");

// Communication settings window (ConfigScrn)
inline const QString SettingsTitle = QStringLiteral("Impostazioni di comunicazione");
inline const QString AvailableMachines = QStringLiteral("C.N. Disponibili");
inline const QString BaudGroup = QStringLiteral("&Bit per secondo");
inline const QString DataBitsGroup = QStringLiteral("Bi&t di dati");
inline const QString StopBitsGroup = QStringLiteral("B&it di stop");
inline const QString ParityGroup = QStringLiteral("&Parità");
inline const QString PortGroup = QStringLiteral("P&orta Com");
inline const QString FlowGroup = QStringLiteral("&Controllo di flusso");
inline const QString LineEndGroup = QStringLiteral("&Gestione CR  LF");
inline const QString NoParity = QStringLiteral("Nessuna");
inline const QString OddParity = QStringLiteral("Dispari");
inline const QString EvenParity = QStringLiteral("Pari");
inline const QString NoFlow = QStringLiteral("Nessuno");
inline const QString XonFlow = QStringLiteral("Xon/Xoff");
inline const QString RtsFlow = QStringLiteral("RTS");
inline const QString BothFlow = QStringLiteral("Xon/RTS");
inline const QString LineEndCrLf = QStringLiteral("Cr + Lf");
inline const QString LineEndLf = QStringLiteral("Lf");
inline const QString LineEndCr = QStringLiteral("Cr ");
inline const QString Preamble = QStringLiteral("Preambolo");
inline const QString Postamble = QStringLiteral("Postambolo");
inline const QString EthernetGroup = QStringLiteral("Gestione tramite Ethernet");
inline const QString Ethernet = QStringLiteral("Ethernet");
inline const QString AddressPortSeparator = QStringLiteral(":");
inline const QString ApplyButton = QStringLiteral("Varia ");
inline const QString NewButton = QStringLiteral("Nuovo");
inline const QString RenameButton = QStringLiteral("Rinomina");
inline const QString ExitButton = QStringLiteral("Esci");
inline const QString AbandonButton = QStringLiteral("Abbandona");
inline const QString HelpButton = QStringLiteral("?");

inline const QString NewPrompt = QStringLiteral("Nome nuovo CNC?");
inline const QString NewTitle = QStringLiteral("Aggiunta di Macchine a C.N.");
inline const QString NameInUse = QStringLiteral("Nome già usato");
inline const QString SelectMachine = QStringLiteral("Selezionare un utensile");
inline const QString RenamePrompt = QStringLiteral("Nome Macchina Utensile");
inline const QString RenameTitle = QStringLiteral("Variazione nome");
inline const QString InvalidName = QStringLiteral("Nome non valido");
inline const QString SaveQuestion = QStringLiteral("Volete salvare le variazioni");
inline const QString AbandonQuestion = QStringLiteral("Volete abbandonare le variazioni");
inline const QString EndTitle = QStringLiteral("Termine modifiche");
inline const QString TableFull = QStringLiteral("L'elenco contiene già 100 macchine: non se ne possono aggiungere altre.");
inline constexpr int SettingsHelpContext = 107;

// Reading cncsett.dat: the report, then one line per line of the file that could not be read.
inline const QString FileMissing = QStringLiteral("Il file %1 non esiste: nessuna macchina configurata.");
inline const QString FileLinesUnread =
    QStringLiteral("Righe del file %1 che non si possono leggere (restano nel file così come sono):");
inline const QString FileLine = QStringLiteral("riga %1: %2");
inline const QString FileMoreLines = QStringLiteral("... e altre %1 righe.");
inline const QString LineBadCurrentMachine = QStringLiteral("numero della macchina scelta non valido: nessuna macchina letta");
inline const QString LineControlCharacter = QStringLiteral("carattere di controllo (codice %1)");
inline const QString LineOpenQuote = QStringLiteral("virgolette non chiuse");
inline const QString LineTextAfterQuote = QStringLiteral("testo dopo le virgolette di chiusura");
inline const QString LineQuoteInField = QStringLiteral("virgolette all'interno di un campo");
inline const QString LineTooManyFields = QStringLiteral("più di sette campi");
inline const QString LineNoName = QStringLiteral("manca il nome della macchina");
inline const QString LineBadComPort = QStringLiteral("numero non valido per la porta Com");
inline const QString LineBadHandshaking = QStringLiteral("numero non valido per il controllo di flusso");
inline const QString LineBadLineEnd = QStringLiteral("numero non valido per la gestione CR LF");
inline const QString LineBeyondCapacity = QStringLiteral("oltre la centesima macchina");

// A serial machine whose settings no port can take.
inline const QString BadComPort = QStringLiteral("La macchina %1 ha la porta Com %2: sono ammesse le porte da 1 a 16.");
inline const QString BadHandshaking =
    QStringLiteral("La macchina %1 ha il controllo di flusso %2: sono ammessi i valori da 0 a 3.");
inline const QString BadLineEnd =
    QStringLiteral("La macchina %1 ha la gestione CR LF %2: sono ammessi i valori da 0 a 2.");

// Machine choice window (xForm3)
inline const QString ChoiceTitle = QStringLiteral("Scelta utensile");
inline const QString ChoiceOk = QStringLiteral("Ok ");
inline const QString ChoiceCancel = QStringLiteral("Annulla");

} // namespace MachineText
