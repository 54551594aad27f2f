#pragma once

#include <QString>

// The archive windows' user-visible texts.
namespace ArchiveText {

// Archive browser (Form1)
inline const QString BrowserCaption = QStringLiteral("Ricerca programmi C.N.");
inline const QString CustomerFrame = QStringLiteral("Scelta Cliente");
inline const QString CustomerSearchFrame = QStringLiteral("Ricerca per cliente");
inline const QString SearchTypeFrame = QStringLiteral("Scelta tipo di ricerca");
inline const QString ByDrawingOption = QStringLiteral("Ricerca per n. disegno");
inline const QString ByDescriptionOption = QStringLiteral("Ricerca per descrizione");
inline const QString TextSearchFrame = QStringLiteral("Ricerca disegno/Descrizione");
inline const QString SearchButton = QStringLiteral("Cerca");
inline const QString DataFrame = QStringLiteral(" Dati del programma selezionato :");
inline const QString CustomerLabel = QStringLiteral("Cliente");
inline const QString DrawingLabel = QStringLiteral("Disegni");
inline const QString DescriptionLabel = QStringLiteral("Descriz.");
inline const QString MachineLabel = QStringLiteral("Utensile");
inline const QString ModifiedLabel = QStringLiteral("Data mod.");
inline const QString CreateButton = QStringLiteral("Crea");
inline const QString CloneNewButton = QStringLiteral("Clonare");
inline const QString ChangeButton = QStringLiteral("Varia");
inline const QString DeleteButton = QStringLiteral("Elimina");
inline const QString SaveButton = QStringLiteral("OK");
inline const QString NumberFrame = QStringLiteral("Progressivo");
inline const QString FindOrAddButton = QStringLiteral("Cerca/agg.");
inline const QString FreeNumberButton = QStringLiteral("Libero");
inline const QString CloneAsButton = QStringLiteral("Clona");
inline const QString ConfirmFrame = QStringLiteral("Conferma della scelta.");
inline const QString ConfirmButton = QStringLiteral("Conferma");
inline const QString CancelButton = QStringLiteral("Annulla e ritorna");
inline const QString ReceivedFilesButton = QStringLiteral("Gestione DNC");
inline const QString HelpButton = QStringLiteral("&?");

inline const QString EmptySearchText = QStringLiteral("Per limitare la ricerca inserire almeno un carattere. ");
inline const QString EmptySearchTitle = QStringLiteral("Continuo?");
// A start while another truvnet reorganises the archive.
inline const QString ArchiveInUseAlone =
    QStringLiteral("L'archivio è in riorganizzazione da un altro programma: riprovare più tardi.");

inline const QString NothingSelectedText = QStringLiteral("Non selezionato nessun programma");
inline const QString NothingSelectedTitle = QStringLiteral("Selezione del ciclo");
inline const QString NumberNotFoundStart = QStringLiteral("Progressivo:");
inline const QString NumberNotFoundEnd = QStringLiteral(" non trovato...\nAggiungo?");
inline const QString NumberNotFoundTitle = QStringLiteral("Risultato ricerca");
inline const QString EmptyArchiveText = QStringLiteral("Nessun programma selezionato");
inline const QString EmptyArchiveTitle = QStringLiteral("Non selezionato");
inline const QString NumberExists = QStringLiteral("Progressivo esistente");
inline const QString IncompleteData = QStringLiteral("Completare i dati...");
inline const QString DeleteQuestion = QStringLiteral("Desiderate eliminare il ciclo?");

// Customer choice (Frmcliente)
inline const QString CustomerChoiceCaption = QStringLiteral("Scelta del cliente");
inline const QString ChooseButton = QStringLiteral("Scegli");
inline const QString NoCustomer = QStringLiteral("Cliente non introdotto");

// Archive list printing (Form3)
inline const QString ListPrintCaption = QStringLiteral("Stampa lista dei cicli");
inline const QString ListCustomerLabel = QStringLiteral("Cliente da listare");
inline const QString ListOrderFrame = QStringLiteral("Ordine di stampa");
inline const QString ListByCustomerDrawing = QStringLiteral("Cliente+disegno");
inline const QString ListByCustomerDescription = QStringLiteral("Cliente+descrizione");
inline const QString ListByDrawingCustomer = QStringLiteral("Disegno+cliente");
inline const QString ListPrintButton = QStringLiteral("Stampa");
inline const QString ListCancelButton = QStringLiteral("Annulla");
inline const QString NothingPrinted = QStringLiteral("Non stampato nulla");
inline const QString PrintFailed = QStringLiteral("Stampa non riuscita");

// Files received by DNC (Formaint)
inline const QString ReceivedFilesCaption = QStringLiteral("Gestione file archiviati da DNC");
inline const QString ExamineButton = QStringLiteral("Esamina");
inline const QString RenameButton = QStringLiteral("Rinomina");
inline const QString DeleteFileButton = QStringLiteral("Cancella");
inline const QString CloseButton = QStringLiteral("Termina");
inline const QString DeleteFileQuestion = QStringLiteral("Cancello il ciclo");
inline const QString DeleteFileTitle = QStringLiteral("Cancellazione richiesta");
inline const QString FileNotRead = QStringLiteral("Impossibile leggere %1: %2");
inline const QString FileNotRenamed = QStringLiteral("Impossibile rinominare %1 in %2: %3");
inline const QString FileNotCopied = QStringLiteral("Impossibile copiare %1 in %2: %3");
inline const QString FileNotDeleted = QStringLiteral("Impossibile cancellare %1: %2");
inline const QString OutWithoutNumber =
    QStringLiteral("%1: dopo OUT il nome non ha le sette cifre di un numero d'archivio. Il file non è stato rinominato.");

} // namespace ArchiveText
