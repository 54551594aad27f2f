#pragma once

#include "uitext.h"

#include <QString>

// The words and messages of the transfer log.
namespace TransferLogText {
inline constexpr char Context[] = "TransferLogText";
using Text = UiText<Context>;

// Results and operations: stored in the log and named in the command line's filters as their
// Italian source (operationWord, resultWord), shown in the windows translated (operationShown,
// resultShown).
inline constexpr Text InProgress = QT_TRANSLATE_NOOP("TransferLogText", "in corso");
inline constexpr Text Succeeded = QT_TRANSLATE_NOOP("TransferLogText", "riuscito");
inline constexpr Text Failed = QT_TRANSLATE_NOOP("TransferLogText", "fallito");
inline constexpr Text Interrupted = QT_TRANSLATE_NOOP("TransferLogText", "interrotto");

inline constexpr Text SerialSend = QT_TRANSLATE_NOOP("TransferLogText", "invio seriale");
inline constexpr Text SerialReceive = QT_TRANSLATE_NOOP("TransferLogText", "ricezione seriale");
inline constexpr Text EthernetDownload = QT_TRANSLATE_NOOP("TransferLogText", "invio Ethernet");
inline constexpr Text EthernetUpload = QT_TRANSLATE_NOOP("TransferLogText", "ricezione Ethernet");
inline constexpr Text EthernetDelete = QT_TRANSLATE_NOOP("TransferLogText", "cancellazione Ethernet");
inline constexpr Text EthernetRename = QT_TRANSLATE_NOOP("TransferLogText", "rinomina Ethernet");
inline constexpr Text DncFiled = QT_TRANSLATE_NOOP("TransferLogText", "ricezione DNC");
inline constexpr Text DncRename = QT_TRANSLATE_NOOP("TransferLogText", "DNC Rinomina");
inline constexpr Text DncDelete = QT_TRANSLATE_NOOP("TransferLogText", "DNC Cancella");

// The message of a transfer the user ended before it was done.
inline constexpr Text StoppedByUser = QT_TRANSLATE_NOOP("TransferLogText", "Interrotto dall'utente.");

// A rename's message: the program's new name.
inline constexpr Text RenamedTo = QT_TRANSLATE_NOOP("TransferLogText", "Rinominato in %1");
// An operation whose window closed before the CNC answered.
inline constexpr Text ClosedBeforeResult = QT_TRANSLATE_NOOP("TransferLogText", "Finestra chiusa prima dell'esito.");

// Told once when a row cannot be written; %1: the database's reason.
inline constexpr Text NotWritten = QT_TRANSLATE_NOOP(
    "TransferLogText", "Registro trasferimenti non scritto: %1\nI trasferimenti continuano senza registro.");

} // namespace TransferLogText

namespace TransferLogText {

// The columns, in the window, the command line's output and the exported file.
inline constexpr Text StartColumn = QT_TRANSLATE_NOOP("TransferLogText", "Inizio");
inline constexpr Text EndColumn = QT_TRANSLATE_NOOP("TransferLogText", "Fine");
inline constexpr Text WhoColumn = QT_TRANSLATE_NOOP("TransferLogText", "Chi");
inline constexpr Text MachineColumn = QT_TRANSLATE_NOOP("TransferLogText", "Macchina");
inline constexpr Text OperationColumn = QT_TRANSLATE_NOOP("TransferLogText", "Operazione");
inline constexpr Text ProgramColumn = QT_TRANSLATE_NOOP("TransferLogText", "Programma");
inline constexpr Text FileColumn = QT_TRANSLATE_NOOP("TransferLogText", "File");
inline constexpr Text CncProgramColumn = QT_TRANSLATE_NOOP("TransferLogText", "Programma C.N.");
inline constexpr Text BytesColumn = QT_TRANSLATE_NOOP("TransferLogText", "Byte");
inline constexpr Text DigestColumn = QT_TRANSLATE_NOOP("TransferLogText", "SHA-256");
inline constexpr Text RevisionColumn = QT_TRANSLATE_NOOP("TransferLogText", "Revisione");
inline constexpr Text ResultColumn = QT_TRANSLATE_NOOP("TransferLogText", "Esito");
inline constexpr Text MessageColumn = QT_TRANSLATE_NOOP("TransferLogText", "Messaggio");

} // namespace TransferLogText

namespace TransferLogText {

// The window "Registro trasferimenti".
inline constexpr Text WindowTitle = QT_TRANSLATE_NOOP("TransferLogText", "Registro trasferimenti");
inline constexpr Text MenuCommand = QT_TRANSLATE_NOOP("TransferLogText", "&Registro trasferimenti");
inline constexpr Text MachineLabel = QT_TRANSLATE_NOOP("TransferLogText", "Macchina:");
inline constexpr Text ProgramLabel = QT_TRANSLATE_NOOP("TransferLogText", "Programma:");
inline constexpr Text SinceLabel = QT_TRANSLATE_NOOP("TransferLogText", "Dal:");
inline constexpr Text UntilLabel = QT_TRANSLATE_NOOP("TransferLogText", "Al:");
inline constexpr Text ResultLabel = QT_TRANSLATE_NOOP("TransferLogText", "Esito:");
inline constexpr Text AnyResult = QT_TRANSLATE_NOOP("TransferLogText", "(tutti)");
inline constexpr Text ListButton = QT_TRANSLATE_NOOP("TransferLogText", "&Cerca");
inline constexpr Text ExportButton = QT_TRANSLATE_NOOP("TransferLogText", "&Esporta");
inline constexpr Text CloseButton = QT_TRANSLATE_NOOP("TransferLogText", "Chiudi");
inline constexpr Text RowCount = QT_TRANSLATE_NOOP("TransferLogText", "%1 trasferimenti");
inline constexpr Text BadProgram = QT_TRANSLATE_NOOP("TransferLogText", "Numero di programma non valido: %1");
inline constexpr Text BadDates =
    QT_TRANSLATE_NOOP("TransferLogText", "La data iniziale è successiva alla data finale.");
inline constexpr Text NotRead =
    QT_TRANSLATE_NOOP("TransferLogText", "Impossibile leggere il registro trasferimenti:\n%1");
inline constexpr Text ExportTitle = QT_TRANSLATE_NOOP("TransferLogText", "Esporta il registro trasferimenti");
inline constexpr Text CsvFiles = QT_TRANSLATE_NOOP("TransferLogText", "File CSV (*.csv);;Tutti i file (*)");
// A file name, not translated.
inline const QString ExportFileName = QStringLiteral("registro.csv");
inline constexpr Text Exported = QT_TRANSLATE_NOOP("TransferLogText", "Registro esportato in %1");
inline constexpr Text NotExported = QT_TRANSLATE_NOOP("TransferLogText", "Impossibile scrivere %1:\n%2");

} // namespace TransferLogText
