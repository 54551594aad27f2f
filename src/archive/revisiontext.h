#pragma once

#include <QString>

// The user-visible texts of program revisions (stored versions of replaced texts).
namespace RevisionText {

// Origins, as stored and shown.
inline const QString OriginEditor = QStringLiteral("editor");
inline const QString OriginDnc = QStringLiteral("DNC");
inline const QString OriginDeleted = QStringLiteral("eliminato");
inline const QString OriginRestored = QStringLiteral("ripristino");
inline const QString OriginCommandLine = QStringLiteral("riga di comando");

// %1: revision, %2: program, %3: what is wrong.
inline const QString Damaged = QStringLiteral("La revisione %1 del programma %2 è danneggiata (%3): non viene usata.");
inline const QString BadCompressedData = QStringLiteral("dati compressi non leggibili");
inline const QString BadDigest = QStringLiteral("l'impronta SHA-256 non corrisponde");
// A revision kept as a link until it is compressed; %1: the link's path.
inline const QString PendingMissing = QStringLiteral("testo in attesa %1 mancante");
inline const QString PendingWrongSize = QStringLiteral("testo in attesa %1 di dimensione diversa");
inline const QString NoSuchRevision = QStringLiteral("Il programma %1 non ha la revisione %2.");
inline const QString NotArchived = QStringLiteral("Il programma %1 non è in archivio.");
// A change stopped because the text it replaces could not be kept; %1: the reason.
inline const QString NotKept = QStringLiteral("Testo attuale non conservato come revisione, nessuna modifica eseguita:\n%1");
inline const QString CurrentNotRead = QStringLiteral("Testo attuale di %1 non leggibile: %2");
inline const QString TextNotWritten = QStringLiteral("Programma non salvato in %1:\n%2");
inline const QString TextNotRemoved = QStringLiteral("Testo %1 non eliminato: %2");
// The database refused the end of a change whose file had already changed: the old text is put back.
inline const QString NotCommitted = QStringLiteral("Archivio non aggiornato, testo precedente rimesso in %1:\n%2");
inline const QString NotPutBack = QStringLiteral("Archivio non aggiornato e testo precedente non rimesso in %1 (%2); "
                                                 "copia salvata in %3:\n%4");
// Restoring a deleted program.
inline const QString NumberTaken =
    QStringLiteral("Il numero %1 è ora di un altro programma (%2): ripristino non eseguito.");
inline const QString NoRecordKept =
    QStringLiteral("Il programma %1 non è in archivio e nessuna sua revisione ne conserva i dati: ripristino non eseguito.");

// The revisions window.
inline const QString WindowCaption = QStringLiteral("Revisioni del programma %1");
inline const QString MenuEntry = QStringLiteral("Revisioni...");
inline const QString Current = QStringLiteral("attuale");
inline const QString RevisionColumn = QStringLiteral("Rev.");
inline const QString DateColumn = QStringLiteral("Data");
inline const QString WhoColumn = QStringLiteral("Autore");
inline const QString OriginColumn = QStringLiteral("Origine");
inline const QString SizeColumn = QStringLiteral("Caratteri");
inline const QString AddedColumn = QStringLiteral("Righe +");
inline const QString RemovedColumn = QStringLiteral("Righe -");
inline const QString CompareWith = QStringLiteral("Confronta con:");
inline const QString RestoreButton = QStringLiteral("Ripristina");
inline const QString CloseButton = QStringLiteral("Chiudi");
inline const QString NoRevisions = QStringLiteral("Nessuna revisione del programma %1.");
inline const QString RestoreQuestion =
    QStringLiteral("Ripristinare la revisione %1 come testo attuale?\nIl testo attuale diventa una revisione.");
inline const QString Restored = QStringLiteral("Revisione %1 ripristinata.");
inline const QString WindowModified =
    QStringLiteral("Il testo della finestra è stato modificato e non salvato: ripristinare comunque?");
inline const QString Summary = QStringLiteral("%1 righe aggiunte, %2 eliminate");
inline const QString OldLineColumn = QStringLiteral("Riga");

} // namespace RevisionText
