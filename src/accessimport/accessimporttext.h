#pragma once

#include "uitext.h"

#include <QString>

// The messages of the import of an old Access archive.
namespace AccessImportText {
inline constexpr char Context[] = "AccessImportText";
using Text = UiText<Context>;

inline constexpr Text Unreadable = QT_TRANSLATE_NOOP(
    "AccessImportText",
    "%1: impossibile leggere il file Access (protetto da password, danneggiato o di una versione non gestita).");
// A file that does not hold what its own pages say: one line, the reason after the colon.
inline constexpr Text Damaged = QT_TRANSLATE_NOOP("AccessImportText", "%1: il file Access è danneggiato: %2.");
inline constexpr Text DamageSize =
    QT_TRANSLATE_NOOP("AccessImportText", "%1 byte non sono un numero intero di pagine da %2 byte");
inline constexpr Text DamagePageOutside =
    QT_TRANSLATE_NOOP("AccessImportText", "la pagina %1 è oltre la fine del file (%2 pagine)");
inline constexpr Text DamagePageType = QT_TRANSLATE_NOOP("AccessImportText", "la pagina %1 non è %2");
inline constexpr Text PageOfDefinition = QT_TRANSLATE_NOOP("AccessImportText", "una definizione di tabella");
inline constexpr Text PageOfData = QT_TRANSLATE_NOOP("AccessImportText", "una pagina di dati");
inline constexpr Text PageOfMap = QT_TRANSLATE_NOOP("AccessImportText", "una mappa di pagine");
inline constexpr Text DamageDefinition =
    QT_TRANSLATE_NOOP("AccessImportText", "la definizione della tabella %1 è incompleta");
inline constexpr Text DamageColumnType =
    QT_TRANSLATE_NOOP("AccessImportText", "il campo %2 della tabella %1 è di un tipo sconosciuto (%3)");
inline constexpr Text DamageMap =
    QT_TRANSLATE_NOOP("AccessImportText", "la mappa delle pagine della tabella %1 non è leggibile");
inline constexpr Text DamageMappedPage =
    QT_TRANSLATE_NOOP("AccessImportText", "la tabella %1 rimanda alla pagina %2, oltre la fine del file (%3 pagine)");
inline constexpr Text DamagePageRows =
    QT_TRANSLATE_NOOP("AccessImportText", "la pagina %1 dichiara %2 righe, più di quante ne possa contenere");
inline constexpr Text DamageRowOutside =
    QT_TRANSLATE_NOOP("AccessImportText", "la riga %1 della pagina %2 esce dalla pagina");
inline constexpr Text DamageRows =
    QT_TRANSLATE_NOOP("AccessImportText", "la tabella %1 dichiara %2 righe, le sue pagine ne contengono al più %3");
inline constexpr Text DamageCatalogue = QT_TRANSLATE_NOOP("AccessImportText", "l'elenco delle tabelle non si legge");
inline constexpr Text DamageTable = QT_TRANSLATE_NOOP("AccessImportText", "la tabella %1 non si legge");
inline constexpr Text DamageValue =
    QT_TRANSLATE_NOOP("AccessImportText", "tabella %1, campo %2: un valore esce dalla sua pagina");
inline constexpr Text DamageLongValue = QT_TRANSLATE_NOOP(
    "AccessImportText", "tabella %1, campo %2: un valore lungo non si ricompone dalle pagine a cui rimanda");
inline constexpr Text TableUnreadable =
    QT_TRANSLATE_NOOP("AccessImportText", "Tabella %1: impossibile leggerla dal file Access.");
inline constexpr Text ValueTooLong = QT_TRANSLATE_NOOP(
    "AccessImportText", "Tabella %1, campo %2: un valore è troppo lungo per essere letto per intero.");
inline constexpr Text ValueUnreadable =
    QT_TRANSLATE_NOOP("AccessImportText", "Tabella %1, campo %2: valore non leggibile \"%3\".");
inline constexpr Text RowsMissing = QT_TRANSLATE_NOOP(
    "AccessImportText", "Tabella %1: il file Access dichiara %2 righe, ne sono state lette %3: il file è danneggiato.");
inline constexpr Text RowNotWritten = QT_TRANSLATE_NOOP("AccessImportText", "Tabella %1, riga %2: non scritta: %3");
inline constexpr Text TableNotCreated = QT_TRANSLATE_NOOP("AccessImportText", "Tabella %1: non creata: %2");
inline constexpr Text MissingOurTable = QT_TRANSLATE_NOOP(
    "AccessImportText", "Attenzione: %1 non contiene la tabella %2; la nuova %1 ha la tabella %2 vuota.");
inline constexpr Text MissingCatalogue =
    QT_TRANSLATE_NOOP("AccessImportText", "Attenzione: %1 non c'è; il nuovo catalogo immagini è vuoto.");
inline constexpr Text CatalogueNotAccess =
    QT_TRANSLATE_NOOP("AccessImportText", "Attenzione: %1 non è un file Access: copiato così com'è.");
inline constexpr Text CatalogueKept =
    QT_TRANSLATE_NOOP("AccessImportText", "Attenzione: %1 non è un file Access: lasciato com'è.");
inline constexpr Text Summary = QT_TRANSLATE_NOOP("AccessImportText", "%1, tabella %2: righe lette %3, scritte %4");
inline constexpr Text NoSourceArchive = QT_TRANSLATE_NOOP("AccessImportText", "%1: manca truv.mdb.");
inline constexpr Text SourceNotAccess = QT_TRANSLATE_NOOP("AccessImportText", "%1 non è un file Access.");
inline constexpr Text AlreadyExists =
    QT_TRANSLATE_NOOP("AccessImportText", "%1 esiste già: l'importazione non sovrascrive nulla.");
inline constexpr Text NotAFolder =
    QT_TRANSLATE_NOOP("AccessImportText", "%1 non è una cartella: l'importazione non la può copiare.");
inline constexpr Text NotAFile =
    QT_TRANSLATE_NOOP("AccessImportText", "%1 non è un file: l'importazione non lo può copiare.");
inline constexpr Text Interrupted =
    QT_TRANSLATE_NOOP("AccessImportText", "Importazione interrotta: la cartella di destinazione è rimasta com'era.");
inline constexpr Text LeftoverKept = QT_TRANSLATE_NOOP(
    "AccessImportText", "Attenzione: impossibile rimuovere %1, lasciato da un'importazione interrotta.");
inline constexpr Text FolderNotCreated = QT_TRANSLATE_NOOP("AccessImportText", "Impossibile creare la cartella %1");
inline constexpr Text FileNotCopied = QT_TRANSLATE_NOOP("AccessImportText", "Impossibile copiare %1 in %2: %3");
inline constexpr Text FileNotRenamed = QT_TRANSLATE_NOOP("AccessImportText", "Impossibile rinominare %1 in %2: %3");
inline const QString DatabaseError = QStringLiteral("%1: %2");

} // namespace AccessImportText
