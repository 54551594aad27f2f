#pragma once

#include <QString>

// The image manager's user-visible texts.
namespace PicvaultText {

// Container (Iconcontainer)
inline const QString CaptionVersion = QStringLiteral("Ver. ");
inline const QString CaptionPictures = QStringLiteral("          Immagini ciclo: ");
inline const QString LoadMenu = QStringLiteral("&Carica immagini");
inline const QString ExitMenu = QStringLiteral("Esci");
inline const QString HelpMenu = QStringLiteral("          HELP");
inline const QString CreditsTitle = QStringLiteral("Credits");
inline const QString CreditsText = QStringLiteral("Versione 1.2 29/12/05");

// Details window (caricaform)
inline const QString DetailsCaption = QStringLiteral("Gestione immagini");
inline const QString AddCaption = QStringLiteral("Aggiunte d'immagine");
inline const QString ChangeCaption = QStringLiteral("Variazioni all'immagine");
inline const QString ChooseButton = QStringLiteral("...");
inline const QString PreviewButton = QStringLiteral("Anteprima");
inline const QString ShortLabel = QStringLiteral("Descrizione breve");
inline const QString LongLabel = QStringLiteral("Descrizione completa.");
inline const QString AddButton = QStringLiteral("Carica");
inline const QString ChangeButton = QStringLiteral("Varia");
inline const QString DeleteButton = QStringLiteral("Cancella");
inline const QString ExitButton = QStringLiteral("Esci");
inline const QString Notice =
    QStringLiteral("Le modifiche alle immagini verranno visualizzate dopo la pressione del tasto ESCI.");
// What the user sees in the chooser; the patterns behind it are the formats the reader knows.
inline const QString ChooserLabel = QStringLiteral("Immagini");

// Full-page window (frmfulpg)
inline const QString ZoomFrame = QStringLiteral("Zoom");
inline const QString ZoomIn = QStringLiteral("+");
inline const QString ZoomReset = QStringLiteral("=");
inline const QString ZoomOut = QStringLiteral("-");
inline const QString PrintButton = QStringLiteral("Stampa");
inline const QString CloseButton = QStringLiteral("Chiudi");

// Catalogue
inline const QString Added = QStringLiteral("Aggiunto...");
inline const QString ShortMissing = QStringLiteral("Manca la descrizione breve");
inline const QString RowMissing = QStringLiteral("Incongruenza tra database ed immagini");
inline const QString DeleteQuestion = QStringLiteral("Elimino immagine?");
inline const QString NotAdded = QStringLiteral("L'immagine non è stata aggiunta:\n%1\n%2");
inline const QString NotDeleted = QStringLiteral("L'immagine non è stata eliminata:\n%1\n%2");
inline const QString CatalogueError = QStringLiteral("Errore nel catalogo delle immagini:\n%1");
inline const QString CatalogueFull = QStringLiteral("Numerazione delle immagini esaurita");
inline const QString PrintFailed = QStringLiteral("Stampa non riuscita");

} // namespace PicvaultText
