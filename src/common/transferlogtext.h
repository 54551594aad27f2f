#pragma once

#include <QString>

// The words and messages of the transfer log.
namespace TransferLogText {

// Results.
inline const QString InProgress = QStringLiteral("in corso");
inline const QString Succeeded = QStringLiteral("riuscito");
inline const QString Failed = QStringLiteral("fallito");
inline const QString Interrupted = QStringLiteral("interrotto");

// Operations.
inline const QString SerialSend = QStringLiteral("invio seriale");
inline const QString SerialReceive = QStringLiteral("ricezione seriale");
inline const QString EthernetDownload = QStringLiteral("invio Ethernet");
inline const QString EthernetUpload = QStringLiteral("ricezione Ethernet");
inline const QString EthernetDelete = QStringLiteral("cancellazione Ethernet");
inline const QString EthernetRename = QStringLiteral("rinomina Ethernet");
inline const QString DncFiled = QStringLiteral("ricezione DNC");
inline const QString DncRename = QStringLiteral("DNC Rinomina");
inline const QString DncDelete = QStringLiteral("DNC Cancella");

// The message of a transfer the user ended before it was done.
inline const QString StoppedByUser = QStringLiteral("Interrotto dall'utente.");

// A rename's message: the program's new name.
inline const QString RenamedTo = QStringLiteral("Rinominato in %1");
// An operation whose window closed before the CNC answered.
inline const QString ClosedBeforeResult = QStringLiteral("Finestra chiusa prima dell'esito.");

// Told once when a row cannot be written; %1: the database's reason.
inline const QString NotWritten =
    QStringLiteral("Registro trasferimenti non scritto: %1\nI trasferimenti continuano senza registro.");

} // namespace TransferLogText

namespace TransferLogText {

// The columns, in the window, the command line's output and the exported file.
inline const QString StartColumn = QStringLiteral("Inizio");
inline const QString EndColumn = QStringLiteral("Fine");
inline const QString WhoColumn = QStringLiteral("Chi");
inline const QString MachineColumn = QStringLiteral("Macchina");
inline const QString OperationColumn = QStringLiteral("Operazione");
inline const QString ProgramColumn = QStringLiteral("Programma");
inline const QString FileColumn = QStringLiteral("File");
inline const QString CncProgramColumn = QStringLiteral("Programma C.N.");
inline const QString BytesColumn = QStringLiteral("Byte");
inline const QString DigestColumn = QStringLiteral("SHA-256");
inline const QString RevisionColumn = QStringLiteral("Revisione");
inline const QString ResultColumn = QStringLiteral("Esito");
inline const QString MessageColumn = QStringLiteral("Messaggio");

} // namespace TransferLogText

namespace TransferLogText {

// The window "Registro trasferimenti".
inline const QString WindowTitle = QStringLiteral("Registro trasferimenti");
inline const QString MenuCommand = QStringLiteral("&Registro trasferimenti");
inline const QString MachineLabel = QStringLiteral("Macchina:");
inline const QString ProgramLabel = QStringLiteral("Programma:");
inline const QString SinceLabel = QStringLiteral("Dal:");
inline const QString UntilLabel = QStringLiteral("Al:");
inline const QString ResultLabel = QStringLiteral("Esito:");
inline const QString AnyResult = QStringLiteral("(tutti)");
inline const QString ListButton = QStringLiteral("&Cerca");
inline const QString ExportButton = QStringLiteral("&Esporta");
inline const QString CloseButton = QStringLiteral("Chiudi");
inline const QString RowCount = QStringLiteral("%1 trasferimenti");
inline const QString BadProgram = QStringLiteral("Numero di programma non valido: %1");
inline const QString BadDates = QStringLiteral("La data iniziale è successiva alla data finale.");
inline const QString NotRead = QStringLiteral("Impossibile leggere il registro trasferimenti:\n%1");
inline const QString ExportTitle = QStringLiteral("Esporta il registro trasferimenti");
inline const QString CsvFiles = QStringLiteral("File CSV (*.csv);;Tutti i file (*)");
inline const QString ExportFileName = QStringLiteral("registro.csv");
inline const QString Exported = QStringLiteral("Registro esportato in %1");
inline const QString NotExported = QStringLiteral("Impossibile scrivere %1:\n%2");

} // namespace TransferLogText
