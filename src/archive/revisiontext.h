#pragma once

#include "uitext.h"

#include <QString>

// The user-visible texts of program revisions (stored versions of replaced texts).
namespace RevisionText {
inline constexpr char Context[] = "RevisionText";
using Text = UiText<Context>;

// Origins: the Italian word (source()) is what the revisions table stores and reads back;
// only the window shows it translated.
inline constexpr Text OriginEditor = QT_TRANSLATE_NOOP("RevisionText", "editor");
inline constexpr Text OriginDnc = QT_TRANSLATE_NOOP("RevisionText", "DNC");
inline constexpr Text OriginDeleted = QT_TRANSLATE_NOOP("RevisionText", "eliminato");
inline constexpr Text OriginRestored = QT_TRANSLATE_NOOP("RevisionText", "ripristino");
inline constexpr Text OriginCommandLine = QT_TRANSLATE_NOOP("RevisionText", "riga di comando");

// %1: revision, %2: program, %3: what is wrong.
inline constexpr Text Damaged =
    QT_TRANSLATE_NOOP("RevisionText", "La revisione %1 del programma %2 è danneggiata (%3): non viene usata.");
inline constexpr Text BadCompressedData = QT_TRANSLATE_NOOP("RevisionText", "dati compressi non leggibili");
inline constexpr Text BadDigest = QT_TRANSLATE_NOOP("RevisionText", "l'impronta SHA-256 non corrisponde");
// A revision kept as a link until it is compressed; %1: the link's path.
inline constexpr Text PendingMissing = QT_TRANSLATE_NOOP("RevisionText", "testo in attesa %1 mancante");
inline constexpr Text PendingWrongSize = QT_TRANSLATE_NOOP("RevisionText", "testo in attesa %1 di dimensione diversa");
inline constexpr Text NoSuchRevision = QT_TRANSLATE_NOOP("RevisionText", "Il programma %1 non ha la revisione %2.");
inline constexpr Text NotArchived = QT_TRANSLATE_NOOP("RevisionText", "Il programma %1 non è in archivio.");
// A change stopped because the text it replaces could not be kept; %1: the reason.
inline constexpr Text NotKept =
    QT_TRANSLATE_NOOP("RevisionText", "Testo attuale non conservato come revisione, nessuna modifica eseguita:\n%1");
inline constexpr Text CurrentNotRead = QT_TRANSLATE_NOOP("RevisionText", "Testo attuale di %1 non leggibile: %2");
inline constexpr Text TextNotWritten = QT_TRANSLATE_NOOP("RevisionText", "Programma non salvato in %1:\n%2");
inline constexpr Text TextNotRemoved = QT_TRANSLATE_NOOP("RevisionText", "Testo %1 non eliminato: %2");
// The database refused the end of a change whose file had already changed: the old text is put back.
inline constexpr Text NotCommitted =
    QT_TRANSLATE_NOOP("RevisionText", "Archivio non aggiornato, testo precedente rimesso in %1:\n%2");
inline constexpr Text NotPutBack =
    QT_TRANSLATE_NOOP("RevisionText",
                      "Archivio non aggiornato e testo precedente non rimesso in %1 (%2); "
                      "copia salvata in %3:\n%4");
// Restoring a deleted program.
inline constexpr Text NumberTaken =
    QT_TRANSLATE_NOOP("RevisionText", "Il numero %1 è ora di un altro programma (%2): ripristino non eseguito.");
inline constexpr Text NoRecordKept = QT_TRANSLATE_NOOP(
    "RevisionText",
    "Il programma %1 non è in archivio e nessuna sua revisione ne conserva i dati: ripristino non eseguito.");

// The revisions window.
inline constexpr Text WindowCaption = QT_TRANSLATE_NOOP("RevisionText", "Revisioni del programma %1");
inline constexpr Text MenuEntry = QT_TRANSLATE_NOOP("RevisionText", "Revisioni...");
inline constexpr Text Current = QT_TRANSLATE_NOOP("RevisionText", "attuale");
inline constexpr Text RevisionColumn = QT_TRANSLATE_NOOP("RevisionText", "Rev.");
inline constexpr Text DateColumn = QT_TRANSLATE_NOOP("RevisionText", "Data");
inline constexpr Text WhoColumn = QT_TRANSLATE_NOOP("RevisionText", "Autore");
inline constexpr Text OriginColumn = QT_TRANSLATE_NOOP("RevisionText", "Origine");
inline constexpr Text SizeColumn = QT_TRANSLATE_NOOP("RevisionText", "Caratteri");
inline constexpr Text AddedColumn = QT_TRANSLATE_NOOP("RevisionText", "Righe +");
inline constexpr Text RemovedColumn = QT_TRANSLATE_NOOP("RevisionText", "Righe -");
inline constexpr Text CompareWith = QT_TRANSLATE_NOOP("RevisionText", "Confronta con:");
inline constexpr Text RestoreButton = QT_TRANSLATE_NOOP("RevisionText", "Ripristina");
inline constexpr Text CloseButton = QT_TRANSLATE_NOOP("RevisionText", "Chiudi");
inline constexpr Text NoRevisions = QT_TRANSLATE_NOOP("RevisionText", "Nessuna revisione del programma %1.");
inline constexpr Text RestoreQuestion = QT_TRANSLATE_NOOP(
    "RevisionText", "Ripristinare la revisione %1 come testo attuale?\nIl testo attuale diventa una revisione.");
inline constexpr Text Restored = QT_TRANSLATE_NOOP("RevisionText", "Revisione %1 ripristinata.");
inline constexpr Text WindowModified = QT_TRANSLATE_NOOP(
    "RevisionText", "Il testo della finestra è stato modificato e non salvato: ripristinare comunque?");
inline constexpr Text Summary = QT_TRANSLATE_NOOP("RevisionText", "%1 righe aggiunte, %2 eliminate");
inline constexpr Text OldLineColumn = QT_TRANSLATE_NOOP("RevisionText", "Riga");

} // namespace RevisionText
