#pragma once

#include "uitext.h"

#include <QString>

// The image manager's user-visible texts.
namespace PicvaultText {
inline constexpr char Context[] = "PicvaultText";
using Text = UiText<Context>;

// Container (Iconcontainer)
inline constexpr Text CaptionVersion = QT_TRANSLATE_NOOP("PicvaultText", "Ver. ");
inline constexpr Text CaptionPictures = QT_TRANSLATE_NOOP("PicvaultText", "          Immagini ciclo: ");
inline constexpr Text LoadMenu = QT_TRANSLATE_NOOP("PicvaultText", "&Carica immagini");
inline constexpr Text ExitMenu = QT_TRANSLATE_NOOP("PicvaultText", "Esci");
inline constexpr Text HelpMenu = QT_TRANSLATE_NOOP("PicvaultText", "          HELP");
inline constexpr Text CreditsTitle = QT_TRANSLATE_NOOP("PicvaultText", "Credits");
inline constexpr Text CreditsText = QT_TRANSLATE_NOOP("PicvaultText", "Versione 1.2 29/12/05");

// Details window (caricaform)
inline constexpr Text DetailsCaption = QT_TRANSLATE_NOOP("PicvaultText", "Gestione immagini");
inline constexpr Text AddCaption = QT_TRANSLATE_NOOP("PicvaultText", "Aggiunte d'immagine");
inline constexpr Text ChangeCaption = QT_TRANSLATE_NOOP("PicvaultText", "Variazioni all'immagine");
// Signs, the same in every language.
inline const QString ChooseButton = QStringLiteral("...");
inline constexpr Text PreviewButton = QT_TRANSLATE_NOOP("PicvaultText", "Anteprima");
inline constexpr Text ShortLabel = QT_TRANSLATE_NOOP("PicvaultText", "Descrizione breve");
inline constexpr Text LongLabel = QT_TRANSLATE_NOOP("PicvaultText", "Descrizione completa.");
inline constexpr Text AddButton = QT_TRANSLATE_NOOP("PicvaultText", "Carica");
inline constexpr Text ChangeButton = QT_TRANSLATE_NOOP("PicvaultText", "Varia");
inline constexpr Text DeleteButton = QT_TRANSLATE_NOOP("PicvaultText", "Cancella");
inline constexpr Text ExitButton = QT_TRANSLATE_NOOP("PicvaultText", "Esci");
inline constexpr Text Notice = QT_TRANSLATE_NOOP(
    "PicvaultText", "Le modifiche alle immagini verranno visualizzate dopo la pressione del tasto ESCI.");
// What the user sees in the chooser; the patterns behind it are the formats the reader knows.
inline constexpr Text ChooserLabel = QT_TRANSLATE_NOOP("PicvaultText", "Immagini");

// Full-page window (frmfulpg)
inline constexpr Text ZoomFrame = QT_TRANSLATE_NOOP("PicvaultText", "Zoom");
// Signs, the same in every language.
inline const QString ZoomIn = QStringLiteral("+");
inline const QString ZoomReset = QStringLiteral("=");
inline const QString ZoomOut = QStringLiteral("-");
inline constexpr Text PrintButton = QT_TRANSLATE_NOOP("PicvaultText", "Stampa");
inline constexpr Text CloseButton = QT_TRANSLATE_NOOP("PicvaultText", "Chiudi");

// Catalogue
inline constexpr Text Added = QT_TRANSLATE_NOOP("PicvaultText", "Aggiunto...");
inline constexpr Text ShortMissing = QT_TRANSLATE_NOOP("PicvaultText", "Manca la descrizione breve");
inline constexpr Text RowMissing = QT_TRANSLATE_NOOP("PicvaultText", "Incongruenza tra database ed immagini");
inline constexpr Text DeleteQuestion = QT_TRANSLATE_NOOP("PicvaultText", "Elimino immagine?");
inline constexpr Text NotAdded = QT_TRANSLATE_NOOP("PicvaultText", "L'immagine non è stata aggiunta:\n%1\n%2");
inline constexpr Text NotDeleted = QT_TRANSLATE_NOOP("PicvaultText", "L'immagine non è stata eliminata:\n%1\n%2");
inline constexpr Text CatalogueError = QT_TRANSLATE_NOOP("PicvaultText", "Errore nel catalogo delle immagini:\n%1");
inline constexpr Text CatalogueFull = QT_TRANSLATE_NOOP("PicvaultText", "Numerazione delle immagini esaurita");
inline constexpr Text PrintFailed = QT_TRANSLATE_NOOP("PicvaultText", "Stampa non riuscita");

} // namespace PicvaultText
