#pragma once

#include <QString>

// The messages of the import of an old Access archive.
namespace AccessImportText {

inline const QString Unreadable = QStringLiteral(
    "%1: impossibile leggere il file Access (protetto da password, danneggiato o di una versione non gestita).");
// A file that does not hold what its own pages say: one line, the reason after the colon.
inline const QString Damaged = QStringLiteral("%1: il file Access è danneggiato: %2.");
inline const QString DamageSize = QStringLiteral("%1 byte non sono un numero intero di pagine da %2 byte");
inline const QString DamagePageOutside = QStringLiteral("la pagina %1 è oltre la fine del file (%2 pagine)");
inline const QString DamagePageType = QStringLiteral("la pagina %1 non è %2");
inline const QString PageOfDefinition = QStringLiteral("una definizione di tabella");
inline const QString PageOfData = QStringLiteral("una pagina di dati");
inline const QString PageOfMap = QStringLiteral("una mappa di pagine");
inline const QString DamageDefinition = QStringLiteral("la definizione della tabella %1 è incompleta");
inline const QString DamageColumnType = QStringLiteral("il campo %2 della tabella %1 è di un tipo sconosciuto (%3)");
inline const QString DamageMap = QStringLiteral("la mappa delle pagine della tabella %1 non è leggibile");
inline const QString DamageMappedPage =
    QStringLiteral("la tabella %1 rimanda alla pagina %2, oltre la fine del file (%3 pagine)");
inline const QString DamagePageRows = QStringLiteral("la pagina %1 dichiara %2 righe, più di quante ne possa contenere");
inline const QString DamageRowOutside = QStringLiteral("la riga %1 della pagina %2 esce dalla pagina");
inline const QString DamageRows =
    QStringLiteral("la tabella %1 dichiara %2 righe, le sue pagine ne contengono al più %3");
inline const QString DamageCatalogue = QStringLiteral("l'elenco delle tabelle non si legge");
inline const QString DamageTable = QStringLiteral("la tabella %1 non si legge");
inline const QString DamageValue = QStringLiteral("tabella %1, campo %2: un valore esce dalla sua pagina");
inline const QString DamageLongValue =
    QStringLiteral("tabella %1, campo %2: un valore lungo non si ricompone dalle pagine a cui rimanda");
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
inline const QString NotAFolder = QStringLiteral("%1 non è una cartella: l'importazione non la può copiare.");
inline const QString NotAFile = QStringLiteral("%1 non è un file: l'importazione non lo può copiare.");
inline const QString Interrupted =
    QStringLiteral("Importazione interrotta: la cartella di destinazione è rimasta com'era.");
inline const QString LeftoverKept =
    QStringLiteral("Attenzione: impossibile rimuovere %1, lasciato da un'importazione interrotta.");
inline const QString FolderNotCreated = QStringLiteral("Impossibile creare la cartella %1");
inline const QString FileNotCopied = QStringLiteral("Impossibile copiare %1 in %2: %3");
inline const QString FileNotRenamed = QStringLiteral("Impossibile rinominare %1 in %2: %3");
inline const QString DatabaseError = QStringLiteral("%1: %2");

} // namespace AccessImportText
