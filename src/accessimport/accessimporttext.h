#pragma once

#include <QString>

// The messages of the import of an old Access archive.
namespace AccessImportText {

inline const QString Unreadable = QStringLiteral(
    "%1: impossibile leggere il file Access (protetto da password, danneggiato o di una versione non gestita).");
inline const QString TableUnreadable = QStringLiteral("Tabella %1: impossibile leggerla dal file Access.");
inline const QString ValueTooLong = QStringLiteral("Tabella %1, campo %2: un valore è troppo lungo per essere letto per intero.");
inline const QString ValueUnreadable = QStringLiteral("Tabella %1, campo %2: valore non leggibile \"%3\".");
inline const QString RowsMissing =
    QStringLiteral("Tabella %1: il file Access dichiara %2 righe, ne sono state lette %3: il file è danneggiato.");
inline const QString RowNotWritten = QStringLiteral("Tabella %1, riga %2: non scritta: %3");
inline const QString TableNotCreated = QStringLiteral("Tabella %1: non creata: %2");
inline const QString MissingOurTable =
    QStringLiteral("Attenzione: %1 non contiene la tabella %2; la nuova %1 ha la tabella %2 vuota.");
inline const QString MissingCatalogue =
    QStringLiteral("Attenzione: %1 non c'è; il nuovo catalogo immagini è vuoto.");
inline const QString CatalogueNotAccess =
    QStringLiteral("Attenzione: %1 non è un file Access: copiato così com'è.");
inline const QString CatalogueKept = QStringLiteral("Attenzione: %1 non è un file Access: lasciato com'è.");
inline const QString Summary = QStringLiteral("%1, tabella %2: righe lette %3, scritte %4");
inline const QString NoSourceArchive = QStringLiteral("%1: manca truv.mdb.");
inline const QString SourceNotAccess = QStringLiteral("%1 non è un file Access.");
inline const QString AlreadyExists = QStringLiteral("%1 esiste già: l'importazione non sovrascrive nulla.");
inline const QString FolderNotCreated = QStringLiteral("Impossibile creare la cartella %1");
inline const QString FileNotCopied = QStringLiteral("Impossibile copiare %1 in %2: %3");
inline const QString FileNotRenamed = QStringLiteral("Impossibile rinominare %1 in %2: %3");
inline const QString DatabaseError = QStringLiteral("%1: %2");

} // namespace AccessImportText
