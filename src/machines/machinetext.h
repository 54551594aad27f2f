#pragma once

#include <QString>

// The machine windows' user-visible texts.
namespace MachineText {

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

// Machine choice window (xForm3)
inline const QString ChoiceTitle = QStringLiteral("Scelta utensile");
inline const QString ChoiceOk = QStringLiteral("Ok ");
inline const QString ChoiceCancel = QStringLiteral("Annulla");

} // namespace MachineText
