#pragma once

#include "uitext.h"

#include <QString>

// The archive windows' user-visible texts.
namespace ArchiveText {
inline constexpr char Context[] = "ArchiveText";
using Text = UiText<Context>;

// Archive browser (Form1)
inline constexpr Text BrowserCaption = QT_TRANSLATE_NOOP("ArchiveText", "Ricerca programmi C.N.");
inline constexpr Text CustomerFrame = QT_TRANSLATE_NOOP("ArchiveText", "Scelta Cliente");
inline constexpr Text CustomerSearchFrame = QT_TRANSLATE_NOOP("ArchiveText", "Ricerca per cliente");
inline constexpr Text SearchTypeFrame = QT_TRANSLATE_NOOP("ArchiveText", "Scelta tipo di ricerca");
inline constexpr Text ByDrawingOption = QT_TRANSLATE_NOOP("ArchiveText", "Ricerca per n. disegno");
inline constexpr Text ByDescriptionOption = QT_TRANSLATE_NOOP("ArchiveText", "Ricerca per descrizione");
inline constexpr Text TextSearchFrame = QT_TRANSLATE_NOOP("ArchiveText", "Ricerca disegno/Descrizione");
inline constexpr Text SearchButton = QT_TRANSLATE_NOOP("ArchiveText", "Cerca");
inline constexpr Text DataFrame = QT_TRANSLATE_NOOP("ArchiveText", " Dati del programma selezionato :");
inline constexpr Text CustomerLabel = QT_TRANSLATE_NOOP("ArchiveText", "Cliente");
inline constexpr Text DrawingLabel = QT_TRANSLATE_NOOP("ArchiveText", "Disegni");
inline constexpr Text DescriptionLabel = QT_TRANSLATE_NOOP("ArchiveText", "Descriz.");
inline constexpr Text MachineLabel = QT_TRANSLATE_NOOP("ArchiveText", "Utensile");
inline constexpr Text ModifiedLabel = QT_TRANSLATE_NOOP("ArchiveText", "Data mod.");
inline constexpr Text CreateButton = QT_TRANSLATE_NOOP("ArchiveText", "Crea");
inline constexpr Text CloneNewButton = QT_TRANSLATE_NOOP("ArchiveText", "Clonare");
inline constexpr Text ChangeButton = QT_TRANSLATE_NOOP("ArchiveText", "Varia");
inline constexpr Text DeleteButton = QT_TRANSLATE_NOOP("ArchiveText", "Elimina");
inline constexpr Text SaveButton = QT_TRANSLATE_NOOP("ArchiveText", "OK");
inline constexpr Text NumberFrame = QT_TRANSLATE_NOOP("ArchiveText", "Progressivo");
inline constexpr Text FindOrAddButton = QT_TRANSLATE_NOOP("ArchiveText", "Cerca/agg.");
inline constexpr Text FreeNumberButton = QT_TRANSLATE_NOOP("ArchiveText", "Libero");
inline constexpr Text CloneAsButton = QT_TRANSLATE_NOOP("ArchiveText", "Clona");
inline constexpr Text ConfirmFrame = QT_TRANSLATE_NOOP("ArchiveText", "Conferma della scelta.");
inline constexpr Text ConfirmButton = QT_TRANSLATE_NOOP("ArchiveText", "Conferma");
inline constexpr Text CancelButton = QT_TRANSLATE_NOOP("ArchiveText", "Annulla e ritorna");
inline constexpr Text ReceivedFilesButton = QT_TRANSLATE_NOOP("ArchiveText", "Gestione DNC");
inline constexpr Text HelpButton = QT_TRANSLATE_NOOP("ArchiveText", "&?");

inline constexpr Text EmptySearchText =
    QT_TRANSLATE_NOOP("ArchiveText", "Per limitare la ricerca inserire almeno un carattere. ");
inline constexpr Text EmptySearchTitle = QT_TRANSLATE_NOOP("ArchiveText", "Continuo?");
// A start while another truvnet reorganises the archive.
inline constexpr Text ArchiveInUseAlone =
    QT_TRANSLATE_NOOP("ArchiveText", "L'archivio è in riorganizzazione da un altro programma: riprovare più tardi.");

inline constexpr Text NothingSelectedText = QT_TRANSLATE_NOOP("ArchiveText", "Non selezionato nessun programma");
inline constexpr Text NothingSelectedTitle = QT_TRANSLATE_NOOP("ArchiveText", "Selezione del ciclo");
// %1: the number as typed.
inline constexpr Text NumberNotFound = QT_TRANSLATE_NOOP("ArchiveText", "Progressivo:%1 non trovato...\nAggiungo?");
inline constexpr Text NumberNotFoundTitle = QT_TRANSLATE_NOOP("ArchiveText", "Risultato ricerca");
inline constexpr Text EmptyArchiveText = QT_TRANSLATE_NOOP("ArchiveText", "Nessun programma selezionato");
inline constexpr Text EmptyArchiveTitle = QT_TRANSLATE_NOOP("ArchiveText", "Non selezionato");
inline constexpr Text NumberExists = QT_TRANSLATE_NOOP("ArchiveText", "Progressivo esistente");
inline constexpr Text IncompleteData = QT_TRANSLATE_NOOP("ArchiveText", "Completare i dati...");
inline constexpr Text DeleteQuestion = QT_TRANSLATE_NOOP("ArchiveText", "Desiderate eliminare il ciclo?");

// Customer choice (Frmcliente)
inline constexpr Text CustomerChoiceCaption = QT_TRANSLATE_NOOP("ArchiveText", "Scelta del cliente");
inline constexpr Text ChooseButton = QT_TRANSLATE_NOOP("ArchiveText", "Scegli");
inline constexpr Text NoCustomer = QT_TRANSLATE_NOOP("ArchiveText", "Cliente non introdotto");

// Archive list printing (Form3)
inline constexpr Text ListPrintCaption = QT_TRANSLATE_NOOP("ArchiveText", "Stampa lista dei cicli");
inline constexpr Text ListCustomerLabel = QT_TRANSLATE_NOOP("ArchiveText", "Cliente da listare");
inline constexpr Text ListOrderFrame = QT_TRANSLATE_NOOP("ArchiveText", "Ordine di stampa");
inline constexpr Text ListByCustomerDrawing = QT_TRANSLATE_NOOP("ArchiveText", "Cliente+disegno");
inline constexpr Text ListByCustomerDescription = QT_TRANSLATE_NOOP("ArchiveText", "Cliente+descrizione");
inline constexpr Text ListByDrawingCustomer = QT_TRANSLATE_NOOP("ArchiveText", "Disegno+cliente");
inline constexpr Text ListPrintButton = QT_TRANSLATE_NOOP("ArchiveText", "Stampa");
inline constexpr Text ListCancelButton = QT_TRANSLATE_NOOP("ArchiveText", "Annulla");
inline constexpr Text NothingPrinted = QT_TRANSLATE_NOOP("ArchiveText", "Non stampato nulla");
inline constexpr Text PrintFailed = QT_TRANSLATE_NOOP("ArchiveText", "Stampa non riuscita");
// The printed list's first line; the date follows at column 23.
inline constexpr Text ListTitle = QT_TRANSLATE_NOOP("ArchiveText", "Lista cicli           ");

// Files received by DNC (Formaint)
inline constexpr Text ReceivedFilesCaption = QT_TRANSLATE_NOOP("ArchiveText", "Gestione file archiviati da DNC");
inline constexpr Text ExamineButton = QT_TRANSLATE_NOOP("ArchiveText", "Esamina");
inline constexpr Text RenameButton = QT_TRANSLATE_NOOP("ArchiveText", "Rinomina");
inline constexpr Text DeleteFileButton = QT_TRANSLATE_NOOP("ArchiveText", "Cancella");
inline constexpr Text CloseButton = QT_TRANSLATE_NOOP("ArchiveText", "Termina");
inline constexpr Text DeleteFileQuestion = QT_TRANSLATE_NOOP("ArchiveText", "Cancello il ciclo");
inline constexpr Text DeleteFileTitle = QT_TRANSLATE_NOOP("ArchiveText", "Cancellazione richiesta");
inline constexpr Text FileNotRead = QT_TRANSLATE_NOOP("ArchiveText", "Impossibile leggere %1: %2");
inline constexpr Text FileNotRenamed = QT_TRANSLATE_NOOP("ArchiveText", "Impossibile rinominare %1 in %2: %3");
inline constexpr Text FileNotCopied = QT_TRANSLATE_NOOP("ArchiveText", "Impossibile copiare %1 in %2: %3");
inline constexpr Text FileNotDeleted = QT_TRANSLATE_NOOP("ArchiveText", "Impossibile cancellare %1: %2");
inline constexpr Text OutWithoutNumber = QT_TRANSLATE_NOOP(
    "ArchiveText",
    "%1: dopo OUT il nome non ha le sette cifre di un numero d'archivio. Il file non è stato rinominato.");

// Creating, opening and changing the archive.
inline constexpr Text AlreadyExists = QT_TRANSLATE_NOOP("ArchiveText", "%1 esiste già");
inline constexpr Text NoUniqueIndex = QT_TRANSLATE_NOOP("ArchiveText", "'indice' non è un indice della tabella 'cicli'.");
inline constexpr Text MachineFieldNotAdded =
    QT_TRANSLATE_NOOP("ArchiveText", "Impossibile aggiungere il campo MACCHINA all'archivio: %1");
inline constexpr Text ProgramNotFound = QT_TRANSLATE_NOOP("ArchiveText", "Programma %1 non trovato");
inline constexpr Text FolderNotCreated = QT_TRANSLATE_NOOP("ArchiveText", "Impossibile creare la cartella %1");

// Reorganisation; the program ends after each.
inline constexpr Text ReorganisationDone = QT_TRANSLATE_NOOP("ArchiveText", "Termine riorganizzazione-il programma termina");
inline constexpr Text ServerMaintained =
    QT_TRANSLATE_NOOP("ArchiveText", "Archivio sul server: manutenzione del server eseguita (VACUUM ANALYZE), "
                                     "nessuna riorganizzazione necessaria-il programma termina");
// %1: the stage that failed (2 compacting, 3 replacing); the database's words follow on the next line.
inline constexpr Text ContactSupport = QT_TRANSLATE_NOOP("ArchiveText", "Contattare assistenza: #%1");

} // namespace ArchiveText
