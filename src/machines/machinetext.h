#pragma once

#include "uitext.h"

#include <QString>

// The machine windows' user-visible texts.
namespace MachineText {
inline constexpr char Context[] = "MachineText";
using Text = UiText<Context>;

// Line test window (testendpoint)
inline constexpr Text LineTestTitle = QT_TRANSLATE_NOOP("MachineText", "Test delle linee Seriali ed Ethernet");
inline constexpr Text LineTestRunning = QT_TRANSLATE_NOOP("MachineText", "Test in corso");
inline constexpr Text LineTestDone = QT_TRANSLATE_NOOP("MachineText", "Test terminato");
inline constexpr Text LineTestContinue = QT_TRANSLATE_NOOP("MachineText", "Continua");
// A report line's status: the line or address answered, or not.
inline constexpr Text LineAnswered = QT_TRANSLATE_NOOP("MachineText", "OK");
inline constexpr Text LineSilent = QT_TRANSLATE_NOOP("MachineText", "KO!");

// Communication settings window (ConfigScrn)
inline constexpr Text SettingsTitle = QT_TRANSLATE_NOOP("MachineText", "Impostazioni di comunicazione");
inline constexpr Text AvailableMachines = QT_TRANSLATE_NOOP("MachineText", "C.N. Disponibili");
inline constexpr Text BaudGroup = QT_TRANSLATE_NOOP("MachineText", "&Bit per secondo");
inline constexpr Text DataBitsGroup = QT_TRANSLATE_NOOP("MachineText", "Bi&t di dati");
inline constexpr Text StopBitsGroup = QT_TRANSLATE_NOOP("MachineText", "B&it di stop");
inline constexpr Text ParityGroup = QT_TRANSLATE_NOOP("MachineText", "&Parità");
inline constexpr Text PortGroup = QT_TRANSLATE_NOOP("MachineText", "P&orta Com");
inline constexpr Text FlowGroup = QT_TRANSLATE_NOOP("MachineText", "&Controllo di flusso");
inline constexpr Text LineEndGroup = QT_TRANSLATE_NOOP("MachineText", "&Gestione CR  LF");
inline constexpr Text NoParity = QT_TRANSLATE_NOOP("MachineText", "Nessuna");
inline constexpr Text OddParity = QT_TRANSLATE_NOOP("MachineText", "Dispari");
inline constexpr Text EvenParity = QT_TRANSLATE_NOOP("MachineText", "Pari");
inline constexpr Text NoFlow = QT_TRANSLATE_NOOP("MachineText", "Nessuno");
inline constexpr Text XonFlow = QT_TRANSLATE_NOOP("MachineText", "Xon/Xoff");
inline constexpr Text RtsFlow = QT_TRANSLATE_NOOP("MachineText", "RTS");
inline constexpr Text BothFlow = QT_TRANSLATE_NOOP("MachineText", "Xon/RTS");
inline constexpr Text LineEndCrLf = QT_TRANSLATE_NOOP("MachineText", "Cr + Lf");
inline constexpr Text LineEndLf = QT_TRANSLATE_NOOP("MachineText", "Lf");
inline constexpr Text LineEndCr = QT_TRANSLATE_NOOP("MachineText", "Cr ");
inline constexpr Text Preamble = QT_TRANSLATE_NOOP("MachineText", "Preambolo");
inline constexpr Text Postamble = QT_TRANSLATE_NOOP("MachineText", "Postambolo");
inline constexpr Text EthernetGroup = QT_TRANSLATE_NOOP("MachineText", "Gestione tramite Ethernet");
inline constexpr Text Ethernet = QT_TRANSLATE_NOOP("MachineText", "Ethernet");
// A sign, the same in every language.
inline const QString AddressPortSeparator = QStringLiteral(":");
inline constexpr Text ApplyButton = QT_TRANSLATE_NOOP("MachineText", "Varia ");
inline constexpr Text NewButton = QT_TRANSLATE_NOOP("MachineText", "Nuovo");
inline constexpr Text RenameButton = QT_TRANSLATE_NOOP("MachineText", "Rinomina");
inline constexpr Text ExitButton = QT_TRANSLATE_NOOP("MachineText", "Esci");
inline constexpr Text AbandonButton = QT_TRANSLATE_NOOP("MachineText", "Abbandona");
// A sign, the same in every language.
inline const QString HelpButton = QStringLiteral("?");

inline constexpr Text NewPrompt = QT_TRANSLATE_NOOP("MachineText", "Nome nuovo CNC?");
inline constexpr Text NewTitle = QT_TRANSLATE_NOOP("MachineText", "Aggiunta di Macchine a C.N.");
inline constexpr Text NameInUse = QT_TRANSLATE_NOOP("MachineText", "Nome già usato");
inline constexpr Text SelectMachine = QT_TRANSLATE_NOOP("MachineText", "Selezionare un utensile");
inline constexpr Text RenamePrompt = QT_TRANSLATE_NOOP("MachineText", "Nome Macchina Utensile");
inline constexpr Text RenameTitle = QT_TRANSLATE_NOOP("MachineText", "Variazione nome");
inline constexpr Text InvalidName = QT_TRANSLATE_NOOP("MachineText", "Nome non valido");
inline constexpr Text SaveQuestion = QT_TRANSLATE_NOOP("MachineText", "Volete salvare le variazioni");
inline constexpr Text AbandonQuestion = QT_TRANSLATE_NOOP("MachineText", "Volete abbandonare le variazioni");
inline constexpr Text EndTitle = QT_TRANSLATE_NOOP("MachineText", "Termine modifiche");
inline constexpr Text TableFull =
    QT_TRANSLATE_NOOP("MachineText", "L'elenco contiene già 100 macchine: non se ne possono aggiungere altre.");
inline constexpr int SettingsHelpContext = 107;

// Reading cncsett.dat: the report, then one line per line of the file that could not be read.
inline constexpr Text FileMissing =
    QT_TRANSLATE_NOOP("MachineText", "Il file %1 non esiste: nessuna macchina configurata.");
inline constexpr Text FileLinesUnread =
    QT_TRANSLATE_NOOP("MachineText", "Righe del file %1 che non si possono leggere (restano nel file così come sono):");
inline constexpr Text FileLine = QT_TRANSLATE_NOOP("MachineText", "riga %1: %2");
inline constexpr Text FileMoreLines = QT_TRANSLATE_NOOP("MachineText", "... e altre %1 righe.");
inline constexpr Text LineBadCurrentMachine =
    QT_TRANSLATE_NOOP("MachineText", "numero della macchina scelta non valido: nessuna macchina letta");
inline constexpr Text LineControlCharacter = QT_TRANSLATE_NOOP("MachineText", "carattere di controllo (codice %1)");
inline constexpr Text LineOpenQuote = QT_TRANSLATE_NOOP("MachineText", "virgolette non chiuse");
inline constexpr Text LineTextAfterQuote = QT_TRANSLATE_NOOP("MachineText", "testo dopo le virgolette di chiusura");
inline constexpr Text LineQuoteInField = QT_TRANSLATE_NOOP("MachineText", "virgolette all'interno di un campo");
inline constexpr Text LineTooManyFields = QT_TRANSLATE_NOOP("MachineText", "più di sette campi");
inline constexpr Text LineNoName = QT_TRANSLATE_NOOP("MachineText", "manca il nome della macchina");
inline constexpr Text LineBadComPort = QT_TRANSLATE_NOOP("MachineText", "numero non valido per la porta Com");
inline constexpr Text LineBadHandshaking =
    QT_TRANSLATE_NOOP("MachineText", "numero non valido per il controllo di flusso");
inline constexpr Text LineBadLineEnd = QT_TRANSLATE_NOOP("MachineText", "numero non valido per la gestione CR LF");
inline constexpr Text LineBeyondCapacity = QT_TRANSLATE_NOOP("MachineText", "oltre la centesima macchina");

// A serial machine whose settings no port can take.
inline constexpr Text BadComPort =
    QT_TRANSLATE_NOOP("MachineText", "La macchina %1 ha la porta Com %2: sono ammesse le porte da 1 a 16.");
inline constexpr Text BadHandshaking =
    QT_TRANSLATE_NOOP("MachineText", "La macchina %1 ha il controllo di flusso %2: sono ammessi i valori da 0 a 3.");
inline constexpr Text BadLineEnd =
    QT_TRANSLATE_NOOP("MachineText", "La macchina %1 ha la gestione CR LF %2: sono ammessi i valori da 0 a 2.");

// Machine choice window (xForm3)
inline constexpr Text ChoiceTitle = QT_TRANSLATE_NOOP("MachineText", "Scelta utensile");
inline constexpr Text ChoiceOk = QT_TRANSLATE_NOOP("MachineText", "Ok ");
inline constexpr Text ChoiceCancel = QT_TRANSLATE_NOOP("MachineText", "Annulla");

} // namespace MachineText
